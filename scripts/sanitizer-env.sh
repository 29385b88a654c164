#!/usr/bin/env bash
# Runs a command with the sanitizer settings of build-asan/: stop at the
# first report, look for leaks at exit, and skip the leaks of the system's
# own libraries listed in scripts/lsan.supp.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0:strict_string_checks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec "$@"
