#!/usr/bin/python3
"""Walks the running game through AT-SPI, as a screen reader does.

    atspi_game.py PID X Y TREE-FILE

PID is the game's process, (X, Y) the screen position of the game window's field
origin, TREE-FILE where the game window's tree is written (role and name per node,
indented); the options, hall of fame and help trees go beside it, with "main" in its
name replaced by "options", "fame" and "help". Every wait looks again every 0.2 s
up to a limit; none waits on the clock alone. Exit status 0 on success, 1 with a
line on standard error on failure.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

BUTTONS = [
    "New game (Ctrl+N)",
    "Hall of fame (Ctrl+H)",
    "Help (F1)",
    "Options (Ctrl+Shift+,)",
    "Undo (Ctrl+Z)",
    "Minimise",
    "Load or save a game (Ctrl+O, Ctrl+S)",
    "Quit (Ctrl+Q)",
]

# The shell's start, so that both tell the time alike (milliseconds since the epoch).
T0 = int(os.environ.get("E2E_T0", time.time() * 1000)) / 1000


def step(text):
    print(f"[{time.time() - T0:5.1f}s] {text}", flush=True)


def fail(text):
    print(f"FAIL: {text}", file=sys.stderr, flush=True)
    sys.exit(1)


def wait_for(seconds, what, probe):
    """Calls probe until it returns something true, for at most `seconds`; while waiting
    the AT-SPI events that came in are dispatched."""
    end = time.monotonic() + seconds
    while True:
        try:
            got = probe()
        except GLib.Error:  # an object that went away while it was read
            got = None
        if got:
            return got
        if time.monotonic() > end:
            fail(f"timed out after {seconds} s waiting for {what}")
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        time.sleep(0.2)


def children(node):
    return [c for c in node if c is not None]


def walk(node):
    yield node
    for c in children(node):
        yield from walk(c)


def find(root, name, role=None):
    for node in walk(root):
        if node.name == name and (role is None or node.getRole() == role):
            return node
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def game_app(pid):
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None


def game_window(app):
    """The game window once it is on the screen: the frame holding the new game button."""
    for window in children(app):
        button = find(window, BUTTONS[0], pyatspi.ROLE_PUSH_BUTTON)
        if button is not None and showing(window):
            return window
    return None


def dump(root, path):
    lines, count = [], 0

    def visit(node, depth):
        nonlocal count
        count += 1
        line = f"{'  ' * depth}{node.getRoleName()} {node.name!r}"
        if node.description:
            line += f" ({node.description})"
        lines.append(line)
        for c in children(node):
            visit(c, depth + 1)

    visit(root, 0)
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + f"\n{count} nodes\n")
    return count


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not names:
        fail(f"{node.name!r} has no action")
    if not action.doAction(0):
        fail(f"{node.name!r} refused its action {names[0]!r}")


def click(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def check_buttons(window):
    for name in BUTTONS:
        button = find(window, name)
        if button is None:
            fail(f"no button named {name!r}")
        if button.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail(f"{name!r} is a {button.getRoleName()}, not a push button")
        extents = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if extents.width <= 0 or extents.height <= 0:
            fail(f"{name!r} has no extent on the screen")
    step("the eight buttons are there by name")


def check_new_game(window, fx, fy):
    field = find(window, "Field", pyatspi.ROLE_IMAGE)
    if field is None:
        fail("no image named Field")
    first = field.description
    step(f"the field says {first!r}")
    # The fourth top lane: its column holds bricks of the first set, so a brick leaves.
    click(fx + 195, fy + 45)
    wait_for(20, "the field to change after a launch", lambda: field.description not in (first, ""))
    step(f"after a launch the field says {field.description!r}")
    press(find(window, BUTTONS[0]))
    wait_for(20, "the new game's field", lambda: field.description == first)
    score = wait_for(10, "the score at zero", lambda: find(window, "Score: 0"))
    step(f"pressing new game through AT-SPI started a new game ({score.getRoleName()} {score.name!r})")


def check_announcement(window, fx, fy):
    heard = []

    def listener(event):
        if event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(listener, "object:state-changed:showing")

    # The left side's first lane: its row is empty in the first set, so the launch is
    # refused. Pressed again until the game has learnt that someone listens.
    def refused():
        if not heard:
            click(fx + 45, fy + 105)
        return "Launch refused" in heard

    wait_for(20, "the announcement of a refused launch", refused)
    pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:showing")
    step(f"a refused launch was announced: {heard[-1]!r}")


def open_over(app, window, button):
    """Presses a button of the game window through AT-SPI; the window it opens."""
    press(find(window, button))

    def opened():
        for w in children(app):
            if w != window and showing(w) and w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME):
                return w
        return None

    return wait_for(20, f"the window of {button!r}", opened)


def close(other, what):
    # Escape reaches the window once it has the keyboard, which under load may be after
    # it is shown: pressed until it closes (on the game window it does nothing).
    def closed():
        try:
            if not showing(other):
                return True
        except GLib.Error:  # gone altogether
            return True
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        return False

    wait_for(20, f"the {what} to close", closed)


def check_options(app, window, tree):
    options = open_over(app, window, BUTTONS[3])
    boxes = [n for n in walk(options) if n.getRole() in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON)]
    if not boxes:
        fail("the options window lists no check boxes or radio buttons")

    # Qt 6.4's bridge passes "checked" on but not "checkable".
    def checked(node):
        return node.getState().contains(pyatspi.STATE_CHECKED)

    radios = [b for b in boxes if b.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    if sum(checked(b) for b in radios) != 1:
        fail("not exactly one number of colours is checked")
    step(f"the options window's tree: {dump(options, tree)} nodes, in {tree}")
    step(f"the options window lists {len(boxes)} check boxes and radio buttons, "
         f"checked: {[b.name for b in boxes if checked(b)]}")
    # A check box's action toggles it, as a click does; the second press puts it back.
    switch = next(b for b in boxes if b.getRole() == pyatspi.ROLE_CHECK_BOX)
    was = checked(switch)
    for expected in (not was, was):
        press(switch)
        wait_for(20, f"{switch.name!r} to be {'checked' if expected else 'unchecked'}",
                 lambda: checked(switch) == expected)
    step(f"{switch.name!r} toggled through AT-SPI and back")
    close(options, "options window")


def check_fame_and_help(app, window, tree):
    fame = open_over(app, window, BUTTONS[1])
    lines = [n for n in walk(fame) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
    if len(lines) != 5:
        fail(f"the hall of fame lists {len(lines)} lines, not 5")
    path = tree.replace("main", "fame")
    step(f"the hall of fame's tree: {dump(fame, path)} nodes, in {path}; first line {lines[0].name!r}")
    close(fame, "hall of fame")
    helpw = open_over(app, window, BUTTONS[2])
    links = [n for n in walk(helpw) if n.getRole() == pyatspi.ROLE_LINK]
    if len(links) < 4:
        fail(f"the help window lists {len(links)} links")
    path = tree.replace("main", "help")
    step(f"the help window's tree: {dump(helpw, path)} nodes, in {path}; links {[l.name for l in links]}")
    close(helpw, "help window")


def main():
    pid, fx, fy, tree = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    app = wait_for(30, "the game on the accessibility bus", lambda: game_app(pid))
    step(f"found the application {app.name!r}")
    window = wait_for(30, "the game window", lambda: game_window(app))
    check_buttons(window)
    check_new_game(window, fx, fy)
    check_announcement(window, fx, fy)
    # Read when nothing moves, so that the tree is the same on every run.
    wait_for(20, "a field at rest", lambda: "moving" not in find(window, "Field").description)
    count = dump(window, tree)
    step(f"the game window's tree: {count} nodes, in {tree}")
    check_options(app, window, tree.replace("main", "options"))
    check_fame_and_help(app, window, tree)


if __name__ == "__main__":
    main()
