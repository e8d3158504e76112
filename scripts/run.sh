#!/usr/bin/env bash
# Builds Spectrivue (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSV_BUILD_BENCH=OFF
cmake --build build/release --target Spectrivue
exec build/release/Spectrivue "$@"
