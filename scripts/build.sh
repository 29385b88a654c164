#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
# quiet when it works; the whole output when it does not, so the cause shows
if ! configure_log=$(cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" 2>&1); then
    printf '%s\n' "$configure_log" >&2
    echo "Configuring failed; the output is above." >&2
    exit 1
fi
cmake --build build -j "$jobs"
