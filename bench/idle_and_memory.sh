#!/usr/bin/env bash
# Times the real program under Xvfb: CPU use while idle (only the 150 ms pointer readout
# runs) over 10 s, and resident memory over 60 s of sampling with the pointer moving.
# Usage: bench/idle_and_memory.sh [path/to/Spectrivue]
set -euo pipefail
bin=${1:-build/release/Spectrivue}
display=:77
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
"$bin" >/dev/null 2>&1 &
app=$!
sleep 4 # start-up, splash included

ticks() { awk '{print $14 + $15}' /proc/$app/stat; }
rss_kb() { awk '/VmRSS/ {print $2}' /proc/$app/status; }
hz=$(getconf CLK_TCK)

t0=$(ticks); sleep 10; t1=$(ticks)
echo "idle CPU over 10 s: $(echo "scale=2; 100 * ($t1 - $t0) / $hz / 10" | bc) % of one core"

win=$(xdotool search --onlyvisible --name '^Spectrivue$' | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool key F9
sleep 1
r0=$(rss_kb)
end=$((SECONDS + 60)); i=0
while [ $SECONDS -lt $end ]; do
    xdotool mousemove $((100 + (i * 37) % 1000)) $((100 + (i * 53) % 800))
    i=$((i + 1)); sleep 0.02
done
r1=$(rss_kb)
echo "resident memory, 60 s of sampling ($i pointer moves): ${r0} kB -> ${r1} kB"
xdotool key F9
