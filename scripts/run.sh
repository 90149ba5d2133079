#!/usr/bin/env bash
# Builds in release mode and starts what runs so far: the receiver simulator on a pseudo-terminal
# (unless a receiver is attached) and the screen demo in an X11 window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ_BUILD_TESTS=OFF -DQZ_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p build/run

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

if [ -z "${QZ_SERIAL_PORTS:-}" ] && [ ! -e /dev/ttyUSB0 ]; then
  "$build/tools/receiver-sim/receiver-sim" --rate 5 --link build/run/receiver >build/run/receiver-sim.log 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -e build/run/receiver ] && break; sleep 0.1; done
  export QZ_SERIAL_PORTS="5=$(readlink -f build/run/receiver)"
  echo "No receiver attached: the simulator plays one on $QZ_SERIAL_PORTS (log: build/run/receiver-sim.log)."
fi

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 640x800x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=:97
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X97 ] && break; sleep 0.1; done
  echo "No X display: the screen runs in Xvfb and is saved to build/run/screen.png on every change."
fi
"$build/app/ui-demo/ui-demo" --screenshot build/run/screen.png
