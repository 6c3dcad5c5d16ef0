#!/usr/bin/env bash
# Renders the application icon's PNG sizes from packaging/icons/tripconf.svg. The PNGs are
# kept in the repository, so a build needs no SVG renderer; run this after changing the
# drawing. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"

command -v rsvg-convert >/dev/null || { echo "make-icons: rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" tripconf.svg -o "tripconf-$size.png"
done
echo "make-icons: $(ls tripconf-*.png | tr '\n' ' ')"
