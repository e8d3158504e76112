#!/usr/bin/python3
"""Starts a program and reports, in milliseconds from its start, when the X server mapped a
window of each given size ("any": the first window of at least 50 x 50 pixels, whatever its
size). Usage: startup_times.py PROGRAM [ARGUMENT ...] WxH|any [WxH|any ...]"""

import re
import subprocess
import sys
import time

from Xlib import X, display


def main():
    words = sys.argv[1:]
    first_size = next(i for i, w in enumerate(words)
                      if i > 0 and (w == "any" or re.fullmatch(r"\d+x\d+", w)))
    command = words[:first_size]
    sizes = [s if s == "any" else tuple(map(int, s.split("x"))) for s in words[first_size:]]
    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    start = time.monotonic()
    proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window_size, mapped = {}, {}
    try:
        while len(mapped) < len(sizes) and time.monotonic() - start < 30:
            event = d.next_event()
            if event.type == X.CreateNotify:
                window_size[event.window.id] = (event.width, event.height)
            elif event.type == X.MapNotify:
                size = window_size.get(event.window.id)
                if size in sizes and size not in mapped:
                    mapped[size] = round((time.monotonic() - start) * 1000)
                elif ("any" in sizes and "any" not in mapped and size is not None
                      and size[0] >= 50 and size[1] >= 50):
                    mapped["any"] = round((time.monotonic() - start) * 1000)
        print(" ".join(str(mapped.get(s, -1)) for s in sizes), proc.pid, flush=True)
        # Leave the program running for the caller to measure; it ends it.
    except KeyboardInterrupt:
        proc.kill()


if __name__ == "__main__":
    main()
