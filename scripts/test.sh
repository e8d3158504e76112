#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a plain build, then one under
# AddressSanitizer + UndefinedBehaviorSanitizer (with clang, which also builds the fuzzers).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build/dev -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSV_WARNINGS_AS_ERRORS=ON
cmake --build build/dev -j "$jobs"
ctest --test-dir build/dev --output-on-failure --no-tests=error -j "$jobs"

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSV_SANITIZE=ON \
    -DSV_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure --no-tests=error -j "$jobs"

# The release build, as scripts/run.sh makes it, packaged as a .deb: the package's fields and
# files are checked, and (as root) it is installed with apt and its program run.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DSV_BUILD_BENCH=OFF
cmake --build build/release -j "$jobs"
version=$(sed -n 's/^project(Spectrivue VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
(cd build/release && cpack -G DEB)
tests/packaging/check-deb.sh "build/release/spectrivue_${version}_$(dpkg --print-architecture).deb" \
    tests/packaging/expected-files.txt "$version"
