#!/usr/bin/env bash
# A long fuzzing campaign of the palette reader and the palette file layer (clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer). Each target runs until RUNS inputs
# (default 10 million) or MAX_TIME seconds (default: no limit), growing its corpus under
# build/fuzz/corpus-<target> from the seed corpus in tests/palette/corpus, then prints its
# figures: inputs, inputs per second, coverage, and any crash (kept as crash-* files).
# Usage: [RUNS=n] [MAX_TIME=s] scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
runs=${RUNS:-10000000}
max_time=${MAX_TIME:-0}
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSV_SANITIZE=ON \
    -DSV_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz --target palette_fuzz palette_file_fuzz
status=0
for target in palette_fuzz palette_file_fuzz; do
    corpus=build/fuzz/corpus-$target
    mkdir -p "$corpus"
    echo "== $target"
    if ! ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
        "build/fuzz/tests/palette/$target" -runs="$runs" -max_total_time="$max_time" \
        -max_len=70000 -timeout=10 -print_final_stats=1 -artifact_prefix=build/fuzz/ \
        "$corpus" tests/palette/corpus 2>build/fuzz/$target.log; then
        status=1
        echo "   a crash: see build/fuzz/$target.log and build/fuzz/crash-*"
    fi
    grep -E '^#[0-9]+[[:space:]]+(DONE|INITED)|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
        build/fuzz/$target.log | sed 's/^/   /'
done
exit $status
