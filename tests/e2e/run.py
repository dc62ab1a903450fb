#!/usr/bin/python3
"""Runs the end-to-end scenarios against the built program, each once per locale it lists,
in a fresh run of the program; see README.md."""
import argparse
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import types

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import LOCALES, App, Failure, Session, children, extents, has, run, text_of, walk, wait_for  # noqa

SCENARIOS = []


def scenario(*langs):
    return lambda fn: SCENARIOS.append((fn.__name__, fn, langs)) or fn


# ---- what the program shows and writes ---------------------------------------

def row_stream(rows):
    """A saved plan: marker, row count, each row's fixed header and length-prefixed texts."""
    out = struct.pack("<ii", -1, len(rows))
    for row in rows:
        out += struct.pack("<iiiiiii", 24, 0, -1, -1, 0, 0, len(row))
        for text in row:
            out += struct.pack("<i", len(text.encode())) + text.encode()
    return out


DEFAULT_ROW = ["640x480 (VGA)", "MJPG-Medium (20)", "46", "10", "1", "1", "3.68", "37.90283203125"]
# As a screen reader names the tabs: the "?" tab by what it holds.
TABS = {"en": ["Bandwidth & Disk Space", "Lens & Angle", "About"],
        "ru": ["Трафик и Объем диска", "Объектив и угол обзора", "О программе"]}
BUTTONS = {"en": {"add": "Add new type", "remove": "Remove", "save": "Save", "load": "Load"},
           "ru": {"add": "Добавить", "remove": "Удалить", "save": "Сохранить", "load": "Загрузить"}}


def button(app, which):
    return app.find("push button", BUTTONS.get(app.lang, BUTTONS["en"])[which])


def totals(app):
    """Total FPS, bandwidth and disk space: the read-only boxes under the grid."""
    boxes = [b for b in app.find_all("text") if has(b, "read only") or not has(b, "editable")]
    return [text_of(b) for b in sorted(boxes, key=lambda b: extents(b)[0])]


def save(app, typed, rows):
    """Saves through the real dialog, checks the file once closed; a name typed without .ip gets it."""
    path = typed if typed.endswith(".ip") else typed + ".ip"
    app.click(button(app, "save"))
    app.choose_file(typed)
    wait_for(lambda: app.file_closed(path), f"{path} to be written and closed")
    with open(path, "rb") as f:
        app.expect(f.read(), row_stream(rows), "saved bytes")


def answer_box(app, texts_ok):
    """The message box, captioned Vantrel, its texts as texts_ok wants them; closed with OK."""
    box = wait_for(lambda: next((w for w in app.dialogs() if w.getRoleName() == "alert"), None),
                   "a message box", 5)
    texts = [label.name for label in app.find_all("label", root=box) if label.name]
    app.expect((box.name, texts_ok(texts)), ("Vantrel", True), f"message box with {texts!r}")
    app.click(app.find("push button", "OK", root=box))
    wait_for(lambda: box not in app.dialogs(), "the message box to close")


# ---- scenarios ---------------------------------------------------------------

@scenario("en", "de", "ru")
def start(app):
    """The first screen in the locale's numbers, saved in them; the tabs as a screen reader names
    them; nothing left in the user's folders."""
    app.launch()
    row = [app.num(c) for c in DEFAULT_ROW]
    app.expect([t.name for t in app.find_all("page tab")], TABS.get(app.lang, TABS["en"]), "tab names")
    app.expect(app.rows(), [row], "the default row")
    app.expect(totals(app), ["10", row[6], row[7]], "totals")
    save(app, os.path.join(app.dir, "plan"), [row])
    app.expect(app.close(), 0, "exit status after closing the window")
    app.expect([os.path.join(d, n) for d, _, names in os.walk(app.home) for n in names], [],
               "files the program left in its home folder")


@scenario("en")
def fifo_load(app):
    """A named pipe chosen in the real file dialog is refused at once instead of freezing; the
    rows stay and the program goes on answering."""
    path = os.path.join(app.dir, "pipe.ip")
    os.mkfifo(path)
    prefix = f'Cannot open file "{path}". '  # and the system's reason
    app.launch()
    app.click(button(app, "load"))
    app.choose_file(path)
    answer_box(app, lambda texts: len(texts) == 1 and texts[0].startswith(prefix)
               and len(texts[0]) > len(prefix) + 1)
    app.expect(app.rows(), [DEFAULT_ROW], "rows after the refused load")
    app.click(button(app, "add"))
    app.expect(lambda: len(app.rows()), 2, "rows after Add")


