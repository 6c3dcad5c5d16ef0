#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ and runs each for a while:
#   link_reply_fuzz     bytes from the serial line        (seeds tests/fuzz/seeds)
#   settings_file_fuzz  settings files, journals, show    (seeds tests/data, tests/data/fuzz/settings)
#   side_files_fuzz     tank and maintenance files        (seeds tests/data/fuzz/side-files)
#   app_ini_fuzz        the application settings file     (seeds tests/data/fuzz/app-ini)
#
#   scripts/run-fuzz.sh                  each target FUZZ_SECONDS (default 5) seconds
#   scripts/run-fuzz.sh --minutes N      each target N minutes (a campaign)
#   scripts/run-fuzz.sh TARGET...        only these targets
#
# Prints executions and crashes per target; exits 1 when any target found a failure (its
# input is kept in build-fuzz/crashes/TARGET, the log beside it). Without clang there is
# nothing to do.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-5}"
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --minutes)
        seconds=$(( ${2:?--minutes needs a number} * 60 ))
        shift 2
        ;;
    *)
        targets+=("$1")
        shift
        ;;
    esac
done
[ ${#targets[@]} -eq 0 ] &&
    targets=(link_reply_fuzz settings_file_fuzz side_files_fuzz app_ini_fuzz)

if ! command -v clang++ >/dev/null 2>&1; then
    echo "run-fuzz: clang++ not found; the fuzz run is skipped"
    exit 0
fi

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

seeds_of() {
    case "$1" in
    link_reply_fuzz) echo "$root/tests/fuzz/seeds" ;;
    settings_file_fuzz) echo "$root/tests/data/fuzz/settings" ;;
    side_files_fuzz) echo "$root/tests/data/fuzz/side-files" ;;
    app_ini_fuzz) echo "$root/tests/data/fuzz/app-ini" ;;
    esac
}
max_len_of() {
    case "$1" in
    settings_file_fuzz) echo 8400 ;; # a full image and a little more
    *) echo 1024 ;;
    esac
}

# Targets write every input to a scratch file (QTemporaryDir): in memory where there is a
# place for it, since on a busy disk each rewrite of that file waits for the disk.
scratch="${TMPDIR:-}"
if [ -z "$scratch" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratch=/dev/shm
fi

failed=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    crashes="$build/crashes/$target"
    mkdir -p "$corpus" "$crashes"
    # The golden settings file is a seed too (libFuzzer takes folders, not single files).
    [ "$target" = settings_file_fuzz ] && cp "$root/tests/data/golden.veltg" "$corpus/"
    log="$crashes/fuzz.log"
    status=0
    # Seeds are read from their folders; what the fuzzer learns goes to the corpus folder.
    # shellcheck disable=SC2046
    (cd "$crashes" && TMPDIR="${scratch:-/tmp}" QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp" \
        "$build/$target" -max_total_time="$seconds" -max_len="$(max_len_of "$target")" \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" $(seeds_of "$target")) >"$log" 2>&1 || status=$?
    runs=$(grep -E '^stat::number_of_executed_units' "$log" | tail -n 1 | awk '{print $2}' || true)
    if [ "$status" -ne 0 ]; then
        failed=1
        tail -n 40 "$log"
        echo "run-fuzz: $target: ${runs:-?} executions, 1 crash (input and log in $crashes)"
    else
        echo "run-fuzz: $target: ${runs:-?} executions in ${seconds} s, 0 crashes"
    fi
done
exit "$failed"
