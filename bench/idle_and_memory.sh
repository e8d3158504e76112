#!/usr/bin/env bash
# Times the real program under Xvfb: CPU used while idle (only the 150 ms pointer readout
# runs, the pointer still) over 10 s, then CPU while a pick runs with the pointer still, then
# CPU per pointer move and resident memory over 60 s
# of sampling with the pointer moving. CPU is read from the scheduler's nanosecond counters of
# every thread of the process.
# Usage: bench/idle_and_memory.sh [path/to/Spectrivue] [sampling seconds]
set -euo pipefail
bin=${1:-build/release/Spectrivue}
seconds=${2:-60}
source "$(dirname "$0")/running-program.sh"
start_program "$bin" :77 600 500

c0=$(cpu_ns); sleep 10; c1=$(cpu_ns)
echo "idle, pointer still: $(( (c1 - c0) / 1000000 )) ms of CPU over 10 s"

win=$(xdotool search --onlyvisible --name '^Spectrivue$' | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool key F9
sleep 1
# The pick runs with the pointer still: the pixel under it is read at every tick.
c0=$(cpu_ns); sleep "$seconds"; c1=$(cpu_ns)
echo "picking, pointer still: $(( (c1 - c0) / 1000000 )) ms of CPU over ${seconds} s" \
    "($(( (c1 - c0) / seconds / 1000000 )) per mille of a core)"
r0=$(rss_kb); c0=$(cpu_ns)
end=$((SECONDS + seconds)); i=0
while [ $SECONDS -lt $end ]; do
    xdotool mousemove $((100 + (i * 37) % 1000)) $((100 + (i * 53) % 800))
    i=$((i + 1)); sleep 0.06 # slower than the 50 ms tick: every move is sampled
done
c1=$(cpu_ns); r1=$(rss_kb)
echo "sampling: $i pointer moves, $(( (c1 - c0) / i / 1000 )) us of CPU per move"
echo "resident memory over ${seconds} s of sampling: ${r0} kB -> ${r1} kB"
xdotool key F9
