# A drag source speaking the X drag-and-drop protocol (XDND) step by step, for
# the timings a Qt drag never produces: some file managers publish no list of
# actions and send the drop as soon as the button is released, before the
# target has answered the last position. Like Qt's own source, it hands out the
# file's name only for the newest position while the drag runs, or for the
# drop; and it answers a little late, as a busy program does.
import time

from Xlib import X, Xatom, display
from Xlib.protocol import event

ATOMS = ("XdndSelection", "XdndEnter", "XdndPosition", "XdndStatus", "XdndDrop", "XdndFinished",
         "XdndActionCopy", "XdndTypeList", "text/uri-list", "VANTREL_TIME")


class XdndSource:
    def __init__(self, display_name, path, answer_delay=0.05):
        self.d = display.Display(display_name)
        self.atom = {name: self.d.intern_atom(name) for name in ATOMS}
        self.win = self.d.screen().root.create_window(-10, -10, 1, 1, 0, X.CopyFromParent, X.InputOnly,
                                                      event_mask=X.PropertyChangeMask)
        self.win.change_property(self.atom["XdndTypeList"], Xatom.ATOM, 32, [self.atom["text/uri-list"]])
        self.uri, self.delay = f"file://{path}\r\n".encode(), answer_delay
        self.dragging, self.position_time, self.drop_time = True, None, None
        self.statuses, self.finished, self.replies = [], [], []
        self.win.set_selection_owner(self.atom["XdndSelection"], self.server_time())

    def close(self):
        self.d.close()

    def drag(self, target, x, y, deadline=10.0):
        """Enters the target, waits for its answer to a first position, moves once more and drops at
        once. Returns (accepted per status, accepted by XdndFinished or None when it never came)."""
        self.target = target
        self.send("XdndEnter", [5 << 24, self.atom["text/uri-list"], 0, 0])
        self.position(x - 5, y - 5)
        self.pump(deadline, lambda: self.statuses)
        self.position(x, y)
        self.drop_time = self.server_time()
        self.send("XdndDrop", [0, self.drop_time, 0, 0])
        self.dragging = False  # the drag is over for the source once the button is up
        self.pump(deadline, lambda: self.finished)
        return self.statuses, (self.finished or [None])[0]

    def position(self, x, y):
        self.position_time = self.server_time()
        self.send("XdndPosition", [0, (x << 16) | y, self.position_time, self.atom["XdndActionCopy"]])

    def send(self, kind, data):
        message = event.ClientMessage(window=self.target, client_type=self.atom[kind],
                                      data=(32, [self.win.id, *data]))
        self.d.send_event(self.target, message, X.NoEventMask)
        self.d.flush()

    def server_time(self):
        """The X server's time now: the stamp of a change to a property of our own."""
        self.win.change_property(self.atom["VANTREL_TIME"], Xatom.INTEGER, 32, [0])
        self.d.flush()
        while True:
            e = self.d.next_event()
            if e.type == X.PropertyNotify and e.atom == self.atom["VANTREL_TIME"]:
                return e.time
            self.handle(e)

    def handle(self, e):
        if e.type == X.SelectionRequest:
            self.replies.append((time.monotonic() + self.delay, e))
        elif e.type == X.ClientMessage and e.client_type == self.atom["XdndStatus"]:
            self.statuses.append(bool(e.data[1][1] & 1))
        elif e.type == X.ClientMessage and e.client_type == self.atom["XdndFinished"]:
            self.finished.append(bool(e.data[1][1] & 1))

    def reply(self, request):
        # Decided when the request is handled, late, as a busy source decides it.
        current = (self.dragging and request.time == self.position_time) or request.time == self.drop_time
        if current:
            request.requestor.change_property(request.property, request.target, 8, self.uri)
        notify = event.SelectionNotify(time=request.time, requestor=request.requestor,
                                       selection=request.selection, target=request.target,
                                       property=request.property if current else X.NONE)
        request.requestor.send_event(notify)
        self.d.flush()

    def pump(self, seconds, until):
        end = time.monotonic() + seconds
        while not until() and time.monotonic() < end:
            for due in [r for r in self.replies if r[0] <= time.monotonic()]:
                self.replies.remove(due)
                self.reply(due[1])
            while self.d.pending_events():
                self.handle(self.d.next_event())
            time.sleep(0.002)
