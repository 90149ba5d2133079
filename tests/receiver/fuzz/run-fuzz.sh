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
# Seeds from the real captures when they are beside the project: pieces of a few lines each, behind the
# settings header (board type 4, zones 8, fix level 0).
captures=$root/../shared/testdata
seeds=("$root/tests/receiver/fuzz/seeds")
if [ -d "$captures" ]; then
  mkdir -p "$out/capture-seeds"
  rm -f "$out/capture-seeds"/*
  n=0
  for file in "$captures"/nmea/*.log "$captures"/board-logs/*.asc; do
    [ -f "$file" ] || continue
    split -l 4 -d -a 5 "$file" "$out/capture-seeds/piece-"
    for piece in "$out/capture-seeds"/piece-*; do
      { printf '\004\000\000\000\010\000\000\000\010\000\000\000\000\000\000\000'; head -c 1500 "$piece"; } \
        >"$out/capture-seeds/seed-$n"
      rm "$piece"
      n=$((n + 1))
    done
  done
  seeds+=("$out/capture-seeds")
fi
cd "$root"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root" \
  "${sources[@]}" -o "$out/parse-line-fuzz"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$out/parse-line-fuzz" -max_total_time="$seconds" -max_len=2000 -timeout=10 -print_final_stats=1 \
  "$out/corpus" "${seeds[@]}"
