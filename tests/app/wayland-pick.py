#!/usr/bin/python3
"""The pick on a real Wayland desktop, run by wayland-session.sh inside sway with the real
desktop portal. Input comes through sway's virtual pointer (our helper) and virtual keyboard
(wtype); results are read over AT-SPI, from sway's window tree and from the screen (grim).

It shows that F9 takes a real screenshot and shows it full screen on both outputs, that the
notations follow the pointer over the two outputs' colours, that a click keeps the exact
colour and Escape puts the colours of before back, that the portal's screenshot file is deleted
and nothing else, and that where the portal cannot take a screenshot and its own colour pick
fails too, the user gets the clear message. It prints the time from F9 to the frozen frame.
Usage: wayland-pick.py <Spectrivue> <virtual_pointer>
"""
import json
import os
import signal
import subprocess
import sys
import time

import gi
from wayland_pattern import at

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LAYOUT = (2560, 800)          # two 1280 x 800 outputs side by side
ON_BLUE = (100, 100)          # background: the main window is centred on output 1
ON_RED = (1280 + 640, 400)
BLUE = at(ON_BLUE)            # what the patterned backgrounds show there
RED = at(ON_RED)
# Where a pick one pixel off, or on the wrong output, would show: both sides of the seam
# between the outputs, and the layout's corners.
EXACT = [(1279, 300), (1280, 300), (1279, 301), (1281, 301), (0, 0), (2559, 799), (2559, 0)]
# Where the pointer rests at F9. The screenshot shows the pointer there, so the pick is checked
# elsewhere.
PARKED = (40, 760)
SCREENSHOT = "/tmp/out.png"   # where the wlr backend writes its screenshots
APP_ID = "org.spectrivue.spectrivue"


class Failure(Exception):
    pass


def wait_until(what, probe, timeout=10.0, step=0.02):
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


def walk(node, depth=0):
    if node is None:
        return
    yield node
    if depth > 30:
        return
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def find_app():
    """The program's application node: under Wayland the program can show up twice on the bus,
    once with no windows, so the one holding windows counts."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Spectrivue" and app.get_child_count() > 0:
            return app
    return None


def html_field():
    for node in walk(find_app()):
        if node.get_role_name() == "text" and node.get_name() == "Hex code for HTML":
            return node
    return None


def text_of(node):
    return Atspi.Text.get_text(node, 0, -1)


def fullscreen_views():
    tree = json.loads(subprocess.check_output(["swaymsg", "-r", "-t", "get_tree"]))
    found = []

    def visit(node):
        if node.get("app_id") == APP_ID and node.get("fullscreen_mode", 0) != 0:
            found.append(node)
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            visit(child)

    visit(tree)
    return found


def screen_pixels():
    """The whole layout as raw RGB bytes, from grim's PPM."""
    ppm = subprocess.check_output(["grim", "-t", "ppm", "-"])
    parts = ppm.split(b"\n", 3)  # P6, size, maximum, pixels
    width, height = (int(v) for v in parts[1].split())
    return width, height, parts[3]


def differing_pixels(a, b):
    return sum(1 for i in range(0, len(a[2]), 3) if a[2][i:i + 3] != b[2][i:i + 3])


def press_key(name, delay_ms=400):
    """Presses a key through a virtual keyboard that lives delay_ms before it types, so the
    program binds the seat's new keyboard first; gives when the key went."""
    started = time.monotonic()
    subprocess.run(["wtype", "-s", str(delay_ms), "-k", name], check=True)
    return started + delay_ms / 1000.0


def press_until(name, what, done, timeout=30, attempts=3):
    """Presses a key until it has its effect. Each press comes from a new virtual keyboard,
    and a program busy elsewhere can bind that keyboard after the key has gone; a person
    would press again. Gives when the press that worked went."""
    for attempt in range(attempts):
        pressed = press_key(name)
        try:
            wait_until(what, done, timeout=timeout / attempts, step=0.005)
            return pressed
        except Failure:
            if attempt == attempts - 1:
                raise
    return None


