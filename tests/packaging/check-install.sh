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
appstreamcli validate --pedantic --no-net "$dest/usr/share/metainfo/org.spectrivue.spectrivue.metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls "$dest/usr/share/icons/hicolor/scalable/apps/$icon.svg" >/dev/null
echo "installed files, desktop file and metainfo are as expected"