@scenario("en", "ru")
def command_line(app):
    """A plan named on the command line, relative to the folder the program starts in, loads into
    the window as Load loads it; a missing one is reported and the start-up row stays."""
    rows = [[app.num(c) for c in DEFAULT_ROW],
            ["?", "?", "12", "15", "7", "4", app.num("5.76"), app.num("415.283203125")]]
    with open(os.path.join(app.dir, "shop.ip"), "wb") as f:
        f.write(row_stream(rows))
    app.launch(args=["shop.ip"], cwd=app.dir)
    app.expect(app.rows, rows, "rows of the plan named on the command line")
    app.expect(totals(app), ["70", app.num("9.44"), app.num("453.18603515625")], "totals")
    app.session.stop(app.proc)

    app.launch(args=["missing.ip"], cwd=app.dir)
    prefix = f'Cannot open file "{os.path.join(app.dir, "missing.ip")}". '  # and the system's reason
    answer_box(app, lambda texts: len(texts) == 1 and texts[0].startswith(prefix))
    app.expect(app.rows(), [rows[0]], "the start-up row after a missing plan")
    app.expect(app.proc.poll(), None, "the program, still running")


# The lens tab's fields, found by kind and design position: captions change with the
# language, positions do not. Corners are on the 704 px wide design page; a negative x counts
# from the right edge, where the width box stays when the page grows.
LENS_FIELDS = {"angle": ("spin button", 16, 200), "focal": ("text", 16, 248),
               "width": ("combo box", -182, 192)}


def lens_tab(app):
    """Shows the lens tab; its fields by name: a combo box as NAME_box, its edit as NAME."""
    app.tab(1)
    wait_for(lambda: app.find_all("spin button", root=app.page()), "the lens tab to show")
    px, py, pw, _ = extents(app.page())
    shown = [(a.getRoleName(), extents(a), a) for _, a in walk(app.page())]  # one walk for all
    fields = {}
    for key, (role, x, y) in LENS_FIELDS.items():
        x += pw if x < 0 else 0
        d, best = min(((abs(e[0] - px - x) + abs(e[1] - py - y), a) for r, e, a in shown if r == role),
                      key=lambda t: t[0], default=(None, None))
        if best is None or d > 12:
            raise Failure(f"no {role} at {x},{y} on the page")
        if role == "combo box":
            fields[key + "_box"], best = best, next(c for c in children(best) if c.getRoleName() == "text")
        fields[key] = best
    lens = types.SimpleNamespace(**fields)
    lens.values = lambda: [text_of(f) for f in (lens.angle, lens.focal, lens.width)]
    return lens


@scenario("en", "de", "ru")
def lens(app):
    """Angle to focal length and width and back, in the locale's numbers; two-digit widths.
    When each field runs its handler is tst_lenspage_x11's affair."""
    app.launch()
    lens = lens_tab(app)
    app.expect(lens.values(), ["28", "6", "10"], "lens fields at start")
    app.focus(lens.angle, "45")
    app.expect(lens.values, ["45", app.num("3.9"), app.num("16.6")], "angle 45")
    app.focus(lens.width, "25")
    app.expect(lens.values, ["64", app.num("2.6"), "25"], "width 25 typed")


RU_HEADERS = ["Разрешение", "Видеосжатие", "Размер кадра,Kб", "FPS", "Суток", "Камер", "Трафик,Мб/с", "Объем,Гб"]
RU_PLANNER = ["Сум.FPS", "Трафик,Мбит/с", "Сум.объем,Гб", "ИТОГО:"]
RU_LENS = ["Высота камеры", "Угол камеры", "Размер матрицы камеры", "Угол обзора(в градусах)",
           "Фокусное расстояние(мм)", "Масштаб", "Расстояние до объекта", "Высота объекта", "Ширина"]


