"""What the real-Wayland tests and benchmarks share: the program's windows found over AT-SPI
and in sway's window tree, the screen read back with grim, and input as a person gives it (a
virtual pointer moved in steps, keys from wtype)."""
import json
import os
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LAYOUT = (2560, 800)          # two 1280 x 800 outputs side by side
APP_ID = "org.spectrivue.spectrivue"
# Qt's platform for the program: wayland, or xcb for an X11 program under XWayland.
PLATFORM = os.environ.get("SV_WAYLAND_PLATFORM") or "wayland"


def program_environment():
    """The environment the program runs in: the platform asked for (under XWayland, on sway's
    X server), its accessibility on, in English."""
    env = dict(os.environ, QT_QPA_PLATFORM=PLATFORM, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LC_ALL="C.UTF-8", LANG="C.UTF-8", LANGUAGE="")
    if PLATFORM == "xcb":
        if not os.environ.get("SV_XWAYLAND_DISPLAY"):
            raise Failure("sway offers no X server (is the xwayland package installed?)")
        env["DISPLAY"] = os.environ["SV_XWAYLAND_DISPLAY"]
    return env


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


def frame_views():
    """The frozen frame's views on the screen: full-screen windows in sway's tree on Wayland;
    under XWayland, where they are X11 windows out of the window manager's hands, the shown
    top-level windows named "Frozen screen" of any copy of the program."""
    if PLATFORM == "wayland":
        return fullscreen_views()
    found = []
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None or app.get_name() != "Spectrivue":
            continue
        for j in range(app.get_child_count()):
            window = app.get_child_at_index(j)
            if (window is not None and window.get_name() == "Frozen screen"
                    and window.get_state_set().contains(Atspi.StateType.SHOWING)):
                found.append(window)
    return found


def screen_pixels():
    """The whole layout as raw RGB bytes, from grim's PPM."""
    ppm = subprocess.check_output(["grim", "-t", "ppm", "-"])
    parts = ppm.split(b"\n", 3)  # P6, size, maximum, pixels
    width, height = (int(v) for v in parts[1].split())
    return width, height, parts[3]


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


def text_or_name(node):
    text = node.get_text_iface() if hasattr(node, "get_text_iface") else None
    if text is not None:
        try:
            return Atspi.Text.get_text(node, 0, -1)
        except Exception:  # noqa: BLE001 - a node gone meanwhile
            return ""
    return node.get_name() or ""



MARKER_ROWS = 40   # the marker clock's bar along each output's bottom edge, and rows above it
BAR_ROWS = 26      # the bar itself (sway's default font)


def show_marker(shown):
    """Shows or hides the clock along the outputs' bottom edges (wayland-session.sh's bar)."""
    subprocess.run(["swaymsg", "-q", "bar", "marker", "mode", "dock" if shown else "invisible"],
                   check=True)


def marker_strip():
    """The bottom MARKER_ROWS rows of both outputs, as (width, raw RGB bytes), from grim."""
    top = LAYOUT[1] - MARKER_ROWS
    ppm = subprocess.check_output(
        ["grim", "-g", "0,%d %dx%d" % (top, LAYOUT[0], MARKER_ROWS), "-t", "ppm", "-"])
    parts = ppm.split(b"\n", 3)
    return int(parts[1].split()[0]), parts[3]


def output_state(strip, output, colour_at, output_width=1280):
    """One output's part of a marker strip: whether the background above the bar shows its own
    colours (colour_at gives them as #RRGGBB) at a few places, and the bar's pixels."""
    width, pixels = strip

    def pixel(x, row):
        i = (row * width + x) * 3
        return "#%02X%02X%02X" % tuple(pixels[i:i + 3])
    left = output * output_width
    row = MARKER_ROWS - BAR_ROWS - 4
    background = all(pixel(left + x, row) == colour_at((left + x, LAYOUT[1] - MARKER_ROWS + row))
                     for x in (3, 301, 640, 977, output_width - 2))
    bar = b"".join(pixels[(r * width + left) * 3:(r * width + left + output_width) * 3]
                   for r in range(MARKER_ROWS - BAR_ROWS, MARKER_ROWS))
    return background, bar


def read_marker(colour_at, duration=None, outputs=2, timeout=5.0):
    """Reads the marker strip again and again: for duration seconds, or else until every
    output shows a frozen frame (see first_frozen) or timeout. Gives the reads as (monotonic
    time, [output_state of each output])."""
    reads = []
    end = time.monotonic() + (duration or timeout)
    while time.monotonic() < end:
        reads.append(read_marker_once(colour_at, outputs))
        if duration is None and all(first_frozen(reads, o) for o in range(outputs)):
            break
    return reads


def read_marker_once(colour_at, outputs=2):
    """One read of the marker strip: (monotonic time, [output_state of each output])."""
    at = time.monotonic()
    strip = marker_strip()
    return at, [output_state(strip, o, colour_at) for o in range(outputs)]


def first_frozen(reads, output, after=0.0, still=4):
    """When an output first showed a frozen picture of the screen, from the reads of the marker
    strip: the background in its place and the marker clock, which moved until then, standing
    still over still reads in a row (the live clock moves every few ms). Runs that begin before
    the monotonic time after do not count (a machine busy taking the screenshot can hold the
    clock back for a moment). None if no read shows it."""
    for i in range(1, len(reads) - still + 1):
        if reads[i][0] < after or reads[i - 1][1][output][1] == reads[i][1][output][1]:
            continue
        run = [reads[i + k][1][output] for k in range(still)]
        if all(background for background, _ in run) and len({bar for _, bar in run}) == 1:
            return reads[i][0]
    return None
