#!/usr/bin/python3
"""Runs the end-to-end scenarios against the built program.

    run.py VANTREL [--out DIR] [--only NAME[,NAME...]] [--lang en|de|ru]

Each scenario runs once per locale it lists, each time in a fresh run of the
program. A failing one leaves NAME-LANG.png (the screen) and NAME-LANG.a11y.txt
(the accessibility tree) in DIR."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Failure  # noqa: E402

LOCALES = {"en": "en_US.UTF-8", "de": "de_DE.UTF-8", "ru": "ru_RU.UTF-8"}
SCENARIOS = []


def scenario(*langs):
    def register(fn):
        SCENARIOS.append((fn.__name__, fn, langs))
        return fn
    return register


class Context:
    """What a scenario works with: the session, its locale, a scratch folder,
    and the checks that failed so far (a scenario goes on after a wrong text
    so that one run shows every fault it meets)."""

    def __init__(self, session, exe, lang, scratch, artifacts):
        self.session, self.exe, self.lang, self.dir = session, exe, lang, scratch
        self.artifacts = artifacts  # path and name, without the extension
        self.sep = "." if lang == "en" else ","
        self.failures = []
        self.apps = []
        self.cleanups = []  # run after the program has stopped, also on failure

    def start(self, extra_env=None):
        app = harness.App(self.session, self.exe, LOCALES[self.lang], extra_env)
        self.apps.append(app)
        return app

    def num(self, text):
        """A number as the locale writes it."""
        return text.replace(".", self.sep)

    def fail(self, message):
        # The screen and the tree as they are at the first fault.
        if not self.failures:
            self.session.screenshot(self.artifacts + ".png")
            with open(self.artifacts + ".a11y.txt", "w") as f:
                for app in self.apps:
                    harness.dump(app.acc, f)
        self.failures.append(message)

    def expect(self, actual, expected, what):
        if actual != expected:
            self.fail(f"{what}: expected {expected!r}, got {actual!r}")

    def expect_soon(self, get, expected, what, timeout=2):
        """Waits for a shown value to become the expected one."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                actual = get()
            except Exception as e:
                actual = f"<{e}>"
            if actual == expected or time.monotonic() > deadline:
                return self.expect(actual, expected, what)
            time.sleep(0.05)

    def soft(self, fn, *args):
        """Runs a step whose failure should not stop the scenario."""
        try:
            return fn(*args)
        except Failure as e:
            self.fail(str(e))


# ---- what the program writes -----------------------------------------------

def row_stream(rows):
    """The bytes of a saved plan: marker, row count, then each row's fixed
    header and its length-prefixed cell texts."""
    import struct
    out = struct.pack("<ii", -1, len(rows))
    for row in rows:
        out += struct.pack("<iiiiiii", 24, 0, -1, -1, 0, 0, len(row))
        for text in row:
            b = text.encode()
            out += struct.pack("<i", len(b)) + b
    return out


def default_plan(sep):
    """The plan saved right after start: one default row, 121 bytes, its
    numbers written with the locale's separator."""
    data = (b"\xff\xff\xff\xff\x01\x00\x00\x00\x18\x00\x00\x00\x00\x00\x00\x00"
            b"\xff\xff\xff\xff\xff\xff\xff\xff\x00\x00\x00\x00\x00\x00\x00\x00"
            b"\x08\x00\x00\x00\x0d\x00\x00\x00640x480 (VGA)\x10\x00\x00\x00MJPG-Medium (20)"
            b"\x02\x00\x00\x0046\x02\x00\x00\x0010\x01\x00\x00\x001\x01\x00\x00\x001"
            b"\x04\x00\x00\x003.68\x0e\x00\x00\x0037.90283203125")
    assert len(data) == 121
    return data.replace(b".", sep.encode())


DEFAULT_ROW = ["640x480 (VGA)", "MJPG-Medium (20)", "46", "10", "1", "1",
               "3.68", "37.90283203125"]
TABS = {"en": ["Bandwidth & Disk Space", "Lens & Angle", "?"],
        "ru": ["Трафик и Объем диска", "Объектив и угол обзора", "?"]}
BUTTONS = {"en": {"add": "Add new type", "remove": "Remove", "save": "Save", "load": "Load"},
           "ru": {"add": "Добавить", "remove": "Удалить", "save": "Сохранить", "load": "Загрузить"}}


def captions(table, lang):
    return table.get(lang, table["en"])


def button(ctx, app, which):
    return app.find("push button", captions(BUTTONS, ctx.lang)[which], root=app.window)


def save_as(ctx, app, path):
    app.click(button(ctx, app, "save"))
    app.choose_file(path)


