#!/usr/bin/env bash
# Builds the received-line parser into a libFuzzer target with clang (address and undefined-behaviour
# sanitizers) and fuzzes it for a bounded time. Usage: run-fuzz.sh [build folder] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
out=${1:-$root/build/fuzz}
seconds=${2:-${QZ_FUZZ_SECONDS:-20}}
mkdir -p "$out/corpus"
sources=(
  tests/receiver/fuzz/ParseLineFuzz.cpp
  receiver/CGpsParser.cpp receiver/NmeaSentences.cpp receiver/BoardLogs.cpp receiver/VersionReply.cpp
  receiver/SentenceFields.cpp
  foundation/CGpsState.cpp
  platform/text/CString.cpp platform/text/Format.cpp platform/text/Numbers.cpp platform/text/CodePage.cpp
  platform/messages/MessageBox.cpp
)
cd "$root"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root" \
  "${sources[@]}" -o "$out/parse-line-fuzz"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$out/parse-line-fuzz" -max_total_time="$seconds" -max_len=600 -timeout=10 -print_final_stats=1 \
  "$out/corpus" "$root/tests/receiver/fuzz/seeds"
