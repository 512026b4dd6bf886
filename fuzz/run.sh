#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, replays the corpus of every
# target, then fuzzes each target for SECONDS seconds (default 3).
#
#   fuzz/run.sh            what ./test.sh runs
#   fuzz/run.sh 600        a longer run
#   fuzz/run.sh 60 vin     only some targets
#
# Fails on any crash, failed check or sanitizer report; the input that caused
# it is written to build-fuzz/artifacts/, the log to build-fuzz/logs/, and
#   build-fuzz/fuzz_KIND build-fuzz/artifacts/KIND-crash-...
# runs it again. Inputs found while fuzzing go to build-fuzz/corpus/ (not to
# the committed corpus). FUZZ_JOBS sets the build's parallel jobs (default 2),
# FUZZ_CXX the compiler (default clang++).
set -uo pipefail

seconds=${1:-3}
shift || true
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz

all_kinds=(insee rib iban prof avs isbn card siren siret sin luhn ean vin cip kinds)
if [ $# -gt 0 ]; then kinds=("$@"); else kinds=("${all_kinds[@]}"); fi

mkdir -p "$build/artifacts" "$build/logs"
targets=()
for kind in "${kinds[@]}"; do targets+=(--target "fuzz_$kind"); done
if ! { CXX=${FUZZ_CXX:-clang++} cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build" -j "${FUZZ_JOBS:-2}" "${targets[@]}"; } >"$build/logs/build.log" 2>&1; then
    tail -40 "$build/logs/build.log"
    echo "Fuzzing failed: the fuzz targets do not build (see $build/logs/build.log)"
    exit 1
fi
# Leaks are reported too; a failed check aborts, which libFuzzer reports.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for kind in "${kinds[@]}"; do
    fuzzer=$build/fuzz_$kind
    seeds=$root/fuzz/corpus/$kind
    found=$build/corpus/$kind
    log=$build/logs/$kind.log
    mkdir -p "$found"

    # Replay: every committed seed, one run each.
    if ! "$fuzzer" -artifact_prefix="$build/artifacts/$kind-" "$seeds"/* >"$log" 2>&1; then
        echo "fuzz_$kind: FAILED on the corpus (see $log)"
        grep -E '^==== |ERROR: |runtime error|Test unit written' "$log" | head -5
        failed+=("$kind")
        continue
    fi

    # Fuzz: new inputs go to build-fuzz/corpus, the seeds are only read.
    if ! "$fuzzer" -max_total_time="$seconds" -max_len=64 -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$kind-" "$found" "$seeds" >>"$log" 2>&1; then
        echo "fuzz_$kind: FAILED (see $log)"
        grep -E '^==== |ERROR: |runtime error|Test unit written' "$log" | head -5
        failed+=("$kind")
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    printf 'fuzz_%-6s %10s executions in %ss\n' "$kind" "${runs:-?}" "$seconds"
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing failed: ${failed[*]}"
    exit 1
fi
echo "Fuzzing passed: ${#kinds[@]} targets"
