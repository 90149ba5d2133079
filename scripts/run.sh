#!/usr/bin/env bash
# Builds in release mode and starts the program. Without a receiver (no QZ_SERIAL_PORTS and no
# /dev/ttyUSB0) the receiver simulator plays one on a pseudo-terminal that stands behind every port
# a job may use (COM2, COM3, COM5). Without an X display the program runs on a private Xvfb server
# (a free display number) and its screen is saved to build/run/screen.png on every change.
# Arguments go to the program (for example --root DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ_BUILD_TESTS=OFF -DQZ_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
run=build/run
mkdir -p "$run"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

if [ -z "${QZ_SERIAL_PORTS:-}" ] && [ ! -e /dev/ttyUSB0 ]; then
  rm -f "$run/receiver"
  "$build/tools/receiver-sim/receiver-sim" --rate 5 --link "$run/receiver" >"$run/receiver-sim.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -e "$run/receiver" ] && break; sleep 0.1; done
  pty=$(readlink -f "$run/receiver")
  export QZ_SERIAL_PORTS="2=$pty,3=$pty,5=$pty"
  echo "No receiver attached: the simulator plays one on $pty for COM2, COM3 and COM5 (log: $run/receiver-sim.log)."
fi

extra=()
if [ -z "${DISPLAY:-}" ]; then
  rm -f "$run/display"
  exec 5> >(cat >"$run/display")
  Xvfb -displayfd 5 -screen 0 640x800x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
  pids+=($!)
  exec 5>&-
  for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
  [ -s "$run/display" ] || { echo "Xvfb did not start (log: $run/xvfb.log)"; exit 1; }
  export DISPLAY=":$(cat "$run/display")"
  extra=(--screenshot "$run/screen.png")
  echo "No X display: the program runs on Xvfb display $DISPLAY; its screen is saved to $run/screen.png on every change."
fi
"$build/app/quorin/quorin" "${extra[@]}" "$@"
