#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and starts Quorvex.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
exec build/bin/quorvex "$@"
