# The end-to-end harness: a private X server with a window manager, a private
# D-Bus session with the accessibility bus, the real program started with
# nothing but its locale, real X input through xdotool, and what the screen
# shows read back through AT-SPI (pyatspi).
import ctypes
import os
import select
import signal
import subprocess
import tempfile
import time
import traceback

SCREEN = (1366, 768)
LOCALES = {"en": "en_US.UTF-8", "de": "de_DE.UTF-8", "ru": "ru_RU.UTF-8"}


class Failure(AssertionError):
    pass


def wait_for(condition, what, timeout=10.0):
    """Polls condition until it gives a true value and returns that value."""
    deadline, last_error = time.monotonic() + timeout, None
    while True:
        try:
            if value := condition():
                return value
        except Exception as e:  # a widget may vanish between two questions
            last_error = e
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}"
                          + (f" (last error: {last_error})" if last_error else ""))
        time.sleep(0.05)


def run(*argv, env):
    return subprocess.run([str(a) for a in argv], env=env, capture_output=True, text=True).stdout


class Session:
    """Xvfb, openbox, a session bus and the accessibility bus for all scenarios. Each process
    gets its own group, stopped through the pid recorded at start, children included."""

    def __init__(self, workdir):
        self.workdir, self.started = workdir, []
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700)
        # The daemons keep their sockets and caches in the run's folder.
        self.env = {"PATH": "/usr/bin:/bin", "HOME": workdir, "XDG_RUNTIME_DIR": runtime}
        # Children a daemon leaves behind come to us, not to init, so that we can reap them.
        ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER

    def start(self, argv, log, env=None, **kw):
        p = subprocess.Popen(argv, env=env or self.env, start_new_session=True, stdin=subprocess.DEVNULL,
                             stdout=open(os.path.join(self.workdir, log), "a"), stderr=subprocess.STDOUT, **kw)
        self.started.append(p)
        return p

    def stop(self, p):
        # The leader first, so that it can stop and reap its own children;
        # then whatever of its group is left, reaped here as its subreaper.
        p.terminate()
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()
        try:
            os.killpg(p.pid, signal.SIGKILL)
            deadline = time.monotonic() + 5
            while time.monotonic() < deadline:
                if os.waitpid(-p.pid, os.WNOHANG) == (0, 0):
                    time.sleep(0.02)
        except (ProcessLookupError, ChildProcessError):  # none of the group is left
            pass
        if p in self.started:
            self.started.remove(p)

    def stop_all(self):
        for p in reversed(list(self.started)):
            self.stop(p)

    def announced(self, argv, log):
        """Starts a daemon and returns the line (display, address) it writes to the pipe FD."""
        r, w = os.pipe()
        self.start([a.replace("FD", str(w)) for a in argv], log, pass_fds=(w,))
        os.close(w)
        wait_for(lambda: select.select([r], [], [], 0)[0], f"{argv[0]} to announce itself", 30)
        with os.fdopen(r) as f:
            if line := f.readline().strip():
                return line
        raise Failure(f"{argv[0]} exited before announcing itself")

    def up(self):
        self.env["DISPLAY"] = ":" + self.announced(["Xvfb", "-displayfd", "FD", "-screen", "0",
                                                    "%dx%dx24" % SCREEN, "-nolisten", "tcp"], "xvfb.log")
        # An empty but valid configuration: openbox's defaults (Alt+F4 closes), and no window
        # of its own complaining about a file it cannot parse.
        rc = os.path.join(self.workdir, "openbox-rc.xml")
        with open(rc, "w") as f:
            f.write('<openbox_config xmlns="http://openbox.org/3.4/rc"/>\n')
        wm = self.start(["openbox", "--sm-disable", "--config-file", rc], "openbox.log")
        wait_for(lambda: wm.poll() is None and "window id" in run(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=self.env), "openbox to manage the screen")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.announced(
            ["dbus-daemon", "--session", "--nofork", "--print-address=FD"], "dbus.log")
        # The launcher owns org.a11y.Bus and runs the accessibility bus as its child; started
        # here rather than by D-Bus activation so that its pid is ours to stop.
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "at-spi.log")
        wait_for(lambda: "unix:" in run("xprop", "-root", "AT_SPI_BUS", env=self.env), "the accessibility bus")
        # pyatspi connects when it is imported, so only now.
        os.environ.update(self.env)
        global pyatspi
        import pyatspi
        # A program that hangs must not hang the harness for D-Bus's default 25 s per question.
        from gi.repository import Atspi
        Atspi.set_timeout(2000, 10000)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, capture_output=True, timeout=30)


