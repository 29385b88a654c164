#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --no-tests=error -j "$(nproc 2>/dev/null || echo 2)"
# the same suite again with AddressSanitizer and UndefinedBehaviorSanitizer
scripts/sanitize.sh
