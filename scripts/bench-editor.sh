#!/usr/bin/env bash
# Times opening the settings editor on a read settings image, with every display page
# (target 300 ms), switching to each display layout page with its previews painted
# (target 50 ms), and making the change list of a write that changes every setting;
# offscreen, medians of five.
# Usage: scripts/bench-editor.sh [build folder]   (default: build, configured if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target test_editor >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tests/test_editor" --gtest_also_run_disabled_tests \
    --gtest_filter='EditorTest.DISABLED_OpeningBenchmark:EditorTest.DISABLED_ChangeListBenchmark:LayoutPageTest.DISABLED_SwitchingBenchmark' |
    grep -E 'median|OK|FAILED'
