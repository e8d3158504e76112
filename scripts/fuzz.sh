#!/usr/bin/env bash
# A long fuzzing campaign of every fuzz target (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer). Each target runs until RUNS inputs (default 10 million) or
# MAX_TIME seconds (default: no limit), growing its corpus under build/fuzz/corpus-<target>
# from its seed corpus in tests/, then prints its figures: inputs, inputs per second, coverage,
# and any crash (kept as crash-* files). TARGETS picks some of them (default: all).
# Usage: [RUNS=n] [MAX_TIME=s] [TARGETS="picture_fuzz settings_fuzz"] scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
runs=${RUNS:-10000000}
max_time=${MAX_TIME:-0}
# target: the test folder it is built in, and its seed corpus there
declare -A folder=(
    [palette_fuzz]=palette/corpus [palette_file_fuzz]=palette/corpus
    [picture_fuzz]=bitmap/corpus-picture [settings_fuzz]=dialogs/corpus-settings
    [portal_answer_fuzz]=app/corpus-portal [drag_payload_fuzz]=color/corpus-drag
    [number_fuzz]=color/corpus-number [color_text_fuzz]=color/corpus-color-text
    [gimp_palette_fuzz]=palette/corpus-gpl [adobe_swatches_fuzz]=palette/corpus-ase
)
targets=${TARGETS:-${!folder[*]}}
cmake --preset fuzz >/dev/null
# shellcheck disable=SC2086
cmake --build --preset fuzz --target $targets
status=0
for target in $targets; do
    corpus=build/fuzz/corpus-$target
    seeds=tests/${folder[$target]}
    mkdir -p "$corpus"
    echo "== $target"
    if ! ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
        "build/fuzz/${seeds%/*}/$target" -runs="$runs" -max_total_time="$max_time" \
        -max_len=70000 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "$corpus" "$seeds" 2>build/fuzz/$target.log; then
        status=1
        echo "   a crash: see build/fuzz/$target.log and build/fuzz/crash-*"
    fi
    grep -E '^#[0-9]+[[:space:]]+(DONE|INITED)|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
        build/fuzz/$target.log | sed 's/^/   /'
done
exit $status
