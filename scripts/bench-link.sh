#!/usr/bin/env bash
# Link benchmark: a full read, a full write of every section, the write's read-back check and
# the write as the user sees it (connect, read the header and the sections' blocks, write,
# check; "user"), against tripsim paced at 19200 bit/s over a pseudo-terminal. For each it
# prints the wall time, the line-time floor (request + reply bytes x 11 bits / 19200, the echo
# overlapping the request), their ratio and the CPU time as a share of the wall time, then
# checks them against the targets. The same user's write reading the whole memory first, as
# writes once did ("user-old"), is timed in the same run; the user's write must take at most
# 0.67 of its time.
#
#   scripts/bench-link.sh [--strict]     (--strict: exit 1 when a target is missed)
#
# BUILD_DIR (default build-bench, a Release build of just the two programs it needs).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
strict=0
[ "${1:-}" = "--strict" ] && strict=1

max_ratio=1.10
max_cpu=10
max_user_share=0.67

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target tripsim trip-link-check >/dev/null

tmp="$(mktemp -d)"
tty="$tmp/ttyTRIP"
"$build/tools/tripsim/tripsim" --link "$tty" --baud 19200 >"$tmp/sim.log" 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do
    [ -e "$tty" ] && break
    sleep 0.1
done

echo "bench-link: tripsim at 19200 bit/s with echo; load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/tools/tripsim/trip-link-check" --port "$tty" --baud 19200 --old-flow | tee "$tmp/result"

missed=0
while read -r what ratio cpu; do
    verdict=ok
    if awk -v r="$ratio" -v c="$cpu" -v mr="$max_ratio" -v mc="$max_cpu" \
        'BEGIN { exit !(r > mr || c > mc) }'; then
        verdict="MISSED (targets: ratio <= $max_ratio, cpu <= $max_cpu %)"
        missed=1
    fi
    echo "bench-link: $what ratio $ratio, cpu $cpu % of wall: $verdict"
done < <(awk '$2 == "wall" && ($1 == "read" || $1 == "write" || $1 == "check" || $1 == "user") {
    print $1, $10, $12 }' "$tmp/result")

share="$(awk '$1 == "user/old" { print $2 }' "$tmp/result")"
verdict=ok
if [ -z "$share" ] || awk -v s="$share" -v m="$max_user_share" 'BEGIN { exit !(s > m) }'; then
    verdict="MISSED (target: <= $max_user_share)"
    missed=1
fi
echo "bench-link: user's write ${share:-?} of the old flow's time: $verdict"

if [ "$missed" -eq 1 ] && [ "$strict" -eq 1 ]; then
    exit 1
fi
