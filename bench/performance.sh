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

# The command line's largest search of every kind: rows written as they are
# found, so that the peak memory stays a few MB.
memory=""
while IFS='|' read -r kind number; do
    peak="$( { /usr/bin/time -f '%M' "$build/cli/ferrino-cli" $kind "$number" >/dev/null; } 2>&1 | tail -1)"
    listed="$("$build/cli/ferrino-cli" $kind "$number" | wc -l)"
    memory+="| $kind | \`$number\` | $listed | $((peak / 1024)) MB |"$'\n'
done <<'SEARCHES'
insee|185057800
rib|30006 00001 1234567????
iban|CY?? 0020 0128 0000 0012 0052 ????
prof|?? ? ?2345
avs|756.1234.5???.??
isbn|20703
carte|49701012345
siren|1234
siret|123456782
ean|40063813
sin|1234
vin|1?3GD?9??K?042788
cip|12
luhn|1234 5678 9012 3456 7890 1234 567? ????
SEARCHES

# The typing-error search of a wrong number, the longest kinds first.
cmake --build "$build" -j "$(nproc)" --target ferrino_engine_bench >/dev/null
corrections="$("$build/bench/ferrino_engine_bench" --benchmark_filter='^Corrections' 2>/dev/null |
    awk '/^Corrections/ { printf "| %s | %s %s |\n", $1, $4, $5 }')"

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
    echo
    echo "The command line's largest search of every kind, every row written (peak memory of the process):"
    echo
    echo "| Kind | Number | Rows | Peak memory |"
    echo "|---|---|---:|---:|"
    printf '%s' "$memory"
    echo
    echo "The search for typing errors of one wrong number (CPU time, Google Benchmark):"
    echo
    echo "| Number | Time |"
    echo "|---|---:|"
    printf '%s\n' "$corrections"
    if [ -n "$web" ]; then
        echo
        echo "$web"
    fi
} > docs/performance.md
cat docs/performance.md
