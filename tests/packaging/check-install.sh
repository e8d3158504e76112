#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR with prefix /usr and checks what lands there: exactly
# the expected files, a desktop file and metainfo that validate, and an icon of the name the
# desktop file gives.
# Usage: check-install.sh <build dir> <expected-files.txt>
set -euo pipefail
build=$1
expected=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
(cd "$dest" && find . -type f -o -type l | sed 's|^\.||' | sort) >"$dest.list"
if ! diff -u <(sort "$expected") "$dest.list"; then
    echo "the installed files differ from $expected" >&2
    rm -f "$dest.list"
    exit 1
fi
rm -f "$dest.list"
desktop="$dest/usr/share/applications/org.spectrivue.spectrivue.desktop"
desktop-file-validate "$desktop"
# Launchers offer "Pick a Colour"; a launcher that speaks D-Bus finds the service that starts us.
grep -qx 'Actions=pick;' "$desktop"
grep -qx 'DBusActivatable=true' "$desktop"
sed -n '/^\[Desktop Action pick\]$/,$p' "$desktop" | grep -qx 'Exec=Spectrivue --pick --copy'
sed -n '/^\[Desktop Action pick\]$/,$p' "$desktop" | grep -q '^Name\[pt_BR\]='
service="$dest/usr/share/dbus-1/services/org.spectrivue.spectrivue.service"
grep -qx 'Name=org.spectrivue.spectrivue' "$service"
grep -qx 'Exec=/.*/bin/Spectrivue' "$service"
appstreamcli validate --pedantic --no-net "$dest/usr/share/metainfo/org.spectrivue.spectrivue.metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls "$dest/usr/share/icons/hicolor/scalable/apps/$icon.svg" >/dev/null
# The documents say what the package holds: the X11 colours' licence text in the copyright
# file, and no manual page that Debian lacks.
doc="$dest/usr/share/doc/spectrivue"
grep -q '^License: x11-common$' "$doc/copyright"
grep -q 'Copyright 1996-2002 Software in the Public Interest' "$doc/copyright"
if grep -q 'sources/x11-common' "$doc/copyright"; then
    echo "the colour-names notice points at a file the package does not hold" >&2
    exit 1
fi
if zcat "$dest/usr/share/man/man1/Spectrivue.1.gz" | grep -q 'xdg\\-desktop\\-portal (1)'; then
    echo "the manual page refers to a manual page Debian 12 lacks" >&2
    exit 1
fi
zcat "$doc/changelog.gz" | grep -q 'Brazilian Portuguese'
echo "installed files, desktop file and metainfo are as expected"
