#!/usr/bin/python3
"""Times F9 on a real Wayland desktop as a person sees it, run by tests/app/wayland-session.sh
(sway with two 1280 x 800 outputs and the real desktop portal): from the key to the frozen
frame painted on each output, read back from the screen with grim (the marker clock along the
outputs' bottom stands still in the frozen picture). The portal's share (our Screenshot call to
its Response, from dbus-monitor's timestamps) and ours (Response to the frame on the last
output) are given apart. Medians of SV_BENCH_ROUNDS rounds (default 9); with
SV_WAYLAND_PLATFORM=xcb, the program as an X11 program under XWayland.
Usage: frozen-frame.py <Spectrivue> <virtual_pointer>
"""
import os
import statistics
import subprocess
import sys
import threading
import time

from wayland_desktop import (Failure, Pointer, find_app, first_frozen, frame_views, html_field,
                             press_key, press_until, program_environment, read_marker,
                             show_marker, wait_until)
from wayland_pattern import at

PARKED = (40, 700)


class PortalCalls:
    """The Screenshot calls and their Responses on the session bus, with the bus's times."""

    def __init__(self):
        self.process = subprocess.Popen(
            ["dbus-monitor", "--session",
             "type='method_call',interface='org.freedesktop.portal.Screenshot'",
             "type='signal',interface='org.freedesktop.portal.Request',member='Response'"],
            stdout=subprocess.PIPE, text=True)
        self.events = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            if line.startswith(("method call", "signal")) and "time=" in line:
                kind = "answer" if "member=Response" in line else "request"
                self.events.append((kind, float(line.split("time=")[1].split()[0])))

    def first(self, kind, after):
        return next((t for k, t in self.events if k == kind and t >= after), None)

    def close(self):
        self.process.terminate()


def main():
    program, helper = sys.argv[1], sys.argv[2]
    rounds = int(os.environ.get("SV_BENCH_ROUNDS") or 9)
    env = program_environment()
    log = open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "spectrivue.log"), "w")
    app = subprocess.Popen([program], env=env, stdout=log, stderr=log)
    pointer = Pointer(helper)
    calls = PortalCalls()
    results = []
    try:
        wait_until("Spectrivue on the accessibility bus", find_app, timeout=30, step=0.2)
        wait_until("the main window", html_field, timeout=30, step=0.2)
        pointer.move(PARKED)
        show_marker(True)
        time.sleep(1.0)
        for _ in range(rounds):
            pressed = press_key("F9")
            wall = time.time() - (time.monotonic() - pressed)
            reads = read_marker(at, duration=2.0)
            request, answer = calls.first("request", wall - 0.05), calls.first("answer", wall)
            if request is None or answer is None:
                raise Failure("no Screenshot call and answer seen on the bus")
            # The bus's clock is the wall clock; the reads' the monotonic one.
            answered = pressed + (answer - wall)
            shown = [first_frozen(reads, o, after=answered) for o in range(2)]
            if None in shown or len(frame_views()) != 2:
                raise Failure("the frozen frame did not show on every output: %s" % shown)
            shown = [(t - pressed) * 1000 for t in shown]
            results.append((shown, (answer - request) * 1000,
                            max(shown) - (answered - pressed) * 1000))
            press_until("Escape", "the frame to close", lambda: not frame_views())
            time.sleep(0.5)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        show_marker(False)
        calls.close()
        pointer.close()
        app.terminate()
        app.wait(10)

    def median(values):
        return "%4.0f ms  (%s)" % (statistics.median(values),
                                    " ".join("%.0f" % v for v in values))
    print("F9 to the frozen frame painted, output 1: " + median([r[0][0] for r in results]))
    print("F9 to the frozen frame painted, output 2: " + median([r[0][1] for r in results]))
    print("F9 to both painted:                      " + median([max(r[0]) for r in results]))
    print("the portal (Screenshot call to answer):  " + median([r[1] for r in results]))
    print("ours (answer to the last output painted):" + median([r[2] for r in results]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
