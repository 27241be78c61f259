#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs the whole test suite three times: in an ordinary build,
# built by clang with AddressSanitizer and UndefinedBehaviorSanitizer (which also runs the fuzz
# targets for a bounded time), and built by clang with ThreadSanitizer. Qt tests use the offscreen
# platform; the end-to-end runs start their own virtual X servers, so no display is needed. Tests
# run two at a time, the end-to-end runs alone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)
# Builds share compiled objects through ccache where it is installed. Paths are hashed relative to
# the checkout, so a clone in another folder is served from the same cache.
if command -v ccache >/dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON
cmake --build build -j"$jobs"
# A photograph of a face for the face-following tests, fetched from Debian's archive.
bash tests/support/fetch_face_photo.sh build/test-data
(cd build && ctest --output-on-failure -j"$jobs")

# The sanitizer runs. GLib's slice allocator keeps freed blocks for reuse without telling the
# sanitizers; with G_SLICE=always-malloc every block goes through malloc and free, which they see.
export G_SLICE=always-malloc

# AddressSanitizer and UndefinedBehaviorSanitizer, with leak detection. tools/lsan.supp names the
# few library caches kept until the process ends.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUENVALOR_SANITIZE=ON \
    -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON -DQUENVALOR_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
bash tests/support/fetch_face_photo.sh build-sanitize/test-data
(cd build-sanitize && ctest --output-on-failure -j"$jobs")

# ThreadSanitizer over every test, the end-to-end runs included. tools/tsan.supp skips only the
# libraries' own calls into its interceptors; every access of the program's own code is checked,
# and the canary tests prove it.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tools/tsan.supp"
CC=clang CXX=clang++ cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALOR_TSAN=ON \
    -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON -DQUENVALOR_BENCHMARKS=OFF
cmake --build build-tsan -j"$jobs"
bash tests/support/fetch_face_photo.sh build-tsan/test-data
(cd build-tsan && ctest --output-on-failure -j"$jobs")
