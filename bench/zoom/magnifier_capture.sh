#!/usr/bin/env bash
# Times the real program under Xvfb while the magnifier captures for 60 s with the pointer
# moving: CPU as a share of one core (the scheduler's nanosecond counters of every thread) and
# resident memory after the first 5 s and at the end.
# Usage: bench/zoom/magnifier_capture.sh [path/to/Spectrivue] [capture seconds]
set -euo pipefail
bin=${1:-build/release/Spectrivue}
seconds=${2:-60}
source "$(dirname "$0")/../running-program.sh"
start_program "$bin" :79
# Clicks at (x, y) inside a window found by its title.
click_in() {
    local win x y
    win=$(xdotool search --onlyvisible --name "$1" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$win")"
    x=$((X + $2)); y=$((Y + $3))
    xdotool mousemove $x $y click 1
}

click_in '^Spectrivue$' 409 235                       # the magnifier command
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^\[ Image Magnification \]$' >/dev/null && break
    sleep 0.1
done
sleep 1
click_in '^\[ Image Magnification \]$' 28 325         # its start button: the capture begins
xdotool mousemove 200 200

end=$((SECONDS + seconds)); i=0; r5=
c0=$(cpu_ns); t0=$(date +%s%N)
while [ $SECONDS -lt $end ]; do
    xdotool mousemove $((100 + (i * 37) % 500)) $((100 + (i * 53) % 800))
    i=$((i + 1)); sleep 0.05
    if [ -z "$r5" ] && [ $((SECONDS + seconds - end)) -ge 5 ]; then r5=$(rss_kb); fi
done
c1=$(cpu_ns); t1=$(date +%s%N); r1=$(rss_kb)
echo "capturing ${seconds} s, $i pointer moves: CPU $(( (c1 - c0) * 1000 / (t1 - t0) / 10 )).$(( (c1 - c0) * 1000 / (t1 - t0) % 10 )) % of one core"
echo "resident memory: ${r5} kB after 5 s, ${r1} kB after ${seconds} s"
