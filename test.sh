#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest; then again under
# AddressSanitizer and UndefinedBehaviorSanitizer in a second build folder; then a few
# seconds of each fuzz target and a short fault soak. Also checks where POSIX headers
# appear and builds and checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
jobs=$(nproc)
werror=OFF
[ -n "${CI:-}" ] && werror=ON
export QT_QPA_PLATFORM=offscreen

echo "== POSIX headers only where the Windows port expects them"
scripts/check-posix-headers.sh

echo "== normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DTRIP_WERROR=$werror >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Debian package (from the normal build)"
scripts/package.sh --check build

echo "== sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTRIP_SANITIZE=ON -DTRIP_WERROR=$werror >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [ -x scripts/run-fuzz.sh ]; then
    echo "== fuzzing every reader of outside bytes, a few seconds each"
    FUZZ_SECONDS="${FUZZ_SECONDS:-5}" scripts/run-fuzz.sh
fi

echo "== a short fault soak"
BUILD_DIR=build scripts/soak.sh --cycles 5
