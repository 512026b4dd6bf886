#!/usr/bin/env bash
# Renders the icon's PNG sizes from org.ferrino.Ferrino.svg, into
# <size>x<size>/org.ferrino.Ferrino.png beside this script. Run it by hand
# after changing the drawing and commit the PNGs: the build only copies them.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/org.ferrino.Ferrino.png" org.ferrino.Ferrino.svg
done
