#!/usr/bin/env bash
# --help and --version print and exit without a display, whatever Qt options stand beside
# them; Qt's own options (those session restore passes among them) start the program; an
# option neither Qt nor the program knows is a one-line error with exit status 2.
# Usage: check-command-line.sh <path to Spectrivue>
set -uo pipefail
bin=$1
unset DISPLAY WAYLAND_DISPLAY
fail() { echo "$*" >&2; exit 1; }

out=$("$bin" --version) || fail "--version failed"
[ "$out" = "Spectrivue @PROJECT_VERSION@" ] || fail "--version printed: $out"
out=$("$bin" --help) || fail "--help failed"
grep -q -- '--version' <<<"$out" || fail "--help does not list --version"
out=$("$bin" -style fusion --version -session abc) || fail "--version beside Qt options failed"
[ "$out" = "Spectrivue @PROJECT_VERSION@" ] || fail "--version beside Qt options printed: $out"

# The formats are listed without a display, the default first; a pick's options are checked
# before any display is asked for.
out=$("$bin" --list-formats) || fail "--list-formats failed"
[ "$(head -1 <<<"$out")" = "html       #0A5A5A" ] || fail "--list-formats printed: $out"
grep -qx 'photoshop  0A5A5A' <<<"$out" || fail "--list-formats lacks photoshop: $out"
for bad in "--format nonsense" "--average 4" "--copy" "--format {q}"; do
    # shellcheck disable=SC2086
    err=$("$bin" --pick $bad 2>&1 >/dev/null)
    status=$?
    [ "$bad" = "--copy" ] && err=$("$bin" --copy 2>&1 >/dev/null) && status=$?
    [ $status -eq 2 ] || fail "--pick $bad ended with $status"
    [ "$(wc -l <<<"$err")" -eq 1 ] || fail "--pick $bad printed more than one line: $err"
done

# The rest needs a display: the offscreen one.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
chmod 700 "$home"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$home
# A pick where the screen cannot be read at all fails with a reason.
err=$("$bin" --pick 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "--pick offscreen ended with $status"
grep -q 'cannot be read' <<<"$err" || fail "--pick offscreen said: $err"
err=$("$bin" --bogus-option 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "--bogus-option ended with $status"
[ "$(wc -l <<<"$err")" -eq 1 ] || fail "--bogus-option printed more than one line: $err"
grep -q 'bogus-option' <<<"$err" || fail "the error does not name the option: $err"

# Qt's options are Qt's: the program starts (and is ended after a second, status 124).
for options in "-session 1234abcd_5678" "-platformtheme generic" "-platformpluginpath /nonexistent" \
        "-widgetcount" "-reverse" "-style fusion"; do
    # shellcheck disable=SC2086
    XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home timeout 1 "$bin" $options >/dev/null 2>"$home/err"
    status=$?
    [ $status -eq 124 ] || fail "$options ended with $status: $(cat "$home/err")"
done
echo "command line as expected"
