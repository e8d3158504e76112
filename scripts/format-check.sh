#!/usr/bin/env bash
# Fails when a C++ file of the project is not as clang-format (with the repository's
# .clang-format) would write it, and names the files.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
    echo "Unformatted files: run clang-format -i on the files named above." >&2
    exit 1
fi
echo "every C++ file is formatted"
