#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for FUZZ_SECONDS
# (default 60) from its seeds in fuzz/corpus/. Fails on the first finding of any target; the
# input that caused it is kept in build-fuzz/findings/.
#   scripts/fuzz.sh [target ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-60}"
"$root/scripts/bootstrap.sh" --fuzz
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DQX_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_serial_receive fuzz_lan_receive fuzz_settings_files
                                     fuzz_command_builders)
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
mkdir -p "$build/findings"
failed=0
for t in "${targets[@]}"; do
    work="$build/corpus/$t"  # the seeds plus what the run finds worth keeping
    mkdir -p "$work"
    log="$build/$t.log"
    if "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$t-" "$work" "$root/fuzz/corpus/$t" >"$log" 2>&1; then
        result="0 findings"
    else
        result="FINDING (see $log)"
        failed=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$t: ${runs:-?} executions in ${seconds} s, $result"
done
exit $failed
