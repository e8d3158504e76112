#!/usr/bin/env bash
# The live pick in the real program under Xvfb, over a screen whose every pixel has a colour of
# its own: CPU per pointer move with the loupe off (the crosshair alone) and on, and, measured
# from outside, how long after a move the loupe shows the pixels round the new place.
# Usage: bench/loupe_pick.sh [path/to/Spectrivue] [path/to/loupe_latency] [seconds per phase]
set -euo pipefail
bin=$(realpath "${1:-build/bench/Spectrivue}")
helper=$(realpath "${2:-build/bench/bench/app/loupe_latency}")
seconds=${3:-20}
display=:79
home=$(mktemp -d)
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $pattern $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
"$helper" pattern >/dev/null &
pattern=$!
sleep 1
cpu_ns() { cat /proc/$app/task/*/schedstat | awk '{s += $1} END {printf "%d", s}'; }

# One run of the program with the loupe on (1) or off (0): CPU per move over one phase.
phase() {
    mkdir -p "$home/config/Spectrivue"
    printf '[Pick]\nLoupe=%s\n' "$1" >"$home/config/Spectrivue/Spectrivue.conf"
    xdotool mousemove 640 900
    "$bin" >/dev/null 2>&1 &
    app=$!
    sleep 4
    local main
    main=$(xdotool search --onlyvisible --name '^Spectrivue$' | head -1)
    # Below the rows the pointer walks, so every move lands on the pattern.
    xdotool windowmove "$main" 0 540
    xdotool windowfocus "$main"
    xdotool key F9
    sleep 1
    local c0 c1 i=0 end=$((SECONDS + seconds))
    c0=$(cpu_ns)
    while [ $SECONDS -lt $end ]; do
        xdotool mousemove $((100 + (i * 37) % 900)) $((60 + (i * 53) % 380))
        i=$((i + 1)); sleep 0.06 # slower than the 50 ms tick: every move is sampled
    done
    c1=$(cpu_ns)
    echo "loupe $2: $i pointer moves, $(( (c1 - c0) / i / 1000 )) us of CPU per move"
    if [ "$1" = 1 ]; then
        for zoom in 10; do
            "$helper" measure 200 $zoom
        done
    fi
    xdotool key Escape
    kill $app
    wait $app 2>/dev/null || true
    app=
}

phase 0 off
phase 1 on
