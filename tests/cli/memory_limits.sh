#!/usr/bin/env bash
# ferrino-cli under a hard memory limit (256 MB of address space): the largest
# search of every kind gets all its rows, and hostile input (lines of 10 and
# 100 MB, binary data, ill-formed UTF-8, NUL bytes) gets its error for the
# line concerned, never a crash or the system's killer.
#   tests/cli/memory_limits.sh path/to/ferrino-cli
set -uo pipefail
cli=${1:?usage: memory_limits.sh path/to/ferrino-cli}
limit_kb=262144
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run NAME EXPECTED_STATUS [ARGS...] < input: runs the program under the
# limit, output to $work/out.
run() {
    local name=$1 expected=$2
    shift 2
    (ulimit -v $limit_kb; "$cli" "$@") >"$work/out" 2>"$work/err"
    local status=$?
    if [ "$status" -ne "$expected" ]; then
        fail "$name: exit $status, $expected expected ($(head -c 200 "$work/err"))"
        return 1
    fi
    return 0
}

# The largest search of every kind: name, rows, arguments.
while IFS='|' read -r name rows args; do
    [ -z "$name" ] && continue
    # shellcheck disable=SC2086
    eval "set -- $args"
    if run "$name" 0 "$@" </dev/null; then
        got=$(wc -l <"$work/out")
        [ "$got" -eq "$rows" ] || fail "$name: $got rows, $rows expected"
    fi
done <<'CASES'
insee|10000|insee 185057800
rib|1679616|rib "30006 00001 1234567????"
iban|1679616|iban "CY?? 0020 0128 0000 0012 0052 ????"
iban json|1|iban --json "CY?? 0020 0128 0000 0012 0052 ????"
prof|10200|prof "?? ? ?2345"
avs|9091|avs 123456
avs current|10000|avs "756.1234.5???.??"
isbn|10000|isbn 20703
carte|10000|carte 49701012345
siren|10000|siren 1234
siret|9999|siret 123456782
ean|10000|ean 40063813
upce|1000|ean --type upce 0425
sin|10000|sin 1234
vin|1185921|vin "1?3GD?9??K?042788"
cip|10000|cip 12
luhn|10000|luhn "1234 5678 9012 3456 7890 1234 567? ????"
CASES

# The JSON object of the IBAN search holds its 1 679 616 rows all the same.
run "iban json rows" 0 iban --json "CY?? 0020 0128 0000 0012 0052 ????" </dev/null &&
    [ "$(grep -o '"CY[0-9][0-9] ' "$work/out" | wc -l)" -eq 1679616 ] || fail "iban json: not every row"

# Lines far too long: an error for that line, read in bounded memory.
for megabytes in 10 100; do
    { head -c $((megabytes << 20)) /dev/zero | tr '\0' '7'; printf '\n123456782\n'; } >"$work/in"
    if run "line of $megabytes MB" 2 siren --check <"$work/in"; then
        expected=$'ERREUR 7777777777777777777777777777777777777777\u2026 (trop long)\nOK 123 456 782'
        [ "$(cat "$work/out")" = "$expected" ] || fail "line of $megabytes MB: $(head -c 300 "$work/out")"
    fi
done
# An IBAN longer than any country's, in every mode.
run "iban too long" 2 iban "FR?? 3000 6000 0112 3456 7890 1893 4567 89?" </dev/null &&
    [ "$(cat "$work/out")" = $'ERREUR FR?? 3000 6000 0112 3456 7890 1893 4567 \u2026 (trop long)' ] ||
    fail "iban too long: $(head -c 300 "$work/out")"

# Binary data: every line gets its answer, whatever the bytes.
head -c $((4 << 20)) /dev/urandom >"$work/binary"
for kind in insee iban vin luhn; do
    (ulimit -v $limit_kb; "$cli" "$kind" --check <"$work/binary") >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -le 2 ] || fail "binary data ($kind): exit $status"
    grep -aqv -e '^OK ' -e '^ERREUR ' "$work/out" && fail "binary data ($kind): a line that is neither OK nor ERREUR"
    LC_ALL=C grep -aq '[[:cntrl:]]' "$work/out" && fail "binary data ($kind): a control character written out"
done

# Ill-formed UTF-8 and NUL bytes inside a number.
printf '12\xff456782\n123\x00456782\n\xc3\x28123456782\n' >"$work/in"
if run "ill-formed bytes" 1 siren --check <"$work/in"; then
    [ "$(wc -l <"$work/out")" -eq 3 ] || fail "ill-formed bytes: $(cat "$work/out")"
fi
printf 'FR76 3000 6000 0112 3456 \x00890 189\n' >"$work/in"
run "NUL in an IBAN" 1 iban --check <"$work/in"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "ferrino-cli under a 256 MB limit: every search and every hostile input answered"
