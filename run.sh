#!/usr/bin/env bash
# Builds the configurator and starts it.
#   ./run.sh                  against the simulated trip computer (no hardware needed)
#   ./run.sh --port PATH      against a real trip computer on the serial port PATH
# The simulator is stopped when the window closes.
set -euo pipefail
cd "$(dirname "$0")"

usage() {
    cat <<'TEXT'
Usage: ./run.sh [--port PATH]

Without --port the configurator talks to a simulated trip computer on a pseudo-terminal,
shown in the program as COM1. With --port it uses the serial port PATH (for example
/dev/ttyUSB0) as COM1 instead.
TEXT
}

port=""
while [ $# -gt 0 ]; do
    case "$1" in
        --port) [ $# -ge 2 ] || { usage >&2; exit 2; }; port="$2"; shift 2 ;;
        --port=*) port="${1#--port=}"; shift ;;
        -h|--help) usage; exit 0 ;;
        *) echo "run.sh: unknown argument: $1" >&2; usage >&2; exit 2 ;;
    esac
done

# The window needs a font with Cyrillic letters; desktop installations have one already.
scripts/setup.sh fonts-dejavu-core

build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
targets=(tripconf)
[ -z "$port" ] && targets+=(tripsim)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

sim_pid=""
run_dir=""
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    [ -n "$run_dir" ] && rm -rf "$run_dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "$port" ]; then
    run_dir=$(mktemp -d "${TMPDIR:-/tmp}/tripconf-run.XXXXXX")
    port="$run_dir/tripsim"
    "$build/tools/tripsim/tripsim" --link "$port" >"$run_dir/tripsim.log" 2>&1 &
    sim_pid=$!
    for _ in $(seq 100); do
        [ -e "$port" ] && break
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -e "$port" ]; then
        echo "run.sh: the simulated trip computer did not start:" >&2
        cat "$run_dir/tripsim.log" >&2
        exit 1
    fi
    echo "Simulated trip computer on $port (COM1 in the program)."
else
    [ -e "$port" ] || echo "run.sh: warning: $port does not exist (yet); the program will say so." >&2
    echo "Trip computer on $port (COM1 in the program)."
fi

"$build/src/tripconf" --port "$port"
