#!/usr/bin/env bash
# The running program's main window as the desktop sees it on X11: its WM_CLASS class is the
# desktop file's StartupWMClass, and it carries an icon (_NET_WM_ICON).
# Usage: check-window-identity.sh <path to Spectrivue> <desktop file>  (under xvfb-run)
set -uo pipefail
bin=$1
desktop=$2
fail() { echo "$*" >&2; kill "$app" 2>/dev/null; exit 1; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home QT_QPA_PLATFORM=xcb "$bin" >/dev/null 2>&1 &
app=$!
# The splash, of the same name, stands 1.5 s; the main window is the one left after it.
timeout 20 xdotool search --sync --onlyvisible --name '^Spectrivue$' >/dev/null
sleep 4
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Spectrivue$' | head -1)
[ -n "$win" ] || fail "no main window appeared"
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$expected" ] || fail "the desktop file names no StartupWMClass"
class=$(xprop -id "$win" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[ "$class" = "$expected" ] || fail "WM_CLASS class is '$class', the desktop file says '$expected'"
icon=$(xprop -id "$win" _NET_WM_ICON)
grep -q 'Icon (' <<<"$icon" || fail "the window has no icon"
kill "$app"
echo "window class and icon as the desktop file says"
