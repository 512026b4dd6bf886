#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ferrino.
#   ./run.sh          the window
#   ./run.sh --web    the browser page: builds it, serves it on a local port
#                     (FERRINO_WEB_PORT, default 8017) and prints the address
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ferrino_install_missing

if [ "${1:-}" = "--web" ]; then
    ferrino_build_web build-web
    site="$PWD/build-web/web/site"
    port="${FERRINO_WEB_PORT:-8017}"
    echo "Ferrino in the browser: http://127.0.0.1:$port/  (or open $site/index.html; Ctrl+C stops the server)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
fi

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
