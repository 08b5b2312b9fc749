#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given first): every target, or only the targets
# named after the folder.
#   scripts/build.sh [FOLDER [TARGET...]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
targets=("${@:2}")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ ${#targets[@]} -eq 0 ]; then
    cmake --build "$build" -j "$(nproc)"
else
    cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
fi
