#!/usr/bin/env python3
# The board as a screen reader finds it, through a real AT-SPI client.
#
# Run by ctest on a private X server and session bus: atspi_test.py GAME. It
# checks the 81 named cells (their givens read as a puzzle), that the focused
# cell follows the green frame and says so by an event (also when a box
# closes), that no cell is showing after a confirmed Give Up and that all come
# back with a new game, the board's going and coming told by events; then, with
# LANG German, the game's words and Qt's own buttons in German.
# Exits 77 (skipped) with the reason when the AT-SPI bus cannot run.
import os
import re
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
    from gi.repository import GLib  # events from the bus arrive through its main loop
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.childCount  # the registry first: a game started before it may never register
except Exception as error:
    print("skipped: the AT-SPI bus cannot start: %s" % error)
    sys.exit(77)


def wait_for(what, condition, seconds=10, must=True):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    assert not must, "timed out waiting: " + what


def find(node, roles, name):
    if node.getRoleName() in roles and re.fullmatch(name, node.name or ""):
        return node
    return next((f for f in (find(c, roles, name) for c in node if c) if f), None)


def key(keysym, control=False):
    pyatspi.Registry.generateKeyboardEvent(37, None, pyatspi.KEY_PRESS) if control else None
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(37, None, pyatspi.KEY_RELEASE) if control else None


def click(cell):
    box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")


def check(app):
    board = wait_for("the board", lambda: find(app, ["table"], "Board"))
    cells = [board.getChildAtIndex(i) for i in range(board.childCount)]
    assert len(cells) == 81 and board.getChildAtIndex(81) is None, len(cells)
    givens = []
    for i, cell in enumerate(cells):
        pattern = r"Row %d, column %d, ([1-9], given|[1-9]|empty)$" % (i // 9 + 1, i % 9 + 1)
        assert re.match(pattern, cell.name) and cell.getIndexInParent() == i and not cell.childCount, cell.name
        givens += [(i, cell.name.split(", ")[2])] if cell.name.endswith("given") else []
    # The givens read as a puzzle: no digit twice in a row, column or square, and
    # at least five in each square (a new player's level is Easy).
    for unit in (lambda i: i // 9, lambda i: i % 9, lambda i: i // 27 * 3 + i % 9 // 3):
        assert len(set((unit(i), d) for i, d in givens)) == len(givens), "a digit twice in a unit"
    assert min([i // 27 * 3 + i % 9 // 3 for i, _ in givens].count(s) for s in range(9)) >= 5

    def seen(expected):  # the board and every cell showing and visible, or neither
        return all(n.getState().contains(pyatspi.STATE_SHOWING) == expected and
                   n.getState().contains(pyatspi.STATE_VISIBLE) == expected for n in cells + [board])

    def focused():
        return [c.name for c in cells if c.getState().contains(pyatspi.STATE_FOCUSED)]

    assert seen(True)
    # A click on the centre cell gives the window the keyboard (there is no window
    # manager); again until it does, as the window may not be mapped yet.
    wait_for("the centre cell focused",
             lambda: click(cells[40]) or time.sleep(0.2) or focused() == [cells[40].name])
    # Speech follows events: the cell the frame moves to must say it has the focus,
    # and the board its going and coming.
    told, shown = [], []
    pyatspi.Registry.registerEventListener(
        lambda e: e.detail1 and told.append(e.source.name), "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(
        lambda e: e.source.name == "Board" and shown.append(e.detail1),
        "object:state-changed:showing")
    key(0xFF51)  # Left
    wait_for("the focus to follow the frame",
             lambda: focused() == [cells[39].name] and cells[39].name in told)
    told.clear()  # clock ticks move nothing: nothing to tell
    assert not wait_for("no event", lambda: told or shown, seconds=1.5, must=False), (told, shown)
    # The first cell is found under the pointer, and told, like any other.
    corner = cells[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    under = board.queryComponent().getAccessibleAtPoint(corner.x + 2, corner.y + 2,
                                                         pyatspi.DESKTOP_COORDS)
    assert under is not None and under.name == cells[0].name, under
    click(cells[0])
    wait_for("the focus to follow a click",
             lambda: focused() == [cells[0].name] and cells[0].name in told)

    def question():  # Give Up's question, once it has the keys
        key(ord("g"), control=True)
        wait_for("the Give Up question", lambda: next((w for w in app if w and w.name == "Give Up" and
                                                       w.getState().contains(pyatspi.STATE_ACTIVE)), None))

    # Answered No, the question hands the focus back to the cell and says so
    # at once, not with the next clock tick: opened just after a tick, it has
    # told before the next one is due.
    clock = find(app, ["label"], r"\d\d:\d\d")
    time_shown = clock.name
    wait_for("a clock tick", lambda: clock.name != time_shown)
    question()
    told.clear()
    escaped = time.monotonic()
    key(0xFF1B)  # Escape: No
    wait_for("the cell told after the question", lambda: cells[0].name in told)
    assert time.monotonic() - escaped < 0.5, "the cell told only with the next clock tick"
    shown.clear()
    question()  # and Return for Yes
    key(0xFF0D)
    wait_for("no cell showing, and told", lambda: seen(False) and shown == [0])
    assert not focused(), focused()
    key(ord("n"), control=True)  # the keyboard is back with the window after the box
    wait_for("every cell back, and told", lambda: seen(True) and shown == [0, 1])


def german(app):  # the game's words and Qt's own buttons, in one language
    wait_for("the German menus", lambda: find(app, ["menu item"], "Datei") and find(app, ["menu item"], "Hilfe"))
    board = wait_for("the board", lambda: find(app, ["table"], "Spielfeld"))
    assert board.getChildAtIndex(0).name.startswith("Zeile 1, Spalte 1, "), board.getChildAtIndex(0).name
    question = wait_for("the Give Up question", lambda: click(board.getChildAtIndex(40)) or
                        key(ord("g"), control=True) or find(app, ["dialog", "alert"], "Aufgeben"))
    buttons = ["push button", "button"]  # AT-SPI 2.46 and 2.56
    assert find(question, buttons, "Ja") and find(question, buttons, "Nein"), "not Qt's German buttons"


def play(language, body):
    config = tempfile.TemporaryDirectory()
    game = subprocess.Popen([sys.argv[1]], stderr=subprocess.DEVNULL, env=dict(
        os.environ, XDG_CONFIG_HOME=config.name, QT_QPA_PLATFORM="xcb",
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="", LC_ALL="", LC_MESSAGES="", LANG=language))
    try:
        app = wait_for("the game on the AT-SPI bus", lambda: next(
            (a for a in desktop if a and a.name == "Novemo"), None) or game.poll() is not None)
        assert app is not True, "the game exited with %d" % game.returncode
        return body(app)
    finally:
        game.terminate()
        game.wait()
        wait_for("the game gone", lambda: not any(a and a.name == "Novemo" for a in desktop))


try:
    play("C.UTF-8", check)
    play("de_DE.UTF-8", german)
    print("81 named cells; the focus follows the frame and is told, also as a box closes; hidden after Give Up;"
          " German words and buttons")
except Exception as error:  # dbus-run-session's error output is the daemon's noise
    print("failed: %s: %s" % (type(error).__name__, error))
    sys.exit(1)
