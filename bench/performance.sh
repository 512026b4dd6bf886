#!/usr/bin/env bash
# Runs the largest search of every page, copying and saving the largest
# lists, and the command-line batch check, and writes the tables into
# docs/performance.md.
#   bench/performance.sh [build folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" -j "$(nproc)" --target ferrino_window_pages ferrino_window_lists ferrino-cli >/dev/null

rows=""
for page in $(seq 0 12); do
    best=""
    for run in 1 2 3; do  # best of three, each in a process of its own
        row="$("$build/bench/ferrino_window_pages" "$page" 2>/dev/null)"
        ms="$(echo "$row" | awk -F'|' '{ gsub(/[^0-9.]/, "", $5); print $5 }')"
        if [[ -z "$best" ]] || awk -v a="$ms" -v b="$best" 'BEGIN { exit !(a < b) }'; then best="$ms"; chosen="$row"; fi
    done
    rows+="$chosen"$'\n'
done
lists=""
for kind in rib iban; do  # each in a process of its own: the peak memory is the whole program's
    lists+="$("$build/bench/ferrino_window_lists" "$kind" 2>/dev/null | sed -n 's/^TABLE//p')"$'\n'
done
cli="$(bench/cli_check.sh "$build/cli/ferrino-cli")"

cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
# The browser page's section is bench/web.sh's: it stays as it is.
web="$(sed -n '/^## In the browser/,$p' docs/performance.md 2>/dev/null || true)"
{
    echo "# Performance"
    echo
    echo "Measured by \`bench/performance.sh\` on $(date -u +%Y-%m-%d): $(nproc) cores of $cpu, $(free -g | awk '/Mem:/ { print $2 }') GiB, $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6), offscreen."
    echo
    echo "Largest search of every page, from the click on \"Calcule\" to the list shown and scrolled to its end (best of three runs, each in a fresh process); peak memory of the whole program."
    echo
    echo "| Page | Candidates | Rows listed | Click to list shown | Peak memory |"
    echo "|---|---:|---:|---:|---:|"
    printf '%s' "$rows"
    echo
    echo "Copying and saving the largest lists (after the search, in the same process): \"Copier toute la liste\", Ctrl+A then \"Copier\", and \"Enregistrer la liste…\" into a file; peak memory of the whole program, search included."
    echo
    echo "| List | Rows | Copier toute la liste | Ctrl+A, Copier | Enregistrer la liste | Peak memory |"
    echo "|---|---:|---:|---:|---:|---:|"
    printf '%s' "$lists"
    echo
    echo "Command line: $cli"
    if [ -n "$web" ]; then
        echo
        echo "$web"
    fi
} > docs/performance.md
cat docs/performance.md
