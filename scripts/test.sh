#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# A file that differs from .clang-format fails before anything is built. The style is read once and
# handed over rather than looked up for each file: one run checked some files against the default style.
style="{$(grep -v '^[[:space:]]*$' .clang-format | paste -sd, -)}"
[ "$style" != "{}" ] || { echo "cannot read .clang-format"; exit 1; }
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --style="$style" --dry-run --Werror
# So does an include that points up the layer order.
scripts/check-layers.sh
build=build/sanitize
# The benchmarks are timed optimised; here each runs once at its smallest size under the sanitizers
# (ctest's *_smoke tests), so that every one of them is seen to end and report, on any core count.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ_SANITIZE=ON -DQZ_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
# The optimised build with tests and benchmarks (and the warnings only optimisation brings out), where
# there are cores for it: on two it would take the run past half an hour.
if [ "$(nproc)" -ge 4 ]; then
  cmake -S . -B build/optimised -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/optimised -j "$(nproc)"
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The readers of untrusted bytes (received lines, settings, point and library files, the line
# cutter): fuzz them for a bounded time before the unit tests report.
bash tests/receiver/fuzz/run-fuzz.sh build/fuzz "${QZ_FUZZ_SECONDS:-20}" >build/fuzz.log 2>&1 ||
  { tail -n 40 build/fuzz.log; exit 1; }
echo "Fuzzed the readers of outside input for ${QZ_FUZZ_SECONDS:-20} s without a finding."
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
