#!/usr/bin/env bash
# Fault soak: N cycles (default 50) of editing a few random fields, writing the settings to
# the simulated trip computer and reading them back, with random faults (checksum, busy,
# cut, drop, power cycle) on about 5 % of the requests. Every completed write must leave the
# device's memory equal to the expected merge byte for byte; a write or read that reports
# an error must complete on a retry. Prints cycles, requests, faults injected, writes and
# reads retried, bytes wrong and the time; exits 1 when a byte was wrong or a cycle failed.
#
#   scripts/soak.sh [--cycles N] [--fault-rate PERCENT] [--seed N] [--baud RATE]
#
# BUILD_DIR: the build folder to use (default build, configured when missing).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" -j2 --target trip-soak >/dev/null
echo "soak: $*"
exec "$build/tools/soak/trip-soak" "$@"
