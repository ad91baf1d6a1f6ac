#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan, the library instrumented) and runs
# each for a fixed time, starting from the committed seeds of fuzz/corpus/<target>/ (as root on
# Debian: installs clang and its runtime when missing).
#   bash scripts/fuzz.sh [seconds per target, default 60] [target...]
# Inputs found on the way go to build/fuzz/corpus/<target>/ (the committed seeds are not
# touched); crashes, leaks and timeouts to build/fuzz/artifacts/<target>/. Temporary files stay
# under build/fuzz/tmp, which is emptied after each target. Prints executions, coverage and
# findings per target; exits non-zero when a target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    targets=(numbers files selectors fraisage tournage threads)
fi

bash scripts/deps.sh clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

build=build/fuzz
status=0
printf '%-10s %12s %8s %8s %9s\n' target executions cov ft findings
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    artifacts="$build/artifacts/$t"
    tmp="$build/tmp"
    mkdir -p "$corpus" "$artifacts" "$tmp"
    log="$build/fuzz-$t.log"
    # -max_len: sessions and thread tables need longer inputs than the default 4096 bytes.
    TMPDIR="$PWD/$tmp" "$build/fuzz/oru_fuzz_$t" "$corpus" "fuzz/corpus/$t" \
        -max_total_time="$seconds" -max_len=16384 -timeout=20 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1 || true
    rm -rf "${tmp:?}"/*
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
    ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
    findings=$(find "$artifacts" -type f | wc -l)
    printf '%-10s %12s %8s %8s %9s\n' "$t" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$findings"
    if [ "$findings" -gt 0 ] || [ -z "$runs" ]; then
        status=1
        echo "  see $log and $artifacts/" >&2
    fi
done
exit "$status"
