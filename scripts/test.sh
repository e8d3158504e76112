#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a plain build, then one under
# AddressSanitizer + UndefinedBehaviorSanitizer (with clang, which also builds the fuzzers).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
scripts/format-check.sh

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

# The release build, as scripts/run.sh makes it, packaged as a .deb: the package's fields and
# files are checked, and (as root) it is installed with apt and its program run.
cmake --preset release
cmake --build --preset release -j "$jobs"
version=$(sed -n 's/^project(Spectrivue VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
(cd build/release && cpack -G DEB)
tests/packaging/check-deb.sh "build/release/spectrivue_${version}_$(dpkg --print-architecture).deb" \
    tests/packaging/expected-files.txt "$version"