@scenario("ru")
def russian(app):
    """Russian captions on all tabs, clear of the lens diagram."""
    app.launch()

    def shown(role):
        return {a.name: a for a in app.find_all(role, root=app.page())}
    app.expect(list(shown("table column header")), RU_HEADERS, "grid headers")
    buttons = app.find_all("push button", root=app.page())
    app.expect(sorted(b.name for b in buttons), sorted(BUTTONS["ru"].values()), "buttons")
    app.expect([c for c in RU_PLANNER if c not in shown("label")], [], "planner captions missing")

    lens_tab(app)
    page_x, labels = extents(app.page())[0], shown("label")
    app.expect([c for c in RU_LENS if c not in labels], [], "lens captions missing")
    for caption in (c for c in RU_LENS[:6] if c in labels):  # the column left of the diagram
        x, _, w, _ = extents(labels[caption])
        app.expect(x + w <= page_x + 160, True, f"{caption!r} ends left of the diagram")

    app.tab(2)
    app.expect(lambda: any(n.startswith("версия ") for n in shown("label")), True, "the version label in Russian")


A11Y = {"en": {"totals": ["Total FPS", "Bandwidth, Mbits/s", "Disk space,GB"],
               "lens": ["Camera sensor size:", "Angle (degree):", "Focal Length (mm):", "Camera height:",
                        "Camera Angle:", "Scale", "Distance", "Object Height:", "Width"],
               "diagram": "tilt 25°, width 10 at distance 20"},
        "ru": {"totals": RU_PLANNER[:3], "lens": RU_LENS[2:5] + RU_LENS[:2] + RU_LENS[5:],
               "diagram": "наклон 25°, ширина 10 на расстоянии 20"}}
FIELDS = ("combo box", "spin button", "text", "push button", "link", "page tab")


@scenario("en", "ru")
def accessibility(app):
    """Every control is named as a screen reader needs it; the keyboard reaches the link and the tabs."""
    app.launch()
    want = A11Y[app.lang]

    def fields():  # the shown page's controls a screen reader stops at, left to right, top to bottom
        found = [a for _, a in walk(app.page()) if a.getRoleName() in FIELDS]
        return sorted(found, key=lambda a: (extents(a)[1], extents(a)[0]))
    app.expect([a.getRoleName() for a in fields() if not a.name], [], "controls without a name, planner")
    boxes = [b for b in fields() if b.getRoleName() == "text"]
    app.expect([b.name for b in sorted(boxes, key=lambda b: extents(b)[0])], want["totals"], "names of the totals")
    link = app.find("link", root=app.page())
    app.expect(link.name, text_of(link), "the link named by its caption")
    # Tab goes from the last designed stop to the link.
    button(app, "load").queryComponent().grabFocus()
    wait_for(lambda: has(button(app, "load"), "focused"), "the Load button to take the focus")
    app.key("Tab")
    app.expect(lambda: has(link, "focused"), True, "the link focused after Tab from Load")

    # Ctrl+PgDn from the grid, where PgDn alone would move rows.
    app.click(app.cells()[0][3])
    app.key("ctrl+Next")
    wait_for(lambda: app.find_all("spin button", root=app.page()), "Ctrl+PgDn to show the lens tab")
    lens_fields = [a for a in fields() if a.getRoleName() != "page tab"]
    app.expect([a.getRoleName() for a in lens_fields if not a.name], [], "controls without a name, lens")
    app.expect(sorted({a.name for a in lens_fields}), sorted(want["lens"]), "names of the lens fields")
    described = [a.description for _, a in walk(app.page()) if a.getRoleName() == "filler" and a.description]
    app.expect(any(want["diagram"] in d for d in described), True, f"the diagram described: {described!r}")
    app.key("ctrl+Tab")
    wait_for(lambda: app.find_all("image", root=app.page()), "Ctrl+Tab to show the About tab")
    app.key("ctrl+Prior", "ctrl+shift+Tab")
    wait_for(lambda: app.find_all("table", root=app.page()), "Ctrl+PgUp, Ctrl+Shift+Tab back to the planner")


DRAG_SOURCE = None  # the helper that drags a file, as a file manager does


def screen_reader_listening(app):
    """Registers what a screen reader listens to; the program then reports every change on the bus."""
    import pyatspi
    events = ("focus:", "object:", "window:")
    listener = lambda event: None  # noqa: E731
    pyatspi.Registry.registerEventListener(listener, *events)
    app.cleanups.append(lambda: pyatspi.Registry.deregisterEventListener(listener, *events))


