#!/usr/bin/env bash
# Times tripconf-cli history and vehicles over a history of 500 vehicles and 10,000 events
# (target: well under 100 ms each): in-process medians of 11 from the test binary, then the
# whole command, process start included, as medians of RUNS runs (default 11); the Vehicles
# window's opening and its slowest keystroke of a search. Release build.
# Usage: scripts/bench-history.sh [build folder]   (default: build-release, configured if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-release}
runs=${RUNS:-11}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target test_cli test_app tripconf-cli >/dev/null

data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
TRIP_BENCH_DATA_DIR="$data" "$build/tests/test_cli" --gtest_also_run_disabled_tests \
    --gtest_filter='HistoryBenchmark.*' | grep -E 'filled|median|OK|FAILED'
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/tests/test_app" \
    --gtest_also_run_disabled_tests --gtest_filter='VehiclesDlgBenchmark.*' |
    grep -E 'opened|slowest|OK|FAILED'

cli="$build/tools/cli/tripconf-cli"
for command in "history" "history --json" "vehicles" "vehicles --json"; do
    times=()
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        # shellcheck disable=SC2086 # the command's words
        "$cli" $command --data-dir "$data" >/dev/null
        times+=($((($(date +%s%N) - start) / 1000)))
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
    printf '%s, whole command, median of %d: %d.%d ms\n' "$command" "$runs" \
        $((median / 1000)) $((median % 1000 / 100))
done
