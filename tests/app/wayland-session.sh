#!/usr/bin/env bash
# Runs the Wayland pick test in a real headless desktop: sway (two 1280 x 800 outputs, every
# pixel of each a colour of its own), PipeWire and the real desktop portal (xdg-desktop-portal
# with its wlr and gtk backends; SV_WAYLAND_WITHOUT_GTK=1 leaves the gtk one out) on a private
# session bus. sway refuses to run as root, so as root the session runs as the unprivileged
# user svtest (made when missing), with copies of the programs it needs, and in a mount
# namespace with a /tmp of its own: the wlr backend always writes its screenshots to
# /tmp/out.png, so two runs at once would otherwise read each other's.
# Usage: wayland-session.sh <Spectrivue> <virtual_pointer> <driver.py>
set -euo pipefail
program=$1
pointer=$2
driver=$3

if [ "${SV_WAYLAND_INSIDE:-}" != 1 ]; then
    # Outside /tmp, which the session may get a fresh one of.
    stage=$(mktemp -d /var/tmp/sv-wayland.XXXXXX)
    trap 'rm -rf "$stage"' EXIT
    mkdir "$stage/bin" "$stage/tmp"
    cp "$program" "$pointer" "$driver" "$0" "$(dirname "$0")"/wayland_*.py "$stage/bin/"
    chmod 755 "$stage" "$stage/bin" "$stage"/bin/*
    chmod 1777 "$stage/tmp"
    bin=$stage/bin
    run=(env SV_WAYLAND_INSIDE=1 "SV_WAYLAND_WITHOUT_GTK=${SV_WAYLAND_WITHOUT_GTK:-}"
         "SV_BENCH_ROUNDS=${SV_BENCH_ROUNDS:-}" "SV_WAYLAND_PLATFORM=${SV_WAYLAND_PLATFORM:-}"
         dbus-run-session -- bash "$bin/$(basename "$0")" "$bin/$(basename "$program")"
         "$bin/$(basename "$pointer")" "$bin/$(basename "$driver")")
    if [ "$(id -u)" -eq 0 ]; then
        # One run at a time makes the user: two at once may both find it missing.
        flock /var/tmp/sv-svtest.lock sh -c \
            'id svtest >/dev/null 2>&1 || useradd --create-home --shell /bin/bash svtest'
        if unshare -m --propagation private true 2>/dev/null; then
            # shellcheck disable=SC2016
            unshare -m --propagation private bash -c \
                'mount --bind "$0" /tmp && exec runuser -u svtest -- "$@"' "$stage/tmp" "${run[@]}"
        else
            runuser -u svtest -- "${run[@]}"
        fi
    else
        "${run[@]}"
    fi
    exit $?
fi

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d /tmp/sv-runtime.XXXXXX)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config XDG_DATA_HOME=$XDG_RUNTIME_DIR/data
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
children=()
cleanup() {
    kill "${children[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    # The document portal mounts a file system here; it goes with the session.
    fusermount3 -u -z "$XDG_RUNTIME_DIR/doc" 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR" 2>/dev/null || true
}
trap cleanup EXIT

here=$(dirname "$driver")
for output in 0 1; do
    /usr/bin/python3 "$here/wayland_pattern.py" $output 1280 800 "$XDG_RUNTIME_DIR/output$output.png"
done
cat > "$XDG_RUNTIME_DIR/clock.py" <<'CLOCK'
import time
while True:
    print(time.time_ns(), flush=True)
    time.sleep(0.005)
CLOCK
cat > "$XDG_RUNTIME_DIR/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x800 position 0 0 bg $XDG_RUNTIME_DIR/output0.png center
output HEADLESS-2 resolution 1280x800 position 1280 0 bg $XDG_RUNTIME_DIR/output1.png center
# A clock along the bottom of each output that changes every few milliseconds, hidden until a
# driver shows it: the marker that tells a frozen picture of the screen from the live one.
bar {
    id marker
    mode invisible
    position bottom
    status_command exec /usr/bin/python3 $XDG_RUNTIME_DIR/clock.py
}
CONF
WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2 WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$XDG_RUNTIME_DIR/sway.conf" >"$XDG_RUNTIME_DIR/sway.log" 2>&1 &
sway_pid=$!
children+=($!)
pipewire >"$XDG_RUNTIME_DIR/pipewire.log" 2>&1 &
children+=($!)
for _ in $(seq 1 100); do
    socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'wayland-[0-9]' -printf '%f\n' | head -1)
    [ -n "$socket" ] && break
    sleep 0.1
done
if [ -z "${socket:-}" ]; then
    echo "sway did not start:"
    cat "$XDG_RUNTIME_DIR/sway.log"
    exit 1
fi
export WAYLAND_DISPLAY=$socket
# sway's X server for X11 programs (XWayland), started on the first connection: its display is
# the one whose lock file holds sway's own process id.
for lock in /tmp/.X*-lock; do
    if [ -f "$lock" ] && [ "$(tr -cd '0-9' <"$lock")" = "$sway_pid" ]; then
        SV_XWAYLAND_DISPLAY=:${lock#/tmp/.X}
        export SV_XWAYLAND_DISPLAY=${SV_XWAYLAND_DISPLAY%-lock}
    fi
done
SWAYSOCK=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*' | head -1)
export SWAYSOCK
# The wlr backend serves Screenshot for sway; the gtk backend the Access interface it needs.
export XDG_CURRENT_DESKTOP=sway:GNOME
dbus-update-activation-environment WAYLAND_DISPLAY XDG_RUNTIME_DIR XDG_CURRENT_DESKTOP
/usr/libexec/xdg-desktop-portal-wlr >"$XDG_RUNTIME_DIR/portal-wlr.log" 2>&1 &
children+=($!)
export SV_PORTAL_WLR_PID=$! # the driver restarts this one, and no other run's
if [ "${SV_WAYLAND_WITHOUT_GTK:-}" = 1 ]; then
    mkdir -p "$XDG_RUNTIME_DIR/portals"
    cp /usr/share/xdg-desktop-portal/portals/wlr.portal "$XDG_RUNTIME_DIR/portals/"
    export XDG_DESKTOP_PORTAL_DIR=$XDG_RUNTIME_DIR/portals
else
GDK_BACKEND=wayland /usr/libexec/xdg-desktop-portal-gtk >"$XDG_RUNTIME_DIR/portal-gtk.log" 2>&1 &
children+=($!)
fi
/usr/libexec/xdg-desktop-portal >"$XDG_RUNTIME_DIR/portal.log" 2>&1 &
children+=($!)

status=0
/usr/bin/python3 "$driver" "$program" "$pointer" || status=$?
if [ $status -ne 0 ]; then
    for log in sway portal-wlr portal spectrivue; do
        [ -f "$XDG_RUNTIME_DIR/$log.log" ] && { echo "--- $log.log"; tail -20 "$XDG_RUNTIME_DIR/$log.log"; }
    done
fi
exit $status
