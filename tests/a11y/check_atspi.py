"""Walks Rowsweep over the accessibility bus as a screen reader does.

    check_atspi.py PROGRAM OPENED_LOG

Starts PROGRAM, finds it on the desktop, presses buttons and links through
their actions, then ends it through "Exit". OPENED_LOG collects what the
stand-in browser was asked to open. Exits non-zero when a check fails.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MAKER_ADDRESS = "https://www.example.org/"
FRAMES = ["Matrix", "Result Matrix", "Step 1", "Step 2", "Step 3", "Step 4", "Step 5", "Answer"]

program, opened_log = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # Lets the client library take in the bus's news (applications and
        # windows that came or went) before the next look.
        while GLib.MainContext.default().iteration(False):
            pass
        if proc.poll() is not None:
            sys.exit(f"a11y: the program ended with status {proc.returncode} while waiting for {what}")
        try:
            found = find()
        except Exception:  # the tree changed under the walk
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


def named(root, name):
    return [node for node in walk(root) if node.name == name]


def one(root, name):
    found = named(root, name)
    if len(found) != 1:
        raise LookupError(f"{len(found)} objects named {name!r}")
    return found[0]


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    if "press" not in names:
        raise LookupError(f"{node.name!r} has no press action, only {names}")
    actions.doAction(names.index("press"))


def opened():
    with open(opened_log, encoding="utf-8") as log:
        return log.read().splitlines()


proc = subprocess.Popen([program])
try:
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next(a for a in desktop if a is not None and a.get_process_id() == proc.pid),
                   "the program on the accessibility bus")
    app.set_cache_mask(pyatspi.Atspi.Cache.NONE)  # windows come and go; always ask the program

    def window(title, role):
        return wait_for(lambda: next(w for w in app if w.name == title and w.getRole() == role),
                        f"a window {title!r} with the role {role}")

    main = window("Rowsweep", pyatspi.ROLE_FRAME)
    check(not [node for node in walk(main) if node.getRole() == pyatspi.ROLE_LINK and not node.name],
          "no unnamed link before a Solve")
    picture = one(main, "Maker's web page")
    press(picture)
    wait_for(opened, "the picture to open the maker's page")
    time.sleep(0.5)
    check(opened() == [MAKER_ADDRESS], "pressing the picture opens the maker's page once")

    press(one(main, "Watch on a solving"))
    solving = window("Solving", pyatspi.ROLE_FRAME)
    nodes = list(walk(main)) + list(walk(solving))
    cells = {node.name for node in nodes if re.fullmatch(r".+, row \d, column \d", node.name or "")}
    check(cells == {f"{frame}, row {r}, column {c}" for frame in FRAMES for r in range(1, 4) for c in range(1, 7)},
          "the 144 cells carry their names")
    for frame in FRAMES:
        check(len(named(main, frame) + named(solving, frame)) == 1, f"only the frame is named {frame!r}")

    press(one(main, "Sample"))
    press(one(main, "Solve"))
    verdict = wait_for(lambda: one(main, "Infinitely many solutions: x3, x4, x5 free"), "the verdict line")
    check(verdict.getRole() == pyatspi.ROLE_LINK, "the verdict line is a link once it holds a verdict")

    press(one(main, "About"))
    about = window("About", pyatspi.ROLE_DIALOG)
    check(about.getState().contains(pyatspi.STATE_MODAL), "the About window is modal while shown")
    text = one(about, "About Rowsweep")
    check(text.getRole() == pyatspi.ROLE_TEXT and text.childCount == 0, "the About text is named, without helper parts")
    press(one(about, "Maker's web page"))
    wait_for(lambda: len(opened()) == 2, "the About link to open the maker's page")
    time.sleep(0.5)
    check(opened() == [MAKER_ADDRESS] * 2, "pressing the About link opens the maker's page once")
    press(one(about, "Ok"))
    wait_for(lambda: not about.getState().contains(pyatspi.STATE_SHOWING), "the About window to hide")

    # Through the alert that asks, to an exit without a sanitizer's report.
    press(one(main, "Exit"))
    press(one(window("Exit", pyatspi.ROLE_ALERT), "OK"))
    check(proc.wait(timeout=20) == 0, "the program ends cleanly through Exit")
finally:
    if proc.poll() is None:
        proc.kill()
        proc.wait()

if failures:
    sys.exit(f"a11y: {len(failures)} checks failed")