# ---- the accessibility tree ------------------------------------------------

def children(acc):
    try:
        return [c for c in acc if c is not None]
    except Exception:
        return []


def has(acc, state):
    return acc.getState().contains(getattr(pyatspi, "STATE_" + state.upper().replace(" ", "_")))


def walk(acc, depth=0):
    """The shown subtree, each node with its depth: a hidden tab page or a closed list holds
    most of the tree."""
    if acc.getRoleName() == "application" or has(acc, "showing"):
        yield depth, acc
        for c in children(acc):
            yield from walk(c, depth + 1)


def text_of(acc):
    """What a field shows: its text, else its accessible name."""
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return acc.name


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def dump(acc, out):
    """Writes the shown part of the tree, as far as the program answers."""
    try:
        for depth, a in walk(acc):
            states = " ".join(pyatspi.stateToString(s) for s in a.getState().getStates())
            out.write(f"{'  ' * depth}{a.getRoleName()} {a.name!r} text={text_of(a)!r} at={extents(a)} {states}\n")
    except Exception as e:
        out.write(f"(no answer: {e})\n")


class App:
    """The real program in one scenario under one locale, and the checks that failed so far: a
    scenario goes on after a wrong value, so that one run shows every fault it meets."""

    def __init__(self, session, exe, lang, artifacts):
        self.session, self.env, self.exe, self.lang, self.artifacts = session, session.env, exe, lang, artifacts
        self.sep = "." if lang == "en" else ","
        self.dir, self.home = (tempfile.mkdtemp(dir=session.workdir) for _ in "12")  # scratch, user's home
        self.failures, self.cleanups, self.proc, self.acc = [], [], None, None

    def launch(self, extra_env=None, prefix=(), args=(), cwd=None):
        """Starts the program with args, in cwd; prefix runs it through a command that execs it
        (prlimit ...)."""
        # A desktop session's runtime folder; without one Qt makes its own in /tmp.
        env = {"LANG": LOCALES[self.lang], "HOME": self.home, "DISPLAY": self.env["DISPLAY"],
               "XDG_RUNTIME_DIR": self.env["XDG_RUNTIME_DIR"],
               "DBUS_SESSION_BUS_ADDRESS": self.env["DBUS_SESSION_BUS_ADDRESS"],
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", **(extra_env or {})}
        self.proc = self.session.start([*prefix, self.exe, *args], "vantrel.log", env=env, cwd=cwd)
        self.acc = wait_for(self._find_app, "the program on the accessibility bus", 20)
        # Ask the program afresh each time instead of trusting a cache.
        self.acc.set_cache_mask(pyatspi.cache.NONE)
        self.window = wait_for(lambda: next((w for w in children(self.acc) if has(w, "showing")
                                             and w.getRoleName() in ("frame", "filler", "window")), None),
                               "the main window to show")
        self.xid = int(wait_for(lambda: run("xdotool", "search", "--onlyvisible", "--pid", self.proc.pid,
                                            "--name", "^Vantrel$", env=self.env).split(),
                                "the main window's X id")[0])
        # Managed once openbox has framed it; only then does it take the focus and answer Alt+F4.
        wait_for(self.frame_extents, "the window manager to frame the window")

    def run(self, scenario):
        try:
            scenario(self)
        except Failure as e:
            self.fail(str(e))
        except Exception:
            self.fail(traceback.format_exc())
        finally:
            if self.proc:
                self.session.stop(self.proc)
            for cleanup in self.cleanups:  # after the program, also on failure
                cleanup()
        return not self.failures

    def fail(self, message):
        if not self.failures:  # the screen and the tree as they are at the first fault
            self.session.screenshot(self.artifacts + ".png")
            with open(self.artifacts + ".a11y.txt", "w") as f:
                for window in children(self.acc):
                    dump(window, f)
        self.failures.append(message)

    def expect(self, actual, expected, what, timeout=2):
        """Checks a value; given a function, waits for what it reads to become expected."""
        last = []

        def matches():
            last[:] = [actual() if callable(actual) else actual]
            return last[0] == expected
        try:
            wait_for(matches, what, timeout if callable(actual) else 0)
        except Failure as e:
            self.fail(f"{what}: expected {expected!r}, got {last[0]!r}" if last else str(e))

    def num(self, text):  # as the locale writes it
        return text.replace(".", self.sep)

    def _find_app(self):
        if self.proc.poll() is not None:
            raise Failure(f"the program exited with status {self.proc.returncode}")
        for a in children(pyatspi.Registry.getDesktop(0)):
            try:  # a program that ended may linger on the bus for a while
                if a.get_process_id() == self.proc.pid:
                    return a
            except Exception:
                pass

    def close(self):
        """Closes the window with openbox's Alt+F4, as a user would; pressed again while the
        program runs, as now and then the first request goes unanswered."""
        wait_for(lambda: self.key("alt+F4") or self.proc.wait(1) is not None,  # or TimeoutExpired
                 "the program to end when its window was closed")
        self.session.stop(self.proc)
        return self.proc.returncode

    # -- finding things

    def find_all(self, role, name=None, root=None):
        return [a for _, a in walk(root or self.window) if a.getRoleName() == role and name in (None, a.name)]

    def find(self, role, name=None, root=None):
        return wait_for(lambda: (self.find_all(role, name, root) or [None])[0], f"a {role} {name or ''} to show")

    def cells(self):  # of the planner grid, row by row
        t = self.find("table").queryTable()
        return [[t.getAccessibleAt(r, c) for c in range(t.nColumns)] for r in range(t.nRows)]

    def rows(self):  # as the texts the cells show
        return [[cell.name for cell in row] for row in self.cells()]

    def page(self):  # the tab page that shows
        return next(p for p in children(self.find("layered pane")) if has(p, "showing"))

    def tab(self, index):
        self.click(self.find_all("page tab")[index])

    def frame_extents(self):
        """The window manager's frame around the window: left, right, top, bottom."""
        ext = run("xprop", "-id", self.xid, "_NET_FRAME_EXTENTS", env=self.env)
        return "=" in ext and tuple(int(v) for v in ext.split("=")[1].split(","))

    def dialogs(self):
        return [w for w in children(self.acc)
                if w.getRoleName() in ("dialog", "alert", "file chooser") and has(w, "showing")]

    # -- real input

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def click(self, acc, dx=None, dy=None):
        x, y, w, h = extents(acc)
        self.click_at(x + (w // 2 if dx is None else dx), y + (h // 2 if dy is None else dy))

    def click_at(self, x, y):
        self.xdotool("mousemove", x, y, "click", 1)

    def key(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "15", text)

    def focus(self, field, text=None):
        """Clicks into a field, waits for it to take the focus, and types text over what it holds."""
        self.click(field)
        wait_for(lambda: has(field, "focused"), f"the {field.getRoleName()} to take the focus")
        if text is not None:
            self.key("ctrl+a")
            self.type(text)

    # -- files

    def file_closed(self, path):
        """True once the file exists and the program holds it open no more."""
        fds = f"/proc/{self.proc.pid}/fd"
        return os.path.exists(path) and not any(
            os.path.realpath(os.path.join(fds, fd)) == os.path.realpath(path) for fd in os.listdir(fds))

    def choose_file(self, path):
        """Types a full path into the open file dialog and confirms it."""
        dialog = wait_for(lambda: next(iter(self.dialogs()), None), "the file dialog")
        wait_for(lambda: any(has(a, "focused") for a in self.find_all("text", root=dialog)),
                 "the file name field to take the focus")
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        wait_for(lambda: dialog not in self.dialogs(), "the file dialog to close")
