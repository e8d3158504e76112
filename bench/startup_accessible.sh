#!/usr/bin/env bash
# bench/startup.sh with the accessibility bus up and Qt's AT-SPI bridge on, as under a screen
# reader: a private D-Bus session with the AT-SPI bus and registry started before the runs.
# Needs at-spi2-core and python3-xlib. Usage: bench/startup_accessible.sh [path/to/Spectrivue]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
bin=$(realpath "${1:-build/release/Spectrivue}")
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" "$1" | head -3' "$here/startup.sh" "$bin"
