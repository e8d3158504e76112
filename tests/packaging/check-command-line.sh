#!/usr/bin/env bash
# --help and --version print and exit without a display; an unknown option is a one-line
# error with exit status 2.
# Usage: check-command-line.sh <path to Spectrivue>
set -uo pipefail
bin=$1
unset DISPLAY WAYLAND_DISPLAY
fail() { echo "$*" >&2; exit 1; }

out=$("$bin" --version) || fail "--version failed"
[ "$out" = "Spectrivue @PROJECT_VERSION@" ] || fail "--version printed: $out"
out=$("$bin" --help) || fail "--help failed"
grep -q -- '--version' <<<"$out" || fail "--help does not list --version"
err=$("$bin" --bogus-option 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "--bogus-option ended with $status"
[ "$(wc -l <<<"$err")" -eq 1 ] || fail "--bogus-option printed more than one line: $err"
grep -q 'bogus-option' <<<"$err" || fail "the error does not name the option: $err"
echo "command line as expected"
