#!/usr/bin/env bash
# Builds Spectrivue (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Spectrivue
exec build/release/Spectrivue "$@"
