#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs the whole test suite twice: once in an ordinary build,
# once built by clang with AddressSanitizer and UndefinedBehaviorSanitizer (which also runs the
# fuzz targets for a bounded time). A third, ThreadSanitizer build by clang runs the suites whose
# code runs threads. Qt tests use the offscreen platform; the end-to-end test starts its own
# virtual X server, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)
# Builds share compiled objects through ccache where it is installed.
if command -v ccache >/dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON
cmake --build build -j"$jobs"
# A photograph of a face for the face-following tests, fetched from Debian's archive.
bash tests/support/fetch_face_photo.sh build/test-data
(cd build && ctest --output-on-failure)

# Library code outside the project (GStreamer, fontconfig, Qt) keeps caches alive until exit;
# leak reports are left to the fuzz targets, which ask for them themselves.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUENVALOR_SANITIZE=ON \
    -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON -DQUENVALOR_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
bash tests/support/fetch_face_photo.sh build-sanitize/test-data
(cd build-sanitize && ctest --output-on-failure)

# ThreadSanitizer: only the programs of the suites with threads in them are built (the recorder,
# the camera and its frame road, the platform's events and lock, the effect engine, and the
# window's recording tests), to keep the run short.
# Copies made by library code through memcpy (GStreamer's audio ring buffer, for one, on every
# buffer of sound) are not checked: each would be reported and suppressed, which slows capture
# below real time. This program's own reads and writes are all checked.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_interceptors_accesses=1 suppressions=$PWD/tools/tsan.supp"
CC=clang CXX=clang++ cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALOR_TSAN=ON \
    -DQUENVALOR_WERROR=ON -DQUENVALOR_TESTS=ON -DQUENVALOR_BENCHMARKS=OFF
cmake --build build-tsan -j"$jobs" --target recording_tests recording_crash_writer capture_tests \
    platform_tests effects_tests app_tests
(
    cd build-tsan/tests
    export QUENVALOR_PATTERN_CAMERA=1 QT_QPA_PLATFORM=offscreen
    ./recording_tests
    ./capture_tests
    ./platform_tests
    ./effects_tests --gtest_filter='Effects_EffectEngine*'
    ./app_tests --gtest_filter='RecordingFixture.*:App_MainDialog*:WebcamSourceFixture.Microphone*'
)
