#!/usr/bin/env bash
# Times the real program under Xvfb: from start to the splash and to the main window being
# visible (median of 5 runs; the loading phase is the main window's time less the splash's
# time and its fixed 1.5 s delay), then the idle resident memory after start-up beside
# gpick and kcolorchooser on the same Xvfb.
# Usage: bench/startup.sh [path/to/Spectrivue]
set -euo pipefail
bin=$(realpath "${1:-build/release/Spectrivue}")
display=:78
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display

now_ms() { date +%s%3N; }
# The first visible window of a process with the given size.
wait_for_size() {
    local pid=$1 size=$2
    while true; do
        for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            if xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $size"; then
                return 0
            fi
        done
        sleep 0.005
    done
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

splash_times=(); main_times=(); load_times=()
for run in 1 2 3 4 5; do
    t0=$(now_ms)
    "$bin" >/dev/null 2>&1 &
    pid=$!
    wait_for_size $pid 550x400; t1=$(now_ms)
    wait_for_size $pid 756x466; t2=$(now_ms)
    splash_times+=($((t1 - t0))); main_times+=($((t2 - t0))); load_times+=($((t2 - t1 - 1500)))
    if [ $run -eq 5 ]; then
        sleep 3
        spectrivue_rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
    fi
    kill $pid; wait $pid 2>/dev/null || true
done
echo "splash visible:      median $(printf '%s\n' "${splash_times[@]}" | median) ms  (${splash_times[*]})"
echo "main window visible: median $(printf '%s\n' "${main_times[@]}" | median) ms  (${main_times[*]})"
echo "loading phase:       median $(printf '%s\n' "${load_times[@]}" | median) ms  (${load_times[*]})"
echo "idle resident memory after start-up:"
echo "  Spectrivue     ${spectrivue_rss} kB"
for other in gpick kcolorchooser; do
    if command -v $other >/dev/null; then
        $other >/dev/null 2>&1 &
        pid=$!
        sleep 6
        echo "  $other $(awk '/VmRSS/ {print $2}' /proc/$pid/status) kB"
        kill $pid; wait $pid 2>/dev/null || true
    else
        echo "  $other (not installed: apt-get install $other)"
    fi
done
