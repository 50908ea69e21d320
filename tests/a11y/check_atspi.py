"""Walks Rowsweep over the accessibility bus as a screen reader does.

    check_atspi.py PROGRAM OPENED_LOG

Starts PROGRAM, finds it on the desktop, presses buttons and links through
their actions and reads cells through their text, then ends the program
through "Exit". OPENED_LOG collects what the stand-in browser was asked
to open. Exits non-zero when any check fails.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

MAKER_ADDRESS = "https://www.example.org/"
GRIDS = {"Rowsweep": ["Matrix", "Result Matrix"],
         "Solving": ["Step 1", "Step 2", "Step 3", "Step 4", "Step 5", "Answer"]}
SAMPLE_ROW_1 = ["1", "-2", "3", "0", "4", "1"]

program, opened_log = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under the walk
            found = None
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"a11y: timed out waiting for {what}")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def named(root, name, role=None):
    return [n for n in walk(root) if n.name == name and (role is None or n.getRole() == role)]


def one(root, name, role=None):
    found = named(root, name, role)
    if len(found) != 1:
        raise LookupError(f"{len(found)} objects named {name!r}")
    return found[0]


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    if "press" not in names:
        raise LookupError(f"{node.name!r} has no press action, only {names}")
    actions.doAction(names.index("press"))


def read(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def opened():
    with open(opened_log, encoding="utf-8") as log:
        return log.read().splitlines()


proc = subprocess.Popen([program])
try:
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next(a for a in desktop if a is not None and a.get_process_id() == proc.pid),
                   "the program on the accessibility bus")
    app.set_cache_mask(pyatspi.Atspi.Cache.NONE)  # windows come and go; always ask the program

    def window(title, role=pyatspi.ROLE_FRAME):
        return wait_for(lambda: next((w for w in app if w.name == title and w.getRole() == role), None),
                        f"the window {title!r} ({role})")

    main = window("Rowsweep")
    check(main.getRole() == pyatspi.ROLE_FRAME, "the main window is a frame")

    # The picture opens the maker's page once, as its click does.
    picture = one(main, "Maker's web page")
    check("opens " + MAKER_ADDRESS in picture.description.lower(), "the picture says which page it opens")
    press(picture)
    wait_for(opened, "the picture to open the maker's page")
    time.sleep(0.5)
    check(opened() == [MAKER_ADDRESS], "pressing the picture opens the maker's page once")

    press(one(main, "Watch on a solving", pyatspi.ROLE_PUSH_BUTTON))
    solving = window("Solving")
    check(solving.getRole() == pyatspi.ROLE_FRAME, "the Solving window is a frame")

    # 144 cells, each named by its grid and its place; no stray object
    # carries a frame's caption.
    cells = {}
    for win in (main, solving):
        for node in walk(win):
            if re.fullmatch(r".+, row \d, column \d", node.name or ""):
                cells[node.name] = node
    expected = {f"{grid}, row {r}, column {c}" for grids in GRIDS.values() for grid in grids
                for r in range(1, 4) for c in range(1, 7)}
    check(set(cells) == expected, "the 144 cells carry their names")
    check(all(cell.getRole() == pyatspi.ROLE_TEXT for cell in cells.values()), "every cell is a text")
    for title, grids in GRIDS.items():
        root = main if title == "Rowsweep" else solving
        for grid in grids:
            check(len(named(root, grid)) == 1, f"only the frame is named {grid!r}")

    # Cell values are read as a screen reader reads them.
    press(one(main, "Sample", pyatspi.ROLE_PUSH_BUTTON))
    wait_for(lambda: read(cells["Matrix, row 1, column 6"]) == "1", "the sample")
    check([read(cells[f"Matrix, row 1, column {c}"]) for c in range(1, 7)] == SAMPLE_ROW_1,
          "the sample's first row reads back")
    press(one(main, "Solve", pyatspi.ROLE_PUSH_BUTTON))
    wait_for(lambda: read(cells["Answer, row 1, column 1"]) == "1", "the answer")
    result = [read(cells[f"Result Matrix, row {r}, column {c}"]) for r in range(1, 4) for c in range(1, 7)]
    answer = [read(cells[f"Answer, row {r}, column {c}"]) for r in range(1, 4) for c in range(1, 7)]
    check(result == answer and result[0:13:6] == ["1", "0", "0"], "the result reads back in both windows")

    # The About window: a modal dialog whose focused text box has a name.
    press(one(main, "About", pyatspi.ROLE_PUSH_BUTTON))
    about = window("About", pyatspi.ROLE_DIALOG)
    check(about.getState().contains(pyatspi.STATE_MODAL), "the About window is modal while shown")
    text = one(about, "About Rowsweep")
    check(text.getRole() == pyatspi.ROLE_TEXT and text.childCount == 0, "the About text has no helper parts")
    check(read(text).startswith("Rowsweep v 1.2"), "the About text reads back")
    press(one(about, "Maker's web page"))
    wait_for(lambda: len(opened()) == 2, "the About link to open the maker's page")
    press(picture)  # the main window takes no input meanwhile
    time.sleep(0.5)
    check(opened() == [MAKER_ADDRESS] * 2, "the About link opens the page once; the blocked picture not at all")
    press(one(about, "Ok", pyatspi.ROLE_PUSH_BUTTON))
    wait_for(lambda: not about.getState().contains(pyatspi.STATE_SHOWING), "the About window to hide")
    check(not about.getState().contains(pyatspi.STATE_MODAL), "the hidden About window is not modal")

    # The Math error box stays an alert and its icon is named.
    cells["Matrix, row 3, column 6"].queryEditableText().setTextContents("5")
    press(one(main, "Solve", pyatspi.ROLE_PUSH_BUTTON))
    alert = window("Math error", pyatspi.ROLE_ALERT)
    check(not [n for n in walk(alert) if n.getRole() == pyatspi.ROLE_IMAGE and not n.name],
          "the Math error box has no unnamed image")
    press(one(alert, "OK", pyatspi.ROLE_PUSH_BUTTON))

    press(one(main, "Exit", pyatspi.ROLE_PUSH_BUTTON))
    press(one(window("Exit", pyatspi.ROLE_ALERT), "OK", pyatspi.ROLE_PUSH_BUTTON))
    check(proc.wait(timeout=20) == 0, "the program ends cleanly through Exit")
finally:
    if proc.poll() is None:
        proc.kill()
        proc.wait()

if failures:
    sys.exit(f"a11y: {len(failures)} checks failed")
