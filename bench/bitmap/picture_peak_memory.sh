#!/usr/bin/env bash
# Peak resident memory of the picture colour window for the largest pictures it accepts (8192²
# at 8 bits, just under the 256 MB limit decoded) and for ones it refuses before decoding (16-bit
# and progressive JPEG of the same size), each opened and tabled in a process of its own.
# Usage: bench/bitmap/picture_peak_memory.sh [path/to/picture_peak_memory]
set -euo pipefail
bin=${1:-build/dev/bench/bitmap/picture_peak_memory}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
for case in "png 8192 8192" "jpeg 8192 8192" "progressive 8192 8192" "progressive 6000 6000" \
        "png16 8192 8192" "png16 5792 5792"; do
    read -r kind w h <<<"$case"
    file=$work/$kind-$w.$([ "${kind#png}" != "$kind" ] && echo png || echo jpg)
    "$bin" make "$file" "$w" "$h" "$kind"
    echo "== $kind $w x $h ($(du -k "$file" | cut -f1) kB on disk)"
    "$bin" load "$file" | sed 's/^/   /'
done
