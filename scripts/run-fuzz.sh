#!/usr/bin/env bash
# Builds the link's reply-path fuzzer into build-fuzz/ and runs it for a short while
# (FUZZ_SECONDS, default 20). Without clang there is nothing to do.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SECONDS:-20}"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "run-fuzz: clang++ not found; the fuzz run is skipped"
    exit 0
fi

cmake -S "$root/tests/fuzz" -B "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" -j2

corpus="$root/build-fuzz/corpus"
mkdir -p "$corpus"
echo "run-fuzz: link_reply_fuzz for ${seconds} s"
log="$root/build-fuzz/fuzz.log"
status=0
(cd "$root/build-fuzz" && ./link_reply_fuzz -max_total_time="$seconds" -max_len=1024 \
    -print_final_stats=1 "$corpus" "$root/tests/fuzz/seeds") >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "run-fuzz: the fuzzer found a failure (crash input in $root/build-fuzz, log $log)"
    exit "$status"
fi
grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
echo "run-fuzz: no failure found"