def ended(pid):
    """Whether a process has ended (a zombie its parent has not reaped yet has)."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except FileNotFoundError:
        return True


def our_files():
    uid = os.getuid()
    return {n for n in os.listdir("/tmp") if os.lstat("/tmp/" + n).st_uid == uid}


class Pointer:
    """The virtual pointer, moved as a hand moves it: in steps, not in one jump."""

    def __init__(self, helper):
        self.process = subprocess.Popen([helper, str(LAYOUT[0]), str(LAYOUT[1])],
                                        stdin=subprocess.PIPE, text=True)
        self.at = None

    def send(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        time.sleep(0.02)

    def move(self, point, steps=8):
        start = self.at or point
        for i in range(1, steps + 1):
            x = start[0] + (point[0] - start[0]) * i // steps
            y = start[1] + (point[1] - start[1]) * i // steps
            self.send("move %d %d" % (x, y))
        self.at = point

    def close(self):
        self.process.stdin.close()
        self.process.wait(5)


READOUT = []


def readout():
    """The main window's "X=… Y=…" readout as a person reads it (its labels found once: a walk
    of the whole tree takes seconds)."""
    if not READOUT:
        found = {}
        for node in walk(find_app()):
            text = text_or_name(node) if node.get_role_name() == "label" else ""
            for axis in ("X=", "Y="):
                if text.startswith(axis) and text[2:].lstrip("-").isdigit():
                    found.setdefault(axis, node)
        if len(found) < 2:
            return None
        READOUT.extend([found["X="], found["Y="]])
    return tuple(text_or_name(node) for node in READOUT)


def expect_readout(point, during):
    """The readout shows the pointer's place on the desktop, not in the window it is over."""
    want = ("X=%d" % point[0], "Y=%d" % point[1])
    seen = []

    def shows():
        seen.append(readout())
        return seen[-1] == want
    try:
        wait_until("the readout at %s %s" % (want, during), shows, timeout=3)
    except Failure:
        raise Failure("%s: the readout shows %r, not %r (%d reads, first %r)"
                      % (during, seen[-1], want, len(seen), seen[0]))


def expect_notation(field, colour, during):
    try:
        wait_until("%s %s" % (colour, during), lambda: text_of(field) == colour, timeout=3)
    except Failure:
        raise Failure("%s: the HTML notation shows %s, not %s" % (during, text_of(field), colour))


