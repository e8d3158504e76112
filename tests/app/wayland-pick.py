#!/usr/bin/python3
"""The pick on a real Wayland desktop, run by wayland-session.sh inside sway with the real
desktop portal. Input comes through sway's virtual pointer (our helper) and virtual keyboard
(wtype); results are read over AT-SPI, from sway's window tree and from the screen (grim).

It shows that F9 takes a real screenshot and shows it full screen on both outputs, that the
notations follow the pointer over the two outputs' colours, that a click keeps the exact
colour and Escape puts the colours of before back, that the portal's screenshot file is deleted
and nothing else, that the magnifier's capture enlarges the held screenshot, and that where the
portal cannot take a screenshot and its own colour pick fails too, the user gets the clear
message. With SV_WAYLAND_PLATFORM=xcb the program runs as an X11 program under XWayland, where
the X server shows it none of the desktop's pixels: every check holds there too.
Usage: wayland-pick.py <Spectrivue> <virtual_pointer>
"""
import os
import signal
import subprocess
import sys
import time

from wayland_desktop import (PLATFORM, Failure, Pointer, ended, find_app, first_frozen,
                             frame_views, html_field, press_until, program_environment,
                             read_marker_once, screen_pixels, show_marker, text_of, text_or_name,
                             walk, wait_until)
from wayland_pattern import at

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


def differing_pixels(a, b, around, reach=320):
    """How many pixels differ between two reads of the screen, leaving out the square of side
    2 x reach round a point (where the pointer is, and an X11 pick's loupe beside it)."""
    width = a[0]
    return sum(1 for i in range(0, len(a[2]), 3)
               if a[2][i:i + 3] != b[2][i:i + 3]
               and not (abs(i // 3 % width - around[0]) < reach
                        and abs(i // 3 // width - around[1]) < reach))


def pixels_of(screen, colour):
    """How many pixels of a grim read of the screen show a colour (#RRGGBB)."""
    wanted = bytes.fromhex(colour[1:])
    pixels = screen[2]
    return sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == wanted)


def find_button(app, name):
    """A push button whose accessible name (its tool tip) holds name."""
    for node in walk(app):
        if node.get_role_name() == "push button" and name in (node.get_name() or ""):
            return node
    return None


def press_button(app, name):
    """Presses a button as a screen reader does: its action, not a click."""
    button = wait_until("the button " + name, lambda: find_button(app, name), timeout=10)
    button.do_action(0)


def our_files():
    uid = os.getuid()
    return {n for n in os.listdir("/tmp") if os.lstat("/tmp/" + n).st_uid == uid}


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
    env = program_environment()
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

        # F9 paints the frozen frame on every output at once, the one the pointer rests on
        # and the other: the marker clock stands still in both (bench/app/frozen_frame.sh
        # times this).
        show_marker(True)
        reads = []

        def painted_everywhere():
            reads.append(read_marker_once(at))
            return all(first_frozen(reads, output) for output in (0, 1))
        try:
            press_until("F9", "the frozen frame on both outputs", painted_everywhere)
        except Failure:
            raise Failure("the frozen frame was painted on outputs %s only, not on both"
                          % [o + 1 for o in (0, 1) if first_frozen(reads, o)])
        press_until("Escape", "the marked frame to close", lambda: not frame_views())
        show_marker(False)

        # F9: a real screenshot, shown full screen on each output.
        press_until("F9", "the frozen frame", lambda: len(frame_views()) == 2)
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
        still = differing_pixels(shown_frame, screen_pixels(), ON_RED)
        if still > 2000:
            raise Failure("the screen changed under the frozen frame: %d pixels" % still)

        # A click keeps the exact colour; the frame goes; the screenshot file goes, alone.
        pointer.send("click")
        wait_until("the frame to close after a click", lambda: not frame_views())
        expect_notation(field, RED, "after the click")
        if os.path.exists(SCREENSHOT):
            raise Failure("the portal's screenshot was left behind")
        if our_files() != files_before:
            raise Failure("files in /tmp changed: %s" % (our_files() ^ files_before))

        # Escape puts back the colours of before.
        pointer.move(PARKED)
        press_until("F9", "the second frozen frame", lambda: len(frame_views()) == 2)
        pointer.move(ON_BLUE)
        expect_notation(field, BLUE, "in the second pick")
        press_until("Escape", "the frame to close on Escape", lambda: not frame_views())
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
        wait_until("the command's frozen frame", lambda: len(frame_views()) == 2, timeout=15)
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
        wait_until("the command's frozen frame", lambda: len(frame_views()) == 2, timeout=15)
        press_until("Escape", "the command's frame to close", lambda: not frame_views())
        output, errors = command.communicate(timeout=15)
        if command.returncode != 1 or output:
            raise Failure("--pick and Escape ended with %d, printed %r, said %r"
                          % (command.returncode, output, errors))

        # The magnifier: its capture holds a real screenshot still on both outputs and
        # enlarges it round the pointer; a click ends the capture and the view keeps the
        # output's exact pixels (each background colour is unique, so the enlarged pixel
        # shows as a block of its colour), never black.
        pointer.move(PARKED)
        press_button(app, "Capture Magnification")
        press_button(wait_until("the magnifier", lambda: find_button(app, "Start Capture"),
                                timeout=10), "Start Capture")
        wait_until("the magnifier's frozen frame", lambda: len(frame_views()) == 2)
        pointer.move(ON_RED)
        time.sleep(0.5)
        pointer.send("click")
        wait_until("the frame to close after the magnifier's click", lambda: not frame_views())
        wait_until("the magnifier to show the pixel under the pointer, enlarged",
                   lambda: pixels_of(screen_pixels(), RED) >= 60, timeout=5)
        enlarged = pixels_of(screen_pixels(), RED)
        print("the magnifier enlarged %s from output 2: %d pixels of it on the screen"
              % (RED, enlarged))

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
        if frame_views():
            raise Failure("a frame shows although no screenshot was taken")

        print("on %s: notation before the picks: %s" % (PLATFORM, before))
        print("the frozen frame was painted on both outputs with the pointer at rest")
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
    if frame_views():
        raise Failure("a frozen frame shows although the portal has no Access backend")
    print("without the gtk backend F9 says: %s" % portal_message()[0])
    return 0


if __name__ == "__main__":
    sys.exit(main())