@scenario("en")
def drop_with_screen_reader(app):
    """With a screen reader's client on the accessibility bus (this harness), every plan dropped
    loads, after a short hover or none."""
    if not DRAG_SOURCE:
        return print("  skipped: no --drag-source")
    screen_reader_listening(app)
    app.launch()
    gx, gy, gw, gh = extents(app.find("table"))
    log = os.path.join(app.session.workdir, "dragsource.log")
    for n, hover in enumerate((0.3, 0.3, 0.3, 0, 0, 0), start=2):
        path = os.path.join(app.dir, f"plan{n}.ip")
        with open(path, "wb") as f:
            f.write(row_stream([DEFAULT_ROW] * n))
        open(log, "w").close()
        source = app.session.start([DRAG_SOURCE, path], "dragsource.log")
        wid = wait_for(lambda: run("xdotool", "search", "--onlyvisible", "--pid", source.pid, env=app.env).split(),
                       "the drag source's window")[0]
        geometry = run("xdotool", "getwindowgeometry", "--shell", wid, env=app.env)
        pos = dict(line.split("=") for line in geometry.split())
        sx, sy = int(pos["X"]) + 30, int(pos["Y"]) + 30
        app.xdotool("mousemove", sx, sy, "mousedown", 1)
        for step in range(1, 6):  # a drag moves in steps, as a hand does
            app.xdotool("mousemove", sx + (gx + gw // 2 - sx) * step // 5, sy + (gy + gh // 2 - sy) * step // 5)
        time.sleep(hover)  # how long the user lingers over the grid before letting go
        app.xdotool("mouseup", 1)
        told = wait_for(lambda: open(log).read().strip(), "the drag source to hear how the drop ended")
        app.expect(lambda: (told, len(app.rows())), ("copy", n), f"drop {n - 1} (hover {hover} s)", 5)
        app.session.stop(source)


@scenario("en")
def drop_before_its_answer(app):
    """A source that drops before the window has answered its last position and names no actions
    (as some file managers do), with a screen reader's client on the bus: the plan the window
    accepted while the drag hovered loads."""
    from xdndsource import XdndSource
    screen_reader_listening(app)
    app.launch()
    gx, gy, gw, gh = extents(app.find("table"))
    for n in range(2, 7):  # several drops: a window that races its source loses most, not all
        path = os.path.join(app.dir, f"plan{n}.ip")
        with open(path, "wb") as f:
            f.write(row_stream([DEFAULT_ROW] * n))
        source = XdndSource(app.env["DISPLAY"], path)
        try:
            statuses, finished = source.drag(app.xid, gx + gw // 2, gy + gh // 2)
        finally:
            source.close()
        app.expect(lambda: (statuses[:1], finished, len(app.rows())), ([True], True, n), f"drop {n - 1}", 5)


@scenario("en")
def full_disk(app):
    """A save onto a full disk says so and leaves the old file as it was."""
    if os.geteuid() != 0:
        return print("  skipped: mounting a small disk needs root")
    disk = os.path.join(app.dir, "disk")
    os.mkdir(disk)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", disk], check=True)
    app.cleanups.append(lambda: subprocess.run(["umount", disk]).returncode == 0
                        or subprocess.run(["umount", "-l", disk]))
    path, old = os.path.join(disk, "plan.ip"), b"the plan saved before, kept whatever happens"
    with open(path, "wb") as f:
        f.write(old)
    with open(os.path.join(disk, "filler"), "wb", buffering=0) as f:
        f.write(bytes(1 << 20))  # written only in part: the disk is full then
    app.launch()
    app.click(button(app, "save"))
    app.choose_file(path)
    try:  # without a message box, the old file is still to be checked
        answer_box(app, lambda texts: texts == ["Stream write error."] or (
            len(texts) == 1 and texts[0].startswith(f'Cannot create file "{path}". ')))
    except Failure as e:
        app.fail(str(e))
    wait_for(lambda: app.file_closed(path), "the program to let go of the file")
    with open(path, "rb") as f:
        app.expect(f.read(), old, "the old file")
    app.expect(sorted(os.listdir(disk)), ["filler", "plan.ip"], "files on the disk")
    app.expect(app.rows(), [DEFAULT_ROW], "rows after the failed save")


@scenario("en")
def killed(app):
    """Ended by SIGTERM or by SIGHUP at logout, after a file dialog, the program leaves nothing
    in its temporary folder or its home folder."""
    for sig in (signal.SIGTERM, signal.SIGHUP):
        temporaries = tempfile.mkdtemp(dir=app.dir)
        app.launch({"TMPDIR": temporaries})
        app.click(button(app, "save"))
        dialog = wait_for(lambda: next(iter(app.dialogs()), None), "the file dialog")
        app.key("Escape")
        wait_for(lambda: dialog not in app.dialogs(), "the file dialog to close")
        app.proc.send_signal(sig)
        wait_for(lambda: app.proc.poll() is not None, f"the program to end on {sig.name}")
        app.session.stop(app.proc)
        app.expect([os.path.join(d, n) for folder in (temporaries, app.home)
                    for d, folders, names in os.walk(folder) for n in folders + names], [],
                   f"what the program left after {sig.name}")


@scenario("en")
def file_size_limit(app):
    """Under prlimit --fsize=4096 a 4.5 KB save says so; the program, its rows and the old file stay."""
    path, big = os.path.join(app.dir, "plan.ip"), os.path.join(app.dir, "big.ip")
    old = row_stream([DEFAULT_ROW])
    with open(path, "wb") as f:
        f.write(old)
    with open(big, "wb") as f:
        f.write(row_stream([DEFAULT_ROW] * 40))  # few rows: each is a walk through the tree
    app.launch(prefix=["prlimit", "--fsize=4096", "--"])
    row_count = lambda: app.find("table").queryTable().nRows  # noqa: E731
    app.click(button(app, "load"))
    app.choose_file(big)
    app.expect(row_count, 40, "rows loaded")
    app.click(button(app, "save"))
    app.choose_file(path)
    answer_box(app, lambda texts: texts == ["Stream write error."])
    app.expect(app.proc.poll(), None, "the program, still running")
    app.expect(row_count(), 40, "rows after the failed save")
    wait_for(lambda: app.file_closed(path), "the program to let go of the file")
    with open(path, "rb") as f:
        app.expect(f.read(), old, "the old file")
    app.expect(sorted(os.listdir(app.dir)), ["big.ip", "plan.ip"], "files in the folder")


# ---- running -----------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("vantrel")
    parser.add_argument("--out", help="where failures leave screens and trees; by default the build"
                        " folder's tests/e2e, beside app/vantrel")
    parser.add_argument("--only", help="comma-separated scenario names")
    parser.add_argument("--lang", choices=sorted(LOCALES))
    parser.add_argument("--drag-source", help="the helper that drags a file onto the window")
    args = parser.parse_args()
    global DRAG_SOURCE
    DRAG_SOURCE = args.drag_source and os.path.abspath(args.drag_source)
    exe = os.path.abspath(args.vantrel)
    args.out = args.out or os.path.join(os.path.dirname(os.path.dirname(exe)), "tests", "e2e")
    names = [name for name, _, _ in SCENARIOS]
    only = set(args.only.split(",")) if args.only else set(names)
    if only - set(names):
        parser.error(f"no scenario {', '.join(sorted(only - set(names)))}; there are {', '.join(names)}")
    os.makedirs(args.out, exist_ok=True)
    for old in os.listdir(args.out):
        if old.endswith((".png", ".a11y.txt")):
            os.remove(os.path.join(args.out, old))

    sys.stdout.reconfigure(line_buffering=True)
    session, results = Session(tempfile.mkdtemp(prefix="vantrel-e2e-")), []
    try:
        session.up()
        for name, fn, langs in SCENARIOS:
            for lang in (lang for lang in langs if name in only and args.lang in (None, lang)):
                began = time.monotonic()
                app = App(session, exe, lang, os.path.join(args.out, f"{name}-{lang}"))
                results.append(app.run(fn))
                print(f"{'ok' if results[-1] else 'FAIL':4} {name} [{lang}] {time.monotonic() - began:.1f} s")
                for failure in app.failures:
                    print("     " + failure.replace("\n", "\n     "))
    finally:
        session.stop_all()
        for log in ("vantrel.log", "openbox.log", "at-spi.log"):
            if os.path.exists(os.path.join(session.workdir, log)):
                shutil.copy(os.path.join(session.workdir, log), args.out)
        shutil.rmtree(session.workdir, ignore_errors=True)
    if not all(results):
        print(f"screens and trees of the failures are in {args.out}")
    print(f"e2e: {results.count(True)} passed, {results.count(False)} failed")
    return 0 if results and all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
