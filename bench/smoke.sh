#!/usr/bin/env bash
# Runs every benchmark of one benchmark program once at its smallest size (the first of its sizes):
# each must end and report its figures with no error. A check that the benchmarks work, not a timing.
set -euo pipefail
program=$1
mapfile -t names < <("$program" --benchmark_list_tests | awk -F/ '!seen[$1]++')
[ ${#names[@]} -gt 0 ] || { echo "$program lists no benchmark"; exit 1; }
failed=0
for name in "${names[@]}"; do
  out=$("$program" --benchmark_filter="^${name}\$" --benchmark_min_time=0 --benchmark_repetitions=1 \
    --benchmark_format=json 2>&1) || { echo "$name did not end well:"; echo "$out" | tail -n 20; failed=1; continue; }
  # A window benchmark without a display, or one over the receiver captures where the checkout has
  # none beside it, says so and is passed over.
  if grep -q '"error_message": "no DISPLAY' <<<"$out"; then
    echo "$name: skipped, no display"
  elif grep -q '"error_message": "no receiver captures' <<<"$out"; then
    echo "$name: skipped, no receiver captures"
  elif grep -q '"error_occurred": true' <<<"$out"; then
    echo "$name reported an error:"; grep '"error_message"' <<<"$out"; failed=1
  elif ! grep -q '"real_time": [0-9]' <<<"$out"; then
    echo "$name reported no figure"; failed=1
  else
    echo "$name: ran"
  fi
done
[ "$failed" -eq 0 ]
