#!/usr/bin/env bash
# Checks the Debian package: its control fields, lintian's verdict, the licence notices it
# carries, that it holds exactly the expected files, and,
# as root (as CI runs), that apt installs it with its dependencies and the installed program
# answers --version; the package is removed again afterwards.
# Usage: check-deb.sh <package.deb> <expected-files.txt> <version>
set -euo pipefail
deb=$1
expected=$2
version=$3
fail() { echo "$*" >&2; exit 1; }

info=$(dpkg-deb -I "$deb")
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = spectrivue ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
grep -q 'libqt6widgets6' <<<"$(field Depends)" || fail "Depends lacks the Qt libraries: $(field Depends)"
grep -q 'qt6-qpa-plugins' <<<"$(field Depends)" || fail "Depends lacks the platform plugins"
grep -q 'qt6-image-formats-plugins' <<<"$(field Recommends)" || fail "Recommends: $(field Recommends)"
grep -q 'xdg-desktop-portal' <<<"$(field Recommends)" || fail "Recommends: $(field Recommends)"
[ -n "$(field Description)" ] || fail "no Description"
# What Debian's checker says of it: no error and no warning (notes are allowed).
lintian --fail-on error,warning "$deb" ||
    fail "lintian finds errors or warnings in $deb"
# The licence notices travel with the program.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/spectrivue/copyright)
grep -q 'Permission is hereby granted, free of charge' <<<"$copyright" || fail "copyright lacks the licence"
grep -q 'Copyright Resene Paints Ltd 2001' <<<"$copyright" || fail "copyright lacks the names' notice"
# D-Bus starts the program where the package puts it.
service=$(dpkg-deb --fsys-tarfile "$deb" |
    tar -xO ./usr/share/dbus-1/services/org.spectrivue.spectrivue.service)
grep -qx 'Exec=/usr/bin/Spectrivue' <<<"$service" || fail "the D-Bus service starts: $service"
grep -q 'wl-clipboard' <<<"$(field Recommends)" || fail "Recommends lacks wl-clipboard"
grep -q 'fonts-noto-cjk' <<<"$(field Recommends)" || fail "Recommends lacks the CJK font"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' | sort >/tmp/deb-files.$$
if ! diff -u <(sort "$expected") /tmp/deb-files.$$; then
    rm -f /tmp/deb-files.$$
    fail "the package's files differ from $expected"
fi
rm -f /tmp/deb-files.$$

if [ "$(id -u)" != 0 ]; then
    [ -z "${CI:-}" ] || fail "CI runs as root and must install the package"
    echo "package checked; installing it needs root: skipped"
    exit 0
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" >/dev/null
out=$(env -u DISPLAY /usr/bin/Spectrivue --version)
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq spectrivue >/dev/null
[ "$out" = "Spectrivue $version" ] || fail "the installed program printed: $out"
echo "package checked, installed and run"
