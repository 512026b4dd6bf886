#!/usr/bin/env bash
# The end-to-end check over the real accessibility bus: a virtual screen
# (Xvfb) and a D-Bus session of its own, in which the accessibility bus and
# its registry start on demand, then atspi_e2e.py drives the program given as
# first argument. Everything started here is stopped here, whatever happens.
# Exit 77 (skipped) only when a Debian package it needs is not installed.
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # the Debian Python, which has pyatspi

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
{ [ -x "$python" ] && "$python" -c 'import pyatspi' 2>/dev/null; } || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: the accessibility check needs the Debian packages: ${missing[*]} (./test.sh installs them)"
    exit 77
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb chooses a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb gave no display" >&2; exit 1; }

# Nothing of the caller's session: the buses are this check's own.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Nor the user's settings: the program starts as on a fresh account and
# what it saves on closing stays here.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
export NO_AT_BRIDGE=0 GTK_A11Y=none

# The session ends when the check does; the accessibility bus and its registry
# go with it.
dbus-run-session -- timeout 150 "$python" "$here/atspi_e2e.py" "$program"