def load_from(ctx, app, path):
    app.click(button(ctx, app, "load"))
    app.choose_file(path)


def wait_saved(app, path):
    harness.wait_for(lambda: app.file_closed(path), f"{path} to be written and closed")
    with open(path, "rb") as f:
        return f.read()


def focused_cells(app):
    """The grid's current cell, on the planner tab as it shows."""
    grids = app.find_all("table", root=app.window)
    if not grids:
        return "the planner tab hidden"
    table = grids[0].queryTable()
    return [(r, c) for r in range(table.nRows) for c in range(table.nColumns)
            if harness.has_state(table.getAccessibleAt(r, c), "focused")]


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(d, n), folder)
                  for d, _, names in os.walk(folder) for n in names)


# ---- scenarios ---------------------------------------------------------------

@scenario("en", "de", "ru")
def start(ctx):
    """The first screen in the locale's numbers, a save through the real
    dialog, and nothing left behind in the user's folders."""
    app = ctx.start()
    ctx.expect(app.window.name, "Vantrel", "window title")
    ctx.expect([t.name for t in app.find_all("page tab", root=app.window)],
               captions(TABS, ctx.lang), "tab captions")
    ctx.expect(app.rows(), [[ctx.num(c) for c in DEFAULT_ROW]], "the default row")
    ctx.expect(app.totals(), ["10", ctx.num("3.68"), ctx.num("37.90283203125")], "totals")
    ctx.expect(harness.extents(app.page())[2:], (704, 478), "size of the tab page")
    # The grid comes first in the tab order, so it takes the keyboard at
    # start: Right moves to the next cell (in the tab bar it would switch tabs).
    app.key("Right")
    ctx.expect_soon(lambda: focused_cells(app), [(0, 1)], "current cell after Right at start")
    app.click(app.find_all("page tab", root=app.window)[0])

    path = os.path.join(ctx.dir, "plan")
    save_as(ctx, app, path)
    ctx.expect(wait_saved(app, path + ".ip"), default_plan(ctx.sep), "saved bytes")
    ctx.expect(app.close(), 0, "exit status after closing the window")
    ctx.expect(files_under(app.home), [], "files the program left in its home folder")


@scenario("en", "de")
def grid_typing(ctx):
    """Frame size, FPS, days and cameras typed from the keyboard, cell to cell
    with Tab."""
    app = ctx.start()
    app.click(app.grid().queryTable().getAccessibleAt(0, 2))
    app.key("ctrl+a")
    app.type("12")
    for value in ("15", "7", "4"):
        app.key("Tab")
        app.type(value)
    app.key("Tab")
    row = ["?", "?", "12", "15", "7", "4", ctx.num("5.76"), ctx.num("415.283203125")]
    ctx.expect_soon(app.rows, [row], "the typed row")
    ctx.expect(app.totals(), ["60", row[6], row[7]], "totals")
    path = os.path.join(ctx.dir, "typed.ip")
    save_as(ctx, app, path)
    ctx.expect(wait_saved(app, path), row_stream([row]), "saved bytes")


