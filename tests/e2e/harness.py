# The end-to-end harness: a private X server with a window manager, a private
# D-Bus session with the accessibility bus, the real program started with
# nothing but its locale, real X input through xdotool, and what the screen
# shows read back through AT-SPI (pyatspi).
import ctypes
import os
import signal
import subprocess
import tempfile
import time

SCREEN = (1366, 768)
PR_SET_CHILD_SUBREAPER = 36


class Failure(AssertionError):
    pass


def wait_for(condition, what, timeout=10.0):
    """Polls condition until it gives a true value and returns that value."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as e:  # a widget may vanish between two questions
            last_error = e
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}"
                          + (f" (last error: {last_error})" if last_error else ""))
        time.sleep(0.05)


class Processes:
    """Every process started here gets its own process group, which is
    stopped through the pid recorded at start, children included."""

    def __init__(self):
        self.started = []
        # Children a daemon leaves behind come to us, not to init, so that we
        # can reap them.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1)

    def start(self, argv, env=None, **kw):
        p = subprocess.Popen(argv, env=env, start_new_session=True,
                             stdin=subprocess.DEVNULL, **kw)
        self.started.append(p)
        return p

    def stop(self, p, timeout=5):
        # The leader first, so that it can stop and reap its own children;
        # then whatever of its group is left.
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(timeout)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
        try:
            os.killpg(p.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                if os.waitpid(-p.pid, os.WNOHANG) == (0, 0):
                    time.sleep(0.02)
            except ChildProcessError:
                break
        if p in self.started:
            self.started.remove(p)

    def stop_all(self):
        for p in reversed(list(self.started)):
            self.stop(p)


def _read_fd_line(fd, timeout):
    """Reads what a daemon writes to the pipe it announces itself on."""
    import select
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise Failure("a daemon did not announce itself")
        chunk = os.read(fd, 4096)
        if not chunk:
            raise Failure("a daemon exited before announcing itself")
        data += chunk
    os.close(fd)
    return data.decode().strip()


class Session:
    """Xvfb, openbox, a session bus and the accessibility bus, shared by all
    scenarios of a run."""

    def __init__(self, workdir):
        self.procs = Processes()
        self.workdir = workdir
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        # The daemons keep their sockets and caches in the run's folder.
        self.env = {"PATH": "/usr/bin:/bin", "HOME": workdir, "XDG_RUNTIME_DIR": runtime}

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.procs.stop_all()
            raise
        return self

    def __exit__(self, *exc):
        self.procs.stop_all()

    def _log(self, name):
        return open(os.path.join(self.workdir, name), "w")

    def _start(self):
        r, w = os.pipe()
        self.procs.start(["Xvfb", "-displayfd", str(w), "-screen", "0",
                          f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                         pass_fds=(w,), stdout=self._log("xvfb.log"), stderr=subprocess.STDOUT)
        os.close(w)
        self.env["DISPLAY"] = ":" + _read_fd_line(r, 30)

        # An empty but valid configuration: openbox's defaults, and no window
        # of its own complaining about a file it cannot parse.
        rc = os.path.join(self.workdir, "openbox-rc.xml")
        with open(rc, "w") as f:
            f.write('<openbox_config xmlns="http://openbox.org/3.4/rc"/>\n')
        wm = self.procs.start(["openbox", "--sm-disable", "--config-file", rc],
                              env=self.env, stdout=self._log("openbox.log"),
                              stderr=subprocess.STDOUT)
        wait_for(lambda: wm.poll() is None and b"window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
            capture_output=True).stdout, "openbox to manage the screen")

        r, w = os.pipe()
        self.procs.start(["dbus-daemon", "--session", "--nofork", f"--print-address={w}"],
                         pass_fds=(w,), env=self.env, stdout=self._log("dbus.log"),
                         stderr=subprocess.STDOUT)
        os.close(w)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_fd_line(r, 30)

        # The launcher owns org.a11y.Bus and runs the accessibility bus as
        # its child; started here rather than by D-Bus activation so that its
        # pid is ours to stop.
        self.procs.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                         env=self.env, stdout=self._log("at-spi.log"), stderr=subprocess.STDOUT)
        wait_for(lambda: b"unix:" in subprocess.run(
            ["xprop", "-root", "AT_SPI_BUS"], env=self.env, capture_output=True).stdout,
            "the accessibility bus")

        # pyatspi connects when it is imported, so only now.
        os.environ.update(self.env)
        global pyatspi
        import pyatspi as _pyatspi
        pyatspi = _pyatspi
        # A program that hangs must not hang the harness for D-Bus's default
        # 25 s per question.
        from gi.repository import Atspi
        Atspi.set_timeout(2000, 10000)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def pixel(self, x, y):
        """The colour the screen shows at a point, as (red, green, blue)."""
        from Xlib import X, display
        d = display.Display(self.env["DISPLAY"])
        try:
            data = d.screen().root.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
        finally:
            d.close()
        return data[2], data[1], data[0]

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env,
                       capture_output=True, timeout=30)


# ---- the accessibility tree ------------------------------------------------

def children(acc):
    try:
        return [c for c in acc if c is not None]
    except Exception:
        return []


def walk(acc, visible=True):
    """The subtree, without what is hidden when visible is set: a hidden tab
    page or a closed list holds most of the tree."""
    yield acc
    if visible and acc.getRoleName() != "application" and not showing(acc):
        return
    for c in children(acc):
        yield from walk(c, visible)


def text_of(acc):
    """What a field shows: its text, else its accessible name."""
    try:
        t = acc.queryText()
        return t.getText(0, -1)
    except NotImplementedError:
        return acc.name


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def has_state(acc, name):
    return acc.getState().contains(getattr(pyatspi, "STATE_" + name.upper()))


def dump(acc, out, depth=0, deadline=None):
    """Writes the shown part of the tree; gives up after a few seconds on a
    program that no longer answers."""
    deadline = deadline or time.monotonic() + 8
    if time.monotonic() > deadline:
        out.write(f"{'  ' * depth}(cut short: the program answers too slowly)\n")
        return False
    try:
        role, name = acc.getRoleName(), acc.name
        states = [pyatspi.stateToString(s) for s in acc.getState().getStates()]
        ext = extents(acc) if role != "application" else None
        text = text_of(acc) if role in ("text", "spin button") else None
    except Exception as e:
        out.write(f"{'  ' * depth}(no answer: {e})\n")
        return True
    out.write(f"{'  ' * depth}{role} name={name!r}" + (f" text={text!r}" if text is not None else "")
              + f" at={ext} {' '.join(states)}\n")
    if role == "application" or "showing" in states:
        for c in children(acc):
            if not dump(c, out, depth + 1, deadline):
                return False
    return True


class App:
    """One run of the real program under one locale."""

    def __init__(self, session, exe, lang, extra_env=None):
        self.session = session
        self.home = tempfile.mkdtemp(prefix="home-", dir=session.workdir)
        env = {"LANG": lang, "HOME": self.home,
               "DISPLAY": session.env["DISPLAY"],
               "DBUS_SESSION_BUS_ADDRESS": session.env["DBUS_SESSION_BUS_ADDRESS"],
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        env.update(extra_env or {})
        self.log = open(os.path.join(session.workdir, "vantrel.log"), "a")
        self.proc = session.procs.start([exe], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        try:
            self._attach()
        except BaseException:
            self.stop()
            raise

    def _attach(self):
        session = self.session
        self.acc = wait_for(self._find_app, "the program on the accessibility bus", 20)
        # Ask the program afresh each time instead of trusting a cache.
        self.acc.set_cache_mask(pyatspi.cache.NONE)
        self.window = wait_for(lambda: next((w for w in children(self.acc)
                                             if w.getRoleName() in ("frame", "filler", "window")
                                             and showing(w)), None),
                               "the main window to show")
        self.xid = int(wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid), "--name", "^Vantrel$"],
            env=session.env, capture_output=True, text=True).stdout.split(), "the main window's X id")[0])
        # Managed once the window manager has framed it; only then does it
        # take the focus and answer the close button.
        wait_for(lambda: b"=" in subprocess.run(
            ["xprop", "-id", str(self.xid), "_NET_FRAME_EXTENTS"], env=session.env,
            capture_output=True).stdout, "the window manager to frame the window")

    def _find_app(self):
        if self.proc.poll() is not None:
            raise Failure(f"the program exited with status {self.proc.returncode}")
        for a in children(pyatspi.Registry.getDesktop(0)):
            try:
                if a.get_process_id() == self.proc.pid:
                    return a
            except Exception:
                pass
        return None

    def stop(self):
        self.session.procs.stop(self.proc)

    def close(self, timeout=10):
        """Closes the window as the window manager's close button does and
        waits for the program to end. The request is repeated while the
        program runs: now and then the first one goes unanswered."""
        from Xlib import X, display, protocol
        d = display.Display(self.session.env["DISPLAY"])
        try:
            event = protocol.event.ClientMessage(
                window=d.create_resource_object("window", self.xid),
                client_type=d.intern_atom("_NET_CLOSE_WINDOW"),
                data=(32, [X.CurrentTime, 2, 0, 0, 0]))
            deadline = time.monotonic() + timeout
            while self.proc.poll() is None:
                if time.monotonic() > deadline:
                    raise Failure("the program did not end when its window was closed")
                d.screen().root.send_event(
                    event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
                d.flush()
                try:
                    self.proc.wait(1)
                except subprocess.TimeoutExpired:
                    pass
        finally:
            d.close()
        self.session.procs.stop(self.proc)
        return self.proc.returncode

    # -- finding things

    def find_all(self, role, name=None, root=None, visible=True):
        found = []
        for a in walk(root or self.acc, visible):
            if a.getRoleName() == role and (name is None or a.name == name) \
                    and (not visible or showing(a)):
                found.append(a)
        return found

    def find(self, role, name=None, root=None, timeout=10):
        return wait_for(lambda: (self.find_all(role, name, root) or [None])[0],
                        f"a {role} {name or ''} to show", timeout)

    def grid(self):
        return self.find("table", root=self.window)

    def rows(self):
        """Every row of the planner grid as the texts its cells show."""
        t = self.grid().queryTable()
        return [[t.getAccessibleAt(r, c).name for c in range(t.nColumns)]
                for r in range(t.nRows)]

    def totals(self):
        """Total FPS, bandwidth and disk space: the read-only boxes under the grid."""
        boxes = [b for b in self.find_all("text", root=self.window)
                 if b.getState().contains(pyatspi.STATE_READ_ONLY)
                 or not b.getState().contains(pyatspi.STATE_EDITABLE)]
        boxes.sort(key=lambda b: extents(b)[0])
        return [text_of(b) for b in boxes]

    def page(self):
        """The tab page that shows."""
        stack = self.find("layered pane", root=self.window)
        return next(p for p in children(stack) if showing(p))

    def at_page_points(self, wanted):
        """The controls whose corners lie at design positions on the page, as
        {key: (role, x, y, right_anchored)}; right-anchored positions count
        from the page's right edge. One walk of the page for all of them."""
        page = self.page()
        px, py, pw, _ = extents(page)
        shown = [(a.getRoleName(), extents(a), a) for a in walk(page)]
        found = {}
        for key, (role, x, y, right) in wanted.items():
            x = pw - (704 - x) if right else x
            dist = [(abs(e[0] - px - x) + abs(e[1] - py - y), a) for r, e, a in shown if r == role]
            d, best = min(dist, key=lambda t: t[0], default=(None, None))
            if best is None or d > 12:
                raise Failure(f"no {role} at {x},{y} on the page")
            found[key] = best
        return found

    def x_windows(self):
        """The program's mapped X windows: the main window, dialogs, popups."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                               env=self.session.env, capture_output=True, text=True).stdout
        return [int(w) for w in found.split()]

    def popups(self):
        return [w for w in self.x_windows() if w != self.xid]

    def frame_geometry(self):
        """Where the window lies on the screen, with its frame."""
        info = subprocess.run(["xwininfo", "-id", str(self.xid)], env=self.session.env,
                              capture_output=True, text=True, check=True).stdout
        field = lambda key: int(info.split(key)[1].split()[0])  # noqa: E731
        x, y = field("Absolute upper-left X:"), field("Absolute upper-left Y:")
        w, h = field("Width:"), field("Height:")
        ext = subprocess.run(["xprop", "-id", str(self.xid), "_NET_FRAME_EXTENTS"],
                             env=self.session.env, capture_output=True, text=True).stdout
        left, right, top, bottom = (int(v) for v in ext.split("=")[1].split(","))
        return x - left, y - top, w + left + right, h + top + bottom

    def dialogs(self):
        return [w for w in children(self.acc)
                if w.getRoleName() in ("dialog", "alert", "file chooser") and showing(w)]

    def message_box(self, timeout=10):
        box = wait_for(lambda: next((w for w in self.dialogs() if w.getRoleName() == "alert"), None),
                       "a message box", timeout)
        labels = [l.name for l in self.find_all("label", root=box) if l.name]
        return box, labels

    # -- real input

    def click(self, acc, dx=None, dy=None, button=1):
        x, y, w, h = extents(acc)
        self.click_at(x + (w // 2 if dx is None else dx), y + (h // 2 if dy is None else dy), button)

    def click_at(self, x, y, button=1):
        self.session.xdotool("mousemove", x, y, "click", button)

    def key(self, *keys):
        self.session.xdotool("key", "--delay", "20", *keys)

    def type(self, text):
        self.session.xdotool("type", "--delay", "15", text)

    # -- files

    def file_closed(self, path):
        """True once the file exists and the program holds it open no more."""
        if not os.path.exists(path):
            return False
        fd_dir = f"/proc/{self.proc.pid}/fd"
        for fd in os.listdir(fd_dir):
            try:
                if os.path.realpath(os.path.join(fd_dir, fd)) == os.path.realpath(path):
                    return False
            except OSError:
                pass
        return True

    def choose_file(self, path):
        """Types a full path into the open file dialog and confirms it."""
        dialog = wait_for(lambda: next(iter(self.dialogs()), None), "the file dialog")
        wait_for(lambda: any(a.getState().contains(pyatspi.STATE_FOCUSED)
                             for a in self.find_all("text", root=dialog)),
                 "the file name field to take the focus")
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        wait_for(lambda: dialog not in self.dialogs(), "the file dialog to close")
