#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# A file that differs from .clang-format fails before anything is built.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
# So does an include that points up the layer order.
scripts/check-layers.sh
build=build/sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The readers of untrusted bytes (received lines, settings, point and library files, the line
# cutter): fuzz them for a bounded time before the unit tests report.
bash tests/receiver/fuzz/run-fuzz.sh build/fuzz "${QZ_FUZZ_SECONDS:-20}" >build/fuzz.log 2>&1 ||
  { tail -n 40 build/fuzz.log; exit 1; }
echo "Fuzzed the readers of outside input for ${QZ_FUZZ_SECONDS:-20} s without a finding."
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
