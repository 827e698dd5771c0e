#!/usr/bin/env bash
# Runs the fuzz targets, one after the other, for a given time each. New inputs that reach new code collect
# in fuzz/corpus-work/<target>/ (not checked in); the checked-in seeds in fuzz/corpus/<target>/ are read
# too. A crash, a broken property or a hang stops the run: the input is saved under build-fuzz/artifacts/
# and the script exits non-zero. Prints the executions of each target.
#
#   scripts/fuzz-long.sh 1200                    every target for 20 minutes
#   scripts/fuzz-long.sh 300 fuzz_compute        one target for 5 minutes
#   QUORLEX_FUZZ_MERGE=1 scripts/fuzz-long.sh 600 also fold what was found, minimised, into fuzz/corpus/
#
# Reproduce a saved input: build-fuzz/<target> build-fuzz/artifacts/<target>-crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS_PER_TARGET [TARGET...]" >&2
    exit 2
fi
seconds="$1"
shift
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    targets=(fuzz_value_of_text fuzz_numeric_text fuzz_general_text fuzz_render fuzz_load_matrix fuzz_compute fuzz_csv
        fuzz_unit_names fuzz_fmd)
fi

quorlex_ensure_packages cmake make "${QUORLEX_CHECK_PACKAGES[@]}"

build_dir=build-fuzz
cmake -S fuzz -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build_dir" -j"${QUORLEX_JOBS:-2}" >/dev/null

# Readable stacks in reports; the leak check stays on.
export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"
export ASAN_SYMBOLIZER_PATH="${ASAN_SYMBOLIZER_PATH:-/usr/lib/llvm-14/bin/llvm-symbolizer}"

mkdir -p "$build_dir/artifacts" "$build_dir/logs"
status=0
printf '%-22s %12s %10s %8s  %s\n' target executions exec/s corpus result
for target in "${targets[@]}"; do
    work="fuzz/corpus-work/$target"
    seeds="fuzz/corpus/$target"
    log="$build_dir/logs/$target.log"
    mkdir -p "$work"
    # A target's own dictionary when it has one (fuzz/csv.dict for fuzz_csv), else the number pieces.
    dict=fuzz/numbers.dict
    [ -f "fuzz/${target#fuzz_}.dict" ] && dict="fuzz/${target#fuzz_}.dict"
    result=ok
    if ! "$build_dir/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -dict="$dict" -print_final_stats=1 \
        -artifact_prefix="$build_dir/artifacts/$target-" "$work" "$seeds" >"$log" 2>&1; then
        result="FAILED (see $log)"
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    corpus=$(find "$work" -type f | wc -l)
    printf '%-22s %12s %10s %8s  %s\n' "$target" "${executions:-?}" "${speed:-?}" "$corpus" "$result"
    if [ "$result" != ok ]; then
        grep -E 'property broken|ERROR|runtime error|SUMMARY' "$log" | head -5 >&2 || true
    fi
    if [ "${QUORLEX_FUZZ_MERGE:-0}" = 1 ] && [ "$result" = ok ]; then
        "$build_dir/$target" -merge=1 "$seeds" "$work" >>"$log" 2>&1
    fi
done
exit "$status"
