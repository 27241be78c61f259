#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs the whole test suite twice: once in an ordinary build,
# once built by clang with AddressSanitizer and UndefinedBehaviorSanitizer (which also runs the
# fuzz targets for a bounded time). Qt tests use the offscreen platform; the end-to-end test
# starts its own virtual X server, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure)

# Library code outside the project (GStreamer, fontconfig, Qt) keeps caches alive until exit;
# leak reports are left to the fuzz targets, which ask for them themselves.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUENVALOR_SANITIZE=ON \
    -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON -DQUENVALOR_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure)
