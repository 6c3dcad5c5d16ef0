#!/usr/bin/env bash
# Times the screen painter: each screen kind, and all editor previews together (offscreen,
# medians of 101 runs, Release build).
# Usage: scripts/bench-screens.sh [build folder]   (default: build-release, configured if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-release}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target test_screens >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tests/test_screens" --gtest_also_run_disabled_tests \
    --gtest_filter='RenderBenchmark.*' | grep -E 'median|first|OK|FAILED'