def open_pick_list(app, row, col):
    cell = app.grid().queryTable().getAccessibleAt(row, col)
    app.click(cell)
    x, y, w, h = harness.extents(cell)
    app.click_at(x + w - 6, y + h // 2)  # the editor's arrow
    harness.wait_for(app.popups, "the pick list to open")


@scenario("en")
def pick_list_outside_click(ctx):
    """An open pick list closes on a click outside it, the click after that
    works, and the editor's arrow toggles the list."""
    app = ctx.start()
    open_pick_list(app, 0, 0)
    gx, gy, gw, gh = harness.extents(app.grid())
    app.click_at(gx + gw // 2, gy + gh - 40)  # an empty part of the grid
    harness.wait_for(lambda: not app.popups(), "the pick list to close on a click outside it", 3)
    app.click(button(ctx, app, "add"))
    harness.wait_for(lambda: len(app.rows()) == 2, "the next click to add a row", 3)
    ctx.expect(app.rows()[0], DEFAULT_ROW, "the first row, nothing picked")

    open_pick_list(app, 1, 1)
    x, y, w, h = harness.extents(app.grid().queryTable().getAccessibleAt(1, 1))
    app.click_at(x + w - 6, y + h // 2)
    harness.wait_for(lambda: not app.popups(), "the arrow to close the list again", 3)


@scenario("en", "ru")
def pick_values(ctx):
    """Picking 3 MP and then RAW recomputes the row."""
    app = ctx.start()
    open_pick_list(app, 0, 0)
    app.type("2048")
    app.key("Return")
    harness.wait_for(lambda: not app.popups(), "the list to close on Return")
    open_pick_list(app, 0, 1)
    app.type("RAW")
    app.key("Return")
    harness.wait_for(lambda: not app.popups(), "the list to close on Return")
    ctx.expect_soon(lambda: [app.rows()[0][i] for i in (0, 1, 2, 6, 7)],
                    ["2048x1536 (3 MP)", "RAW Data (no compr.)", "9217",
                     ctx.num("737.36"), ctx.num("7594.57397460938")], "the picked row")


@scenario("en")
def hover(ctx):
    """The cell under the mouse is highlighted."""
    app = ctx.start()
    app.click(button(ctx, app, "add"))  # row 0 is then neither focused nor marked
    harness.wait_for(lambda: len(app.rows()) == 2, "a second row")
    x, y, w, h = harness.extents(app.grid().queryTable().getAccessibleAt(0, 4))
    spot = (x + w - 4, y + h // 2)  # right of the cell's text
    before = ctx.session.pixel(*spot)
    app.session.xdotool("mousemove", spot[0], spot[1])
    ctx.soft(harness.wait_for, lambda: ctx.session.pixel(*spot) != before,
             f"the cell under the mouse to change colour from {before}", 2)


@scenario("en")
def truncated_load(ctx):
    """A cut file is refused with the read error; the rows stay and the
    program goes on answering."""
    path = os.path.join(ctx.dir, "cut.ip")
    with open(path, "wb") as f:
        f.write(default_plan(".")[:70])
    app = ctx.start()
    load_from(ctx, app, path)
    box, texts = app.message_box()
    ctx.expect(box.name, "Vantrel", "caption of the message box")
    ctx.expect(texts, ["Stream read error."], "text of the message box")
    app.click(app.find("push button", "OK", root=box))
    harness.wait_for(lambda: box not in app.dialogs(), "the message box to close")
    ctx.expect(app.rows(), [DEFAULT_ROW], "rows after the failed load")
    app.click(button(ctx, app, "add"))
    ctx.expect_soon(lambda: len(app.rows()), 2, "rows after Add")


@scenario("en")
def fifo_load(ctx):
    """Loading a named pipe is refused at once instead of freezing."""
    path = os.path.join(ctx.dir, "pipe.ip")
    os.mkfifo(path)
    app = ctx.start()
    load_from(ctx, app, path)
    box, texts = app.message_box(timeout=5)
    prefix = f'Cannot open file "{path}". '
    ctx.expect([t.startswith(prefix) and len(t) > len(prefix) + 1 for t in texts], [True],
               f"text of the message box {texts!r}")
    app.click(app.find("push button", "OK", root=box))
    ctx.expect_soon(lambda: app.rows(), [DEFAULT_ROW], "rows after the refused load")


class LensTab:
    """The lens tab's fields, found by kind and design position (the
    captions change with the language, the positions do not)."""

    def __init__(self, app):
        self.app = app
        app.click(app.find_all("page tab", root=app.window)[1])
        harness.wait_for(lambda: app.find_all("spin button", root=app.page()), "the lens tab to show")
        at = app.at_page_points({
            "angle": ("spin button", 16, 200, False), "focal": ("text", 16, 248, False),
            "scale": ("combo box", 16, 312, False), "cam_height": ("combo box", 16, 56, False),
            "distance": ("combo box", 288, 10, False), "width": ("combo box", 522, 192, True)})
        self.angle, self.focal, self.width_box = at["angle"], at["focal"], at["width"]
        self.scale, self.cam_height, self.distance = (
            self.edit_of(at[k]) for k in ("scale", "cam_height", "distance"))
        self.width = self.edit_of(self.width_box)

    def edit_of(self, combo):
        return next(c for c in harness.children(combo) if c.getRoleName() == "text")

    def values(self):
        return [harness.text_of(f) for f in (self.angle, self.focal, self.width)]

    def enter(self, field, text):
        self.app.click(field)
        harness.wait_for(lambda: harness.has_state(field, "focused"), "the field to take the focus")
        self.app.key("ctrl+a")
        self.app.type(text)

    def leave_to(self, field):
        """Clicks into another field; once it has the focus, the one left has
        run whatever leaving it runs."""
        self.app.click(field)
        harness.wait_for(lambda: harness.has_state(field, "focused"), "the next field to take the focus")


@scenario("en", "de", "ru")
def lens(ctx):
    """Angle to focal length and width, width to angle, in the locale's
    numbers; a width of two digits can be typed; a distance of 0."""
    app = ctx.start()
    lens = LensTab(app)
    ctx.expect(lens.values(), ["28", "6", "10"], "lens fields at start")
    lens.enter(lens.angle, "45")
    ctx.expect_soon(lens.values, ["45", ctx.num("3.9"), ctx.num("16.6")], "angle 45")

    # While the user types, the angle follows; the width is written from the
    # angle only when the field is left.
    lens.enter(lens.width, "25")
    ctx.expect_soon(lens.values, ["64", ctx.num("2.6"), "25"], "width 25 typed")
    app.key("Tab")
    ctx.expect_soon(lens.values, ["64", ctx.num("2.6"), "25"], "width 25 typed, then Tab")
    lens.leave_to(lens.scale)
    ctx.expect(lens.values(), ["64", ctx.num("2.6"), "25"], "after leaving for the scale")

    lens.enter(lens.distance, "0")
    ctx.expect_soon(lens.values, ["64", ctx.num("2.6"), ""], "distance 0")
    lens.enter(lens.width, "30")
    ctx.expect_soon(lens.values, ["64", ctx.num("2.6"), "30"], "width typed at distance 0")


@scenario("en")
def lens_leave_combo(ctx):
    """Leaving a combo box, or pressing Enter in it, runs nothing."""
    app = ctx.start()
    lens = LensTab(app)
    lens.enter(lens.distance, "12.5")
    app.click(lens.width_box, dx=harness.extents(lens.width_box)[2] - 6)  # its arrow
    harness.wait_for(lambda: harness.has_state(lens.width_box, "expanded"), "the width list to open")
    app.key("Down", "Return")  # from "10" to the next item, "12"
    ctx.expect_soon(lens.values, ["51", "3.4", "1"], "width 12 picked at distance 12.5")
    lens.leave_to(lens.cam_height)
    ctx.expect(lens.values(), ["51", "3.4", "1"], "after leaving the width for the camera height")
    lens.leave_to(lens.width)
    app.key("Return")
    lens.leave_to(lens.scale)
    ctx.expect(lens.values(), ["51", "3.4", "1"], "after Enter in the width")


RU_CAPTIONS = {
    "headers": ["Разрешение", "Видеосжатие", "Размер кадра,Kб", "FPS", "Суток", "Камер",
                "Трафик,Мб/с", "Объем,Гб"],
    "planner": ["Сум.FPS", "Трафик,Мбит/с", "Сум.объем,Гб", "ИТОГО:"],
    "lens": ["Высота камеры", "Угол камеры", "Размер матрицы камеры", "Угол обзора(в градусах)",
             "Фокусное расстояние(мм)", "Масштаб", "Расстояние до объекта", "Высота объекта",
             "Ширина"],
}


@scenario("ru")
def russian(ctx):
    """Russian captions on all three tabs; the buttons carry no accelerators,
    so Save is reached by clicking; the lens captions stay clear of the
    diagram."""
    app = ctx.start()
    def names(role):
        return [a.name for a in app.find_all(role, root=app.page())]
    ctx.expect(names("table column header"), RU_CAPTIONS["headers"], "grid headers")
    ctx.expect(sorted(names("push button")), sorted(BUTTONS["ru"].values()), "buttons")
    def labels():
        return {label.name: label for label in app.find_all("label", root=app.page())}
    ctx.expect([c for c in RU_CAPTIONS["planner"] if c not in labels()], [],
               "planner captions missing")
    ctx.expect([b.queryAction().getKeyBinding(0) for b in app.find_all("push button", root=app.page())],
               ["", "", "", ""], "keyboard accelerators of the buttons")

    LensTab(app)
    page_x = harness.extents(app.page())[0]
    shown = labels()
    ctx.expect([c for c in RU_CAPTIONS["lens"] if c not in shown], [], "lens captions missing")
    for caption in RU_CAPTIONS["lens"][:6]:  # the column left of the diagram
        if caption in shown:
            x, _, w, _ = harness.extents(shown[caption])
            ctx.expect(x + w <= page_x + 160, True, f"{caption!r} ends left of the diagram")

    app.click(app.find_all("page tab", root=app.window)[2])
    ctx.expect_soon(lambda: any(l.name.startswith("версия ") for l in app.find_all(
        "label", root=app.page())), True, "the version label in Russian")

    app.click(app.find_all("page tab", root=app.window)[0])
    harness.wait_for(lambda: app.find_all("table", root=app.page()), "the planner tab to show")
    path = os.path.join(ctx.dir, "plan-ru.ip")
    save_as(ctx, app, path)
    ctx.expect(wait_saved(app, path), default_plan(","), "saved bytes")


@scenario("en")
def full_disk(ctx):
    """A save onto a full disk says so and leaves the old file as it was."""
    if os.geteuid() != 0:
        print("  skipped: mounting a small disk needs root")
        return
    disk = os.path.join(ctx.dir, "disk")
    os.mkdir(disk)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", disk], check=True)
    ctx.cleanups.append(lambda: subprocess.run(["umount", disk]).returncode == 0
                        or subprocess.run(["umount", "-l", disk]))
    path = os.path.join(disk, "plan.ip")
    old = b"the plan saved before, kept whatever happens"
    with open(path, "wb") as f:
        f.write(old)
    with open(os.path.join(disk, "filler"), "wb", buffering=0) as f:
        try:
            while True:
                f.write(b"\0" * 4096)
        except OSError:
            pass
    app = ctx.start()
    save_as(ctx, app, path)
    found = ctx.soft(app.message_box, 5)
    if found:
        box, texts = found
        ok = texts == ["Stream write error."] or (
            len(texts) == 1 and texts[0].startswith(f'Cannot create file "{path}". '))
        ctx.expect(ok, True, f"text of the message box {texts!r}")
        app.click(app.find("push button", "OK", root=box))
    harness.wait_for(lambda: app.file_closed(path), "the program to let go of the file")
    with open(path, "rb") as f:
        ctx.expect(f.read(), old, "the old file")
    ctx.expect(sorted(os.listdir(disk)), ["filler", "plan.ip"], "files on the disk")
    ctx.expect(app.rows(), [DEFAULT_ROW], "rows after the failed save")


@scenario("en")
def small_screen(ctx):
    """On a 1366 x 768 screen scaled by 1.25 the whole window is visible."""
    app = ctx.start({"QT_SCALE_FACTOR": "1.25"})
    x, y, w, h = app.frame_geometry()
    ctx.expect((x >= 0, y >= 0, x + w <= harness.SCREEN[0], y + h <= harness.SCREEN[1]),
               (True, True, True, True), f"window frame {w}x{h}+{x}+{y} inside the screen")


# ---- running -----------------------------------------------------------------

def run_one(session, exe, name, fn, lang, out):
    scratch = tempfile.mkdtemp(prefix=f"{name}-{lang}-", dir=session.workdir)
    ctx = Context(session, exe, lang, scratch, os.path.join(out, f"{name}-{lang}"))
    started = time.monotonic()
    try:
        try:
            fn(ctx)
        except Failure as e:
            ctx.fail(str(e))
        except Exception:
            ctx.fail(traceback.format_exc())
    finally:
        for app in ctx.apps:
            app.stop()
        for cleanup in ctx.cleanups:
            cleanup()
    print(f"{'FAIL' if ctx.failures else 'ok':4} {name} [{lang}] {time.monotonic() - started:.1f} s",
          flush=True)
    for failure in ctx.failures:
        print("     " + failure.replace("\n", "\n     "), flush=True)
    return not ctx.failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("vantrel")
    parser.add_argument("--out", default=os.path.join(os.getcwd(), "e2e-results"))
    parser.add_argument("--only", help="comma-separated scenario names")
    parser.add_argument("--lang", choices=sorted(LOCALES))
    args = parser.parse_args()
    only = set(args.only.split(",")) if args.only else None
    unknown = (only or set()) - {name for name, _, _ in SCENARIOS}
    if unknown:
        parser.error(f"no scenario {', '.join(sorted(unknown))}; there are "
                     + ", ".join(name for name, _, _ in SCENARIOS))
    os.makedirs(args.out, exist_ok=True)
    for old in os.listdir(args.out):
        if old.endswith((".png", ".a11y.txt")):
            os.remove(os.path.join(args.out, old))

    exe = os.path.abspath(args.vantrel)
    workdir = tempfile.mkdtemp(prefix="vantrel-e2e-")
    results = []
    try:
        with harness.Session(workdir) as session:
            for name, fn, langs in SCENARIOS:
                if only and name not in only:
                    continue
                for lang in langs:
                    if args.lang and lang != args.lang:
                        continue
                    results.append(run_one(session, exe, name, fn, lang, args.out))
    finally:
        for log in ("vantrel.log", "openbox.log", "at-spi.log"):
            if os.path.exists(os.path.join(workdir, log)):
                shutil.copy(os.path.join(workdir, log), args.out)
        shutil.rmtree(workdir, ignore_errors=True)
    failed = results.count(False)
    print(f"{len(results) - failed} of {len(results)} scenario runs passed; "
          f"screens and trees of failures in {args.out}")
    return 1 if failed or not results else 0


if __name__ == "__main__":
    sys.exit(main())
