#!/usr/bin/env bash
# Renders the program's icon for the hicolor theme: the small drawing
# (resources/icons/tavexo-small.svg) for 16 to 32 pixels, the full one
# (tavexo.svg) from 48 pixels up. The PNGs are kept in the repository, so
# the build needs no SVG renderer; run this again after changing a drawing.
#
#   tools/make-icons.sh [output folder]   (default: resources/icons/hicolor)
#
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-resources/icons/hicolor}
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

for size in 16 22 24 32 48 64 128 256 512; do
    drawing=resources/icons/tavexo.svg
    [ "$size" -le 32 ] && drawing=resources/icons/tavexo-small.svg
    mkdir -p "$OUT/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$drawing" -o "$OUT/${size}x${size}/apps/tavexo.png"
done
echo "$OUT"
