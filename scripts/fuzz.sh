#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/ and runs each
# in turn for the given seconds (60 by default):
#
#   bash scripts/fuzz.sh [seconds [target...]]
#
# Fails on any crash, sanitizer report, time-out (10 s for one input), memory
# blow-up or property violation. The input is saved in
# tests/fuzz/regressions/<target>/, where the normal tests replay it: fix the
# fault and commit the file with the fix.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

bash scripts/install-deps.sh clang libclang-rt-14-dev
echo "== Building the fuzz targets (build-fuzz/)"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTORVA_FUZZ=ON -DTORVA_SANITIZE=address,undefined -DTORVA_BUILD_UI=OFF >/dev/null
cmake --build build-fuzz --target fuzz_targets --parallel "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for exe in build-fuzz/tests/fuzz/fuzz_*; do
        targets+=("${exe##*/fuzz_}")
    done
fi

export UBSAN_OPTIONS=print_stacktrace=1
# The readers that take a path write each input to a file; on a RAM disk the
# file system's flushes do not set the pace.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
mkdir -p build-fuzz/fuzz-logs
summary=build-fuzz/fuzz-logs/summary.txt
printf '%-14s %8s %12s %10s  %s\n' target seconds executions "exec/s" result >"$summary"
status=0
for t in "${targets[@]}"; do
    exe=build-fuzz/tests/fuzz/fuzz_$t
    if [ ! -x "$exe" ]; then
        echo "no fuzz target $t" >&2
        exit 2
    fi
    echo "== fuzz_$t for ${seconds} s"
    work=build-fuzz/fuzz-corpus/$t
    found=tests/fuzz/regressions/$t
    log=build-fuzz/fuzz-logs/$t.log
    mkdir -p "$work" "$found"
    dict=()
    if [ -f "tests/fuzz/dict/$t.dict" ]; then
        dict=(-dict="tests/fuzz/dict/$t.dict")
    fi
    start=$(date +%s)
    result=ok
    # The first folder takes the inputs found on the way; the seeds and the
    # saved findings are read first.
    "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "${dict[@]}" -artifact_prefix="$found/" "$work" "tests/fuzz/corpus/$t" "$found" >"$log" 2>&1 ||
        result=FAILED
    elapsed=$(($(date +%s) - start))
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [ "$result" != ok ]; then
        status=1
        grep -E 'ERROR: |PROPERTY VIOLATED|runtime error|Test unit written|SUMMARY' "$log" >&2 || true
        echo "   full report: $log" >&2
    fi
    printf '%-14s %8s %12s %10s  %s\n' "$t" "$elapsed" "${execs:-?}" "${rate:-?}" "$result" |
        tee -a "$summary"
done
echo "== Summary ($summary)"
cat "$summary"
exit "$status"
