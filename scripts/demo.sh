#!/usr/bin/env bash
# Builds the tool and launches it. Without --hardware its controller is the simulator: every serial
# port COM1..COM19 reaches the simulator's pseudo-terminal and the LAN address is 127.0.0.1, where
# the simulator listens on port 9999. The demo keeps its settings in demo-home/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
"$root/scripts/bootstrap.sh"
# Only what the demo runs (the tool with its sound cues, and the simulator), not the tests.
"$root/scripts/build.sh" "$build" quorvelx quorvelx-sim

tool="$build/src/app/quorvelx"
display_wrapper=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: running on a virtual X server (xvfb-run); nothing will be visible."
    display_wrapper=(xvfb-run -a)
fi

if [ "${1:-}" = "--hardware" ]; then
    exec "${display_wrapper[@]}" "$tool"
fi

export QUORVELX_HOME="$root/demo-home"
mkdir -p "$QUORVELX_HOME"
[ -f "$QUORVELX_HOME/lanip.DAT" ] || printf '"127.0.0.1"\r\n' > "$QUORVELX_HOME/lanip.DAT"

sim_out="$QUORVELX_HOME/sim.out"
"$build/sim/quorvelx-sim" --tcp-port 9999 --log "$QUORVELX_HOME/sim.log" > "$sim_out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true' EXIT

pty=""
for _ in $(seq 50); do
    pty="$(awk '$1 == "pty" { print $2 }' "$sim_out")"
    [ -n "$pty" ] && break
    sleep 0.1
done
[ -n "$pty" ] || { echo "The simulator did not start (see $sim_out)"; exit 1; }
for n in $(seq 1 19); do export "QUORVELX_COM$n=$pty"; done
echo "Simulated controller: serial $pty (every COM port), TCP 127.0.0.1:9999; log $QUORVELX_HOME/sim.log"

"${display_wrapper[@]}" "$tool"
