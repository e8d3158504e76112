#!/usr/bin/env bash
# Runs a test on an X server with two 800 × 600 monitors side by side, started for it and
# stopped after: Xorg with the dummy driver, its one screen split into two RandR monitors.
# Xvfb cannot place screens side by side. Xorg needs root, as CI runs; elsewhere the test is
# skipped (exit code 77).
set -u
here="$(cd "$(dirname "$0")" && pwd)"
if [ "$(id -u)" != 0 ] || ! command -v Xorg >/dev/null || ! command -v xrandr >/dev/null; then
    if [ -n "${CI:-}" ]; then
        echo "CI runs as root with Xorg installed and must run this test" >&2
        exit 1
    fi
    echo "needs root, Xorg and xrandr (xserver-xorg-core, xserver-xorg-video-dummy, x11-xserver-utils): skipped"
    exit 77
fi
display=""
for n in $(seq 70 99); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
log="$(mktemp -t two-monitors-XXXXXX.log)"
Xorg "$display" -config "$here/two-monitors.xorg.conf" -noreset -nolisten tcp \
    -logfile "$log" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 100); do
    DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
if ! DISPLAY="$display" xdpyinfo >/dev/null 2>&1; then
    echo "Xorg did not start:" >&2
    cat "$log" >&2
    exit 1
fi
export DISPLAY="$display"
xrandr --setmonitor left 800/212x600/159+0+0 DUMMY0 >/dev/null &&
    xrandr --setmonitor right 800/212x600/159+800+0 none >/dev/null || {
    echo "could not split the screen into two monitors" >&2
    exit 1
}
"$@"
