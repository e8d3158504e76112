#!/usr/bin/env bash
# The live pick in the real program under Xvfb, with the colour details window closed and then
# open: CPU per pointer move while the pointer wanders over the main window's palette, so
# nearly every move shows a new colour (and the open window follows each one).
# Usage: bench/details_window_pick.sh [path/to/Spectrivue] [seconds per phase]
set -euo pipefail
bin=${1:-build/release/Spectrivue}
seconds=${2:-30}
source "$(dirname "$0")/running-program.sh"
start_program "$bin" :78 10 10

main=$(xdotool search --onlyvisible --name '^Spectrivue$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")" # X, Y, WIDTH, HEIGHT
focus_main() { xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"; }

# CPU per move over one phase of a pick; the same path each time.
pick_phase() {
    focus_main
    xdotool key F9
    sleep 1
    local c0 c1 i=0 end=$((SECONDS + seconds))
    c0=$(cpu_ns)
    while [ $SECONDS -lt $end ]; do
        xdotool mousemove $((X + 10 + (i * 37) % (WIDTH - 20))) $((Y + 10 + (i * 53) % (HEIGHT - 20)))
        i=$((i + 1)); sleep 0.06 # slower than the 50 ms tick: every move is sampled
    done
    c1=$(cpu_ns)
    xdotool key F9
    echo "$1: $i pointer moves, $(( (c1 - c0) / i / 1000 )) us of CPU per move"
}

pick_phase "details window closed"
focus_main
xdotool key F7
sleep 2
xdotool search --onlyvisible --name 'Colour Details' >/dev/null ||
    { echo "the details window did not open" >&2; exit 1; }
pick_phase "details window open"
