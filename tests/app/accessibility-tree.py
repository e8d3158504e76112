#!/usr/bin/python3
"""Starts the real program with Qt's accessibility bridge on, walks its accessibility tree over
AT-SPI and fails on any showing control that a user can focus or act on but that has no name.
It also checks the roles and values that screen readers rely on: the colour sliders are sliders
from 0 to 255, the palette swatches are named "Swatch N" with their colour described, and the
colour grid's style menu, opened by a cell's press action, is in the tree with its items while
it is open, and the history of picks (Ctrl+H) is a list whose items name their colours.
Usage: accessibility-tree.py <path to Spectrivue>   (on an X display and a D-Bus session bus)
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

NAMED_ROLES = {"push button", "toggle button", "text", "slider", "combo box", "check box",
               "radio button", "menu item", "spin button", "entry", "list item"}


def find_app(name, timeout):
    end = time.time() + timeout
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def actions(node):
    action = node.get_action_iface()
    return action.get_n_actions() if action is not None else 0


def showing(app, predicate):
    return [n for n in walk(app)
            if n.get_state_set().contains(Atspi.StateType.SHOWING) and predicate(n)]


def wait_for(app, predicate, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        found = showing(app, predicate)
        if found:
            return found
        time.sleep(0.2)
    return []


def press(node):
    action = node.get_action_iface()
    for i in range(action.get_n_actions()):
        if action.get_action_name(i) == "Press":
            action.do_action(i)
            return True
    return False


def style_menu_failures(app):
    """Opens the colour grid from its button and the style menu from a cell's press action."""
    buttons = showing(app, lambda n: n.get_role_name() == "push button"
                      and "Big Color Grid" in (n.get_name() or ""))
    if not buttons or not press(buttons[0]):
        return ["no colour grid button to press"]
    cells = wait_for(app, lambda n: n.get_name() == "Cell 1")
    if not cells or not press(cells[0]):
        return ["the colour grid shows no pressable Cell 1"]
    menus = wait_for(app, lambda n: n.get_role_name() in ("popup menu", "menu"))
    if not menus:
        return ["the style menu is not in the tree while open"]
    items = [n.get_name() for n in walk(menus[0]) if n.get_role_name() == "menu item"]
    # Five style rules, then the simulation choices.
    if len(items) < 5 or not all(items[:5]) or "Simulate" not in items[5:]:
        return ["the style menu's items: %s" % items]
    print("style menu items: %s" % ", ".join(items))
    return []


def title_bar_failures(app):
    """Each title-bar picture is one control with its action; the shadowed title is read once."""
    failures = []
    for name, roles in (("Close Spectrivue", ("push button",)),
                        ("Minimize Spectrivue", ("push button",)),
                        ("Spectrivue web page", ("push button",)),
                        ("On Top", ("check box", "toggle button"))):
        found = showing(app, lambda n, name=name: (n.get_name() or "").strip() == name)
        if len(found) != 1 or found[0].get_role_name() not in roles or actions(found[0]) == 0:
            failures.append("%s: %s" % (name, [(n.get_role_name(), actions(n)) for n in found]))
    titles = showing(app, lambda n: (n.get_name() or "").startswith("Spectrivue [ Version"))
    if len(titles) != 1:
        failures.append("the title is read %d times" % len(titles))
    return failures


def write_history():
    """Two picks in the history file the program reads at start-up, the older one pinned."""
    folder = os.path.join(os.environ.get("XDG_DATA_HOME", os.path.expanduser("~/.local/share")),
                          "Spectrivue", "Spectrivue")
    os.makedirs(folder, exist_ok=True)
    now = int(time.time())
    with open(os.path.join(folder, "history.txt"), "w") as f:
        f.write("#123456 %d\n#0A5A5A %d pinned\n" % (now, now - 60))


def history_failures(app):
    """Ctrl+H opens the history, a list whose items are named by their notation and time."""
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Spectrivue$"],
                             capture_output=True, text=True).stdout.split()
    if not windows:
        return ["no main window to send Ctrl+H to"]
    subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], check=False)
    subprocess.run(["xdotool", "key", "ctrl+h"], check=False)
    items = wait_for(app, lambda n: n.get_role_name() == "list item"
                     and (n.get_name() or "").startswith("#"))
    names = [n.get_name() for n in items]
    lists = showing(app, lambda n: n.get_role_name() == "list"
                    and n.get_name() == "History of picks")
    if (len(names) != 2 or not names[0].startswith("#123456, ") or names[0].endswith("pinned")
            or not (names[1].startswith("#0A5A5A, ") and names[1].endswith(", pinned"))
            or len(lists) != 1):
        return ["the history list: %s in %d lists" % (names, len(lists))]
    print("history items: %s" % ", ".join(names))
    return []


def main():
    write_history()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = find_app("Spectrivue", 20)
        if app is None:
            print("the program never showed on the accessibility bus")
            return 1
        time.sleep(3)  # the splash closes after 1.5 s and the main window shows
        unnamed, sliders, swatches, controls = [], [], [], 0
        for node in walk(app):
            states = node.get_state_set()
            if not states.contains(Atspi.StateType.SHOWING):
                continue
            role = node.get_role_name()
            name = (node.get_name() or "").strip()
            actionable = states.contains(Atspi.StateType.FOCUSABLE) or actions(node) > 0
            if role in NAMED_ROLES or actionable:
                controls += 1
                if not name:
                    unnamed.append("%s (%d actions)" % (role, actions(node)))
            if role == "slider":
                value = node.get_value_iface()
                sliders.append((name, value.get_minimum_value(), value.get_maximum_value()))
            if name.startswith("Swatch "):
                swatches.append((name, node.get_description()))
        failures = []
        if unnamed:
            failures.append("controls without a name: " + ", ".join(unnamed))
        colour_sliders = [s for s in sliders if s[0] in ("Red", "Green", "Blue")]
        if len(colour_sliders) != 3 or any(s[1:] != (0.0, 255.0) for s in colour_sliders):
            failures.append("the colour sliders: %s" % sliders)
        if len(swatches) != 256 or not all(d for _, d in swatches):
            failures.append("%d named swatches, first %s" % (len(swatches), swatches[:2]))
        failures += title_bar_failures(app)
        failures += history_failures(app)
        failures += style_menu_failures(app)
        for f in failures:
            print(f)
        print("%d controls, %d sliders, %d swatches" % (controls, len(sliders), len(swatches)))
        return 1 if failures else 0
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    sys.exit(main())
