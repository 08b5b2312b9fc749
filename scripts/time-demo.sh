#!/usr/bin/env bash
# How long a newcomer waits for the demo's window: clones this checkout's last commit into a
# fresh folder, runs scripts/demo.sh there (a fresh build folder, no compiler cache) and reports
# the seconds from the start to the tool's window painted, then ends the demo and removes the
# clone. With --build-everything the clone first builds every target, as the demo once did.
#   scripts/time-demo.sh [--build-everything]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
clone="$(mktemp -d)"
demo_pid=""
cleanup() {
    [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
    rm -rf "$clone"
}
trap cleanup EXIT
git clone -q "$root" "$clone/quorvelx"

start=$(date +%s.%N)
if [ "${1:-}" = "--build-everything" ]; then
    CCACHE_DISABLE=1 "$clone/quorvelx/scripts/build.sh" "$clone/quorvelx/build" >/dev/null
fi
fifo="$clone/probe"
mkfifo "$fifo"
CCACHE_DISABLE=1 QUORVELX_STARTUP_PROBE=1 setsid "$clone/quorvelx/scripts/demo.sh" >"$fifo" 2>/dev/null &
demo_pid=$!
while read -r line; do
    case "$line" in
    startup-probe*)
        echo "seconds to the demo's window: $(echo "$(date +%s.%N) - $start" | bc)"
        break
        ;;
    esac
done <"$fifo"
# The demo runs in a session of its own: end it all, the tool, Xvfb and the simulator.
kill -- -"$demo_pid" 2>/dev/null || true
wait "$demo_pid" 2>/dev/null || true
demo_pid=""
