#!/usr/bin/env bash
# Refreshes the README's pictures in docs/: starts the simulated trip computer at the real
# line speed, then the configurator's windows against it under a virtual display, in
# English, and saves the main window, the port dialog, two editor pages, the journals
# viewer, one rendered device screen and a page of the settings sheet (plus the Russian
# file dialog).
#
#   scripts/screenshots.sh            (BUILD_DIR, default build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh xvfb xauth fonts-dejavu-core
build="${BUILD_DIR:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
targets=(tripsim tripconf-screenshots tripconf-cli)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# A fixed folder, so the pictures show the same simulator path on every run.
tmp="${TMPDIR:-/tmp}/tripconf-docs"
rm -rf "$tmp"
mkdir -p "$tmp"
sim=""
cleanup() {
    if [ -n "$sim" ]; then
        kill "$sim" 2>/dev/null || true
        wait "$sim" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

tty="$tmp/tripsim"
"$build/tools/tripsim/tripsim" --link "$tty" >"$tmp/tripsim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do
    [ -e "$tty" ] && break
    sleep 0.1
done
[ -e "$tty" ] || { cat "$tmp/tripsim.log" >&2; echo "screenshots: tripsim did not start" >&2; exit 1; }

mkdir -p docs
# A desktop-sized screen; the windows are photographed on their own.
xvfb-run -a -s "-screen 0 1600x1000x24" \
    "$build/tools/screenshots/tripconf-screenshots" --port "$tty" --out docs

# One device screen as the trip computer draws it, from the settings just shown.
if "$build/tools/cli/tripconf-cli" --help | grep -q '^ *tripconf-cli render'; then
    "$build/tools/cli/tripconf-cli" read --port "$tty" --out "$tmp/device.veltg" >/dev/null
    "$build/tools/cli/tripconf-cli" render "$tmp/device.veltg" --screen x6:1 --out docs/screen-x6.png
    echo "screenshots: docs/screen-x6.png"
    # The settings sheet's first page of device screens.
    "$build/tools/cli/tripconf-cli" sheet "$tmp/device.veltg" --out "$tmp/sheet.pdf" --lang en >/dev/null
    pages=$(pdfinfo "$tmp/sheet.pdf" | awk '/^Pages:/ { print $2 }')
    for page in $(seq "$pages"); do
        if pdftotext -f "$page" -l "$page" "$tmp/sheet.pdf" - | grep -q '^Screens of the device'; then
            pdftoppm -f "$page" -l "$page" -r 60 -png -singlefile "$tmp/sheet.pdf" docs/sheet-screens
            echo "screenshots: docs/sheet-screens.png (page $page of $pages)"
            break
        fi
    done
else
    echo "screenshots: this tripconf-cli renders no device screens; docs/screen-x6.png not made"
fi
