#!/usr/bin/env bash
# Times the real program under Xvfb: from start to the splash and to the main window being
# visible (median of 5 runs; the splash's 1.5 s count starts when it is shown, so the main
# window's time less the splash's time and the 1.5 s is the loading phase), then the idle
# resident memory after start-up beside
# gpick and kcolorchooser on the same Xvfb.
# Needs python3-xlib. Usage: bench/startup.sh [path/to/Spectrivue]
set -euo pipefail
bin=$(realpath "${1:-build/release/Spectrivue}")
display=:78
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
here=$(dirname "$(realpath "$0")")

splash_times=(); main_times=(); load_times=()
for run in 1 2 3 4 5; do
    # The splash is 550 x 400, the main window 756 x 466.
    read -r t1 t2 pid < <(/usr/bin/python3 "$here/startup_times.py" "$bin" 550x400 756x466)
    splash_times+=($t1); main_times+=($t2); load_times+=($((t2 - t1 - 1500)))
    if [ $run -eq 5 ]; then
        sleep 3
        spectrivue_rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
    fi
    kill $pid 2>/dev/null || true
    sleep 0.5
done
echo "splash visible:      median $(printf '%s\n' "${splash_times[@]}" | median) ms  (${splash_times[*]})"
echo "main window visible: median $(printf '%s\n' "${main_times[@]}" | median) ms  (${main_times[*]})"
echo "loading, past the splash and its 1.5 s: median $(printf '%s\n' "${load_times[@]}" | median) ms  (${load_times[*]})"
# The leanest Qt peer's first window, timed the same way on the same server.
if command -v kcolorchooser >/dev/null; then
    peer_times=()
    for run in 1 2 3 4 5; do
        read -r t pid < <(/usr/bin/python3 "$here/startup_times.py" "$(command -v kcolorchooser)" any)
        peer_times+=($t)
        kill $pid 2>/dev/null || true
        sleep 0.5
    done
    peer=$(printf '%s\n' "${peer_times[@]}" | median)
    splash=$(printf '%s\n' "${splash_times[@]}" | median)
    echo "kcolorchooser first window: median $peer ms  (${peer_times[*]})"
    echo "splash / kcolorchooser: $(awk -v a="$splash" -v b="$peer" 'BEGIN {printf "%.2f", a / b}')"
fi
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
