#!/usr/bin/env bash
# Times `ferrino-cli siret --check` over a file of one million SIRET numbers
# (the count can be changed), against the time it takes merely to read the
# file and, when it is installed, against python-stdnum's stdnum.fr.siret
# checking the same lines (Debian's python3-stdnum). The file is made here, in a temporary folder: random numbers, one in
# ten with a wrong key, every second one written with blanks.
#
#   bench/cli_check.sh [path/to/ferrino-cli] [count]
#
# Without a path, build/cli/ferrino-cli next to this folder, then ferrino-cli
# on the PATH.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
cli="${1:-}"
count="${2:-1000000}"
if [[ -z "$cli" ]]; then
    if [[ -x "$here/../build/cli/ferrino-cli" ]]; then
        cli="$here/../build/cli/ferrino-cli"
    else
        cli="$(command -v ferrino-cli || true)"
    fi
fi
if [[ -z "$cli" || ! -x "$cli" ]]; then
    echo "usage: $0 [path/to/ferrino-cli] [count]  (no ferrino-cli found)" >&2
    exit 2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/ferrino-cli-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
numbers="$work/sirets.txt"

# A SIREN (eight random digits and their Luhn key: every second digit from
# the second doubled), four random digits of establishment, and the SIRET's
# Luhn key (the digit next to the key and every second one leftwards doubled).
awk -v count="$count" 'BEGIN {
    srand(20240101)
    for (n = 0; n < count; n++) {
        body = ""
        sum = 0
        for (i = 1; i <= 8; i++) {
            d = int(rand() * 10)
            body = body d
            v = (i % 2 == 0) ? 2 * d : d
            sum += int(v / 10) + v % 10
        }
        body = body ((10 - sum % 10) % 10)
        for (i = 10; i <= 13; i++) body = body int(rand() * 10)
        sum = 0
        for (i = 1; i <= 13; i++) {
            d = substr(body, i, 1) + 0
            v = (i % 2 == 1) ? 2 * d : d
            sum += int(v / 10) + v % 10
        }
        key = (10 - sum % 10) % 10
        if (n % 10 == 0) key = (key + 1) % 10
        if (n % 2) print substr(body, 1, 3) " " substr(body, 4, 3) " " substr(body, 7, 3) " " substr(body, 10, 4) key
        else print body key
    }
}' > "$numbers"

seconds() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

best=""
for run in 1 2 3; do
    start="$(seconds)"
    status=0
    "$cli" siret --check < "$numbers" > "$work/verdicts.txt" || status=$?
    stop="$(seconds)"
    took="$(elapsed "$start" "$stop")"
    if [[ -z "$best" ]] || awk -v t="$took" -v b="$best" 'BEGIN { exit !(t < b) }'; then best="$took"; fi
done

start="$(seconds)"
cat "$numbers" > /dev/null
reading="$(elapsed "$start" "$(seconds)")"

lines="$(wc -l < "$work/verdicts.txt")"
wrong="$(grep -c '^ERREUR' "$work/verdicts.txt" || true)"
expected_wrong=$(( (count + 9) / 10 ))
if [[ "$lines" -ne "$count" || "$wrong" -ne "$expected_wrong" || "$status" -ne 1 ]]; then
    echo "unexpected verdicts: $lines lines, $wrong ERREUR (expected $count and $expected_wrong), exit status $status" >&2
    exit 1
fi

# python-stdnum on the same lines, once (it takes some seconds): the first
# Python that has it, Debian's own if the one on the PATH has not.
python=""
for candidate in python3 /usr/bin/python3; do
    if command -v "$candidate" > /dev/null && "$candidate" -c 'import stdnum.fr.siret' 2> /dev/null; then
        python="$candidate"
        break
    fi
done
stdnum=""
if [[ -n "$python" ]]; then
    start="$(seconds)"
    stdnum_valid="$("$python" -c '
import sys
from stdnum.fr import siret
print(sum(1 for line in sys.stdin if siret.is_valid(line)))' < "$numbers")"
    stdnum_took="$(elapsed "$start" "$(seconds)")"
    if [[ "$stdnum_valid" -ne $(( count - expected_wrong )) ]]; then
        echo "python-stdnum found $stdnum_valid valid numbers, expected $(( count - expected_wrong ))" >&2
        exit 1
    fi
    stdnum="; python-stdnum: $stdnum_took s, $(awk -v p="$stdnum_took" -v f="$best" 'BEGIN { printf "%.0f", p / f }')× as long"
fi

size="$(wc -c < "$numbers")"
echo "ferrino-cli siret --check: $count numbers ($size bytes) in $best s (best of 3); reading the file alone: $reading s$stdnum"
