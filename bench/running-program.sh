# Sourced by the benchmarks that time the real program: starts Xvfb on a display of its own and
# the program on it, waits for start-up (splash included), and gives the program's CPU time
# (the scheduler's nanosecond counters of every thread) and resident memory.
# Usage: start_program <path/to/Spectrivue> <display> [x y of the pointer before start-up];
# then $app is the program's process id.
start_program() {
    Xvfb "$2" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb=$!
    app=
    trap 'kill $app $xvfb 2>/dev/null || true' EXIT
    sleep 1
    export DISPLAY=$2
    if [ $# -ge 4 ]; then
        xdotool mousemove "$3" "$4"
    fi
    "$1" >/dev/null 2>&1 &
    app=$!
    sleep 4
}
cpu_ns() { cat /proc/$app/task/*/schedstat | awk '{s += $1} END {printf "%d", s}'; }
rss_kb() { awk '/VmRSS/ {print $2}' /proc/$app/status; }
