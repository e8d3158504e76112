#!/usr/bin/env bash
# Times Spectrivue --pick against the floor, in one run on one Xvfb: from launch to the X
# server mapping the pick's first window a person sees (the loupe at the pointer; the window
# that holds the grab is one pixel off the screen), beside a bare Qt Widgets program's one
# window (bench/app/BareWindow.cpp). Runs alternate, so load on the machine falls on both;
# medians of 9 and their ratio. Then what --copy leaves running: the clipboard helper's
# resident and private memory once the command has ended.
# Needs python3-xlib. Usage: bench/pick_startup.sh [build dir, default build/bench]
set -euo pipefail
build=$(realpath "${1:-build/bench}")
display=:79
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
home=$(mktemp -d)
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
here=$(dirname "$(realpath "$0")")
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

xdotool mousemove 400 300
bare=(); pick=()
for run in $(seq 9); do
    read -r t pid < <(/usr/bin/python3 "$here/startup_times.py" "$build/bench/app/bare_window" any)
    bare+=($t); kill $pid; sleep 0.3
    read -r t pid < <(/usr/bin/python3 "$here/startup_times.py" "$build/Spectrivue" --pick any)
    pick+=($t); kill $pid; sleep 0.3
done
b=$(printf '%s\n' "${bare[@]}" | median)
p=$(printf '%s\n' "${pick[@]}" | median)
echo "bare Qt Widgets window: median $b ms  (${bare[*]})"
echo "Spectrivue --pick loupe: median $p ms  (${pick[*]})"
echo "ratio: $(awk -v a="$p" -v b="$b" 'BEGIN {printf "%.2f", a / b}')"

marker="bench-$$-{hex}"
(sleep 1; xdotool mousemove 300 300 click 1) &
"$build/Spectrivue" --pick --copy --format "$marker" >/dev/null
helper=$(pgrep -f "spectrivue-clipboard bench-$$-" | head -1)
echo "clipboard helper after --pick --copy: $(awk '/VmRSS/ {print $2}' /proc/$helper/status) kB resident," \
    "$(awk '/^Private/ {s += $2} END {print s}' /proc/$helper/smaps) kB private"
echo other | xclip -selection clipboard 2>/dev/null
rm -rf "$home"