def main():
    program, helper = sys.argv[1], sys.argv[2]
    if os.path.exists(SCREENSHOT):
        os.remove(SCREENSHOT)  # a leftover of an earlier run
    env = dict(os.environ, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LC_ALL="C.UTF-8", LANG="C.UTF-8", LANGUAGE="")
    log = open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "spectrivue.log"), "w")
    app_process = subprocess.Popen([program], env=env, stdout=log, stderr=log)
    pointer = Pointer(helper)
    restarted_backend = None
    try:
        app = wait_until("Spectrivue on the accessibility bus", find_app, timeout=30, step=0.2)
        field = wait_until("the main window's HTML notation", html_field, timeout=30, step=0.2)
        pointer.move(PARKED)
        before = text_of(field)
        if os.environ.get("SV_WAYLAND_WITHOUT_GTK") == "1":
            return without_access_backend(app)

        decoy = "/tmp/sv-wayland-decoy.png"
        with open(decoy, "wb") as f:
            f.write(b"not the portal's")
        files_before = our_files()

        # F9: a real screenshot, shown full screen on each output.
        pressed = press_until("F9", "the frozen frame", lambda: len(fullscreen_views()) == 2)
        frozen_ms = (time.monotonic() - pressed) * 1000
        shown_frame = screen_pixels()
        pointer.move(ON_BLUE)
        expect_notation(field, BLUE, "over output 1")
        pointer.move(ON_RED)
        expect_notation(field, RED, "over output 2")
        expect_readout(ON_RED, "over output 2")
        for point in EXACT:
            pointer.move(point)
            expect_notation(field, at(point), "at %d, %d" % point)
            expect_readout(point, "at %d, %d" % point)
        pointer.move(ON_RED)
        expect_notation(field, RED, "back over output 2")
        # The live window now shows a new colour, yet the screen still shows the frozen frame.
        still = differing_pixels(shown_frame, screen_pixels())
        if still > 2000:
            raise Failure("the screen changed under the frozen frame: %d pixels" % still)

        # A click keeps the exact colour; the frame goes; the screenshot file goes, alone.
        pointer.send("click")
        wait_until("the frame to close after a click", lambda: not fullscreen_views())
        expect_notation(field, RED, "after the click")
        if os.path.exists(SCREENSHOT):
            raise Failure("the portal's screenshot was left behind")
        if our_files() != files_before:
            raise Failure("files in /tmp changed: %s" % (our_files() ^ files_before))

        # Escape puts back the colours of before.
        pointer.move(PARKED)
        press_until("F9", "the second frozen frame", lambda: len(fullscreen_views()) == 2)
        pointer.move(ON_BLUE)
        expect_notation(field, BLUE, "in the second pick")
        press_until("Escape", "the frame to close on Escape", lambda: not fullscreen_views())
        expect_notation(field, RED, "after Escape")
        if not os.path.exists(decoy) or os.path.exists(SCREENSHOT):
            raise Failure("after Escape: decoy kept %s, screenshot deleted %s"
                          % (os.path.exists(decoy), not os.path.exists(SCREENSHOT)))

        # Spectrivue --pick from a shortcut: the same frozen frame with no main window; a click
        # prints the colour and, with --copy, leaves it on the clipboard (wl-copy) after the
        # command has ended; Escape prints nothing.
        pointer.move(PARKED)
        command = subprocess.Popen([program, "--pick", "--copy", "--format", "hex"], env=env,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        wait_until("the command's frozen frame", lambda: len(fullscreen_views()) == 2, timeout=15)
        pointer.move(ON_RED)
        time.sleep(0.3)
        pointer.send("click")
        output, errors = command.communicate(timeout=15)
        if command.returncode != 0 or output != RED.lower() + "\n":
            raise Failure("--pick --copy ended with %d, printed %r, said %r"
                          % (command.returncode, output, errors))
        pasted = subprocess.run(["wl-paste", "--no-newline"], capture_output=True, text=True,
                                timeout=10).stdout
        if pasted != RED.lower():
            raise Failure("after --pick --copy the clipboard holds %r" % pasted)
        command = subprocess.Popen([program, "--pick"], env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, text=True)
        wait_until("the command's frozen frame", lambda: len(fullscreen_views()) == 2, timeout=15)
        press_until("Escape", "the command's frame to close", lambda: not fullscreen_views())
        output, errors = command.communicate(timeout=15)
        if command.returncode != 1 or output:
            raise Failure("--pick and Escape ended with %d, printed %r, said %r"
                          % (command.returncode, output, errors))

        # A backend that cannot take screenshots (no grim to run): the portal's own colour pick
        # is tried, needs an interactive selector this desktop lacks, and the user is told.
        backend = int(os.environ["SV_PORTAL_WLR_PID"])
        os.kill(backend, signal.SIGTERM)
        wait_until("the wlr backend to end", lambda: ended(backend))
        time.sleep(0.5)
        restarted_backend = subprocess.Popen(
            ["/usr/libexec/xdg-desktop-portal-wlr"], env=dict(os.environ, PATH="/nonexistent"),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        pointer.move(PARKED)
        message = "The desktop portal could not pick a colour."

        def message_shown():
            return any(message in (n.get_name() or "") or
                       (n.get_role_name() == "label" and message in text_or_name(n))
                       for n in walk(find_app()))
        try:
            press_until("F9", "the message", message_shown, timeout=60)
        except Failure:
            shown = [text_or_name(n) for n in walk(find_app())
                     if n.get_role_name() in ("label", "alert", "dialog")]
            raise Failure("no message %r; shown: %s" % (message, shown))
        if fullscreen_views():
            raise Failure("a frame shows although no screenshot was taken")

        print("notation before the picks: %s" % before)
        print("F9 to the frozen frame on both outputs: %.0f ms" % frozen_ms)
        print("the pick followed %s and %s and %d exact pixels at the outputs' seam and "
              "corners, kept %s on a click, put it back after Escape"
              % (BLUE, RED, len(EXACT), RED))
        print("--pick --copy printed and copied %s; --pick and Escape printed nothing" % RED)
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        pointer.close()
        app_process.terminate()
        app_process.wait(10)
        if restarted_backend is not None:
            restarted_backend.terminate()
        if os.path.exists("/tmp/sv-wayland-decoy.png"):
            os.remove("/tmp/sv-wayland-decoy.png")


def without_access_backend(app):
    """Without xdg-desktop-portal-gtk the portal has no Access backend, and the screenshot that
    the pick needs is refused: F9 must end in the program's message, never in a frame. (So the
    gtk backend is needed on sway, and the session starts it.)"""
    def portal_message():
        return [text_or_name(n) for n in walk(find_app())
                if n.get_role_name() in ("label", "alert") and "portal" in text_or_name(n)]
    press_until("F9", "a message that the portal refused", portal_message, timeout=60)
    if fullscreen_views():
        raise Failure("a frozen frame shows although the portal has no Access backend")
    print("without the gtk backend F9 says: %s" % portal_message()[0])
    return 0


def text_or_name(node):
    text = node.get_text_iface() if hasattr(node, "get_text_iface") else None
    if text is not None:
        try:
            return Atspi.Text.get_text(node, 0, -1)
        except Exception:  # noqa: BLE001 - a node gone meanwhile
            return ""
    return node.get_name() or ""


if __name__ == "__main__":
    sys.exit(main())
