#!/usr/bin/env bash
# Renders the pictures the README shows, without a display:
#   docs/screenshots/page-NN.png   every page of the window, an example typed in
#   docs/screenshots/list-menu.png a list of candidates and its context menu
#   docs/screenshots/about.png     the About box
#   docs/window.png                the INSEE page, shown at the top of the README
# Usage: tools/screenshots.sh [build folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ferrino_install_missing
build=${1:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target ferrino_screenshots -j "$(nproc)"

mkdir -p docs/screenshots
rm -f docs/screenshots/page-*.png docs/screenshots/about.png docs/screenshots/list-menu.png
QT_QPA_PLATFORM=offscreen "$build/tools/ferrino_screenshots" docs/screenshots
cp docs/screenshots/page-00.png docs/window.png
echo "docs/window.png"
