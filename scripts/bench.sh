#!/usr/bin/env bash
# Builds the benchmarks and runs them all, about four minutes. Each prints one figure per line:
#   name value unit goal        ("-" where a figure has no goal of its own)
# The programs with a window run on one virtual X server (xvfb-run); the start-up bench also
# starts the program offscreen. Their warnings go to build/bench/bench.log.
#   scripts/bench.sh [FOLDER]     (the build folder, build/ by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
benches=(bench_startup bench_read_all bench_writes bench_idle bench_wait_cpu)
"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" "$build" "${benches[@]}"

log="$build/bench/bench.log"
: > "$log"
# The cues beside the program, which the benches play as the program does.
export QUORVELX_SOUNDS="$build/src/app"
# Qt wants a private runtime folder; a root shell often has none.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$runtime}"

echo "# $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for bench in "${benches[@]}"; do
    xvfb-run -a "$build/bench/$bench" 2>>"$log" || { echo "$bench failed; see $log" >&2; exit 1; }
done
echo "# load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
