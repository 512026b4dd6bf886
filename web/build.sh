#!/usr/bin/env bash
# Builds the browser page: the engine with Emscripten (Debian's package) and
# the site, written to build-web/web/site/ (one folder: open its index.html,
# or serve it with any static server).
#   web/build.sh            build-web/
#   web/build.sh FOLDER     another build folder
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-web}"
# Emscripten's JavaScript optimizer needs Debian's acorn.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
# Optimised for size: the place names, banks and makers built into the
# engine make most of the page, which must stay under 500 KB compressed.
emcmake cmake -S . -B "$build" -DFERRINO_WEB=ON -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "Site: $PWD/$build/web/site/index.html"
