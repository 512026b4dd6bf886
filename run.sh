#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ferrino.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ferrino_install_missing
ferrino_build build -DFERRINO_BUILD_TESTS=OFF -DFERRINO_BUILD_BENCH=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
Ferrino is built (build/app/ferrino), but there is no display to show its window.
Run ./run.sh from a desktop session, or on a machine without a screen start it
in a virtual one:  xvfb-run -a ./run.sh
MSG
    exit 1
fi
exec build/app/ferrino
