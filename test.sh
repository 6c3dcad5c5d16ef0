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

# The soak spends nearly all its time waiting for the line, so it runs beside the builds below.
echo "== a short fault soak (in the background; its report comes at the end)"
soak_log="$(mktemp)"
build/tools/soak/trip-soak --cycles 5 >"$soak_log" 2>&1 &
soak_pid=$!
trap 'kill "$soak_pid" 2>/dev/null || true' EXIT

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

echo "== the fault soak's report"
soak_status=0
wait "$soak_pid" || soak_status=$?
cat "$soak_log"
rm -f "$soak_log"
exit "$soak_status"
