#!/usr/bin/env bash
# Lets the random-use tests roam for a given time under the sanitizers, a
# fresh seed each run, and sums up what happened. Every failing run keeps its
# output in build-asan/roam/seed-<seed>.txt; the seed reproduces it:
#   QUORVEX_MONKEY_SEED=<seed> QUORVEX_MONKEY_STEPS=<steps> \
#     scripts/sanitizer-env.sh build-asan/bin/main_window_tests --gtest_filter='Roam.*:Monkey.*'
# Usage: scripts/roam.sh [minutes (30)] [steps per run (3000)] [--no-build]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-30}
steps=${2:-3000}
[ "${3:-}" = "--no-build" ] || scripts/sanitize.sh --build-only
binary=build-asan/bin/main_window_tests
mkdir -p build-asan/roam
log=build-asan/roam/roam.log
: > "$log"
export QT_QPA_PLATFORM=offscreen QUORVEX_MONKEY_STEPS=$steps
end=$(( $(date +%s) + minutes * 60 ))
runs=0 failures=0
while [ "$(date +%s)" -lt "$end" ]; do
    seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
    out=build-asan/roam/run.txt
    status=0
    # a run that hangs is a finding as well
    QUORVEX_MONKEY_SEED=$seed timeout 900 scripts/sanitizer-env.sh "$binary" \
        --gtest_filter='Roam.*:Monkey.*' > "$out" 2>&1 || status=$?
    runs=$((runs + 1))
    if [ "$status" -eq 0 ]; then
        echo "$(date +%T) seed $seed steps $steps ok" >> "$log"
    else
        failures=$((failures + 1))
        cp "$out" "build-asan/roam/seed-$seed.txt"
        echo "$(date +%T) seed $seed steps $steps FAILED (status $status)" >> "$log"
    fi
done
echo "runs: $runs, steps per test and run: $steps, failed runs: $failures (log: $log)"
[ "$failures" -eq 0 ]
