#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer into build-asan/ and runs it. The first report
# of either ends the process with an error, so any finding fails the run.
# Usage: scripts/sanitize.sh [--build-only]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVEX_BENCH=OFF -DQUORVEX_TEST_TIMEOUT=1200 "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
scripts/sanitizer-env.sh cmake --build build-asan -j "$jobs"
[ "${1:-}" = "--build-only" ] && exit 0
export QT_QPA_PLATFORM=offscreen
scripts/sanitizer-env.sh ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"
