#!/usr/bin/env bash
# Builds in release mode and starts the program. Without a receiver (no QZ_SERIAL_PORTS and no
# /dev/ttyUSB0) the receiver simulator plays one on a pseudo-terminal behind COM3 and COM5, and a
# second one plays the built-in Bluetooth module with a receiver behind it on COM2. QZ_SIM_OPTIONS
# passes options to both (for example --modem). Without an X display the program runs on a private
# Xvfb server (a free display number) and its screen is saved to build/run/screen.png on every change.
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
  read -r -a sim_options <<<"${QZ_SIM_OPTIONS:-}"
  simulate() {  # simulate NAME [OPTION]...: a simulator whose terminal is linked as $run/NAME
    rm -f "$run/$1"
    "$build/tools/receiver-sim/receiver-sim" --rate 5 "${sim_options[@]}" "${@:2}" --link "$run/$1" \
      >"$run/$1.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -e "$run/$1" ] && break; sleep 0.1; done
    terminal=$(readlink -f "$run/$1")
  }
  simulate receiver
  pty=$terminal
  simulate bluetooth-module --bluetooth-module
  module=$terminal
  export QZ_SERIAL_PORTS="2=$module,3=$pty,5=$pty"
  echo "No receiver attached: the simulator plays one on $pty for COM3 and COM5, and the built-in" \
    "Bluetooth module with a receiver behind it on $module for COM2 (logs: $run/*.log)."
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
