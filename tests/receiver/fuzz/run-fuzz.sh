#!/usr/bin/env bash
# Builds the readers of input from outside into libFuzzer targets with clang (address and
# undefined-behaviour sanitizers) and fuzzes each for a share of a bounded time: the received-line
# parser (the rest of it), the settings files, the point and library files, the stake-out and
# control-point files, and the receiver's line cutter. Usage: run-fuzz.sh [build folder] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
out=${1:-$root/build/fuzz}
seconds=${2:-${QZ_FUZZ_SECONDS:-20}}
mkdir -p "$out"
text=(platform/text/CString.cpp platform/text/Format.cpp platform/text/Numbers.cpp platform/text/CodePage.cpp
  platform/messages/MessageBox.cpp)
files=(platform/files/FileOps.cpp platform/files/DevicePath.cpp platform/files/FileSystemCalls.cpp
  platform/files/CFile.cpp)
# The earth-centred conversions of the base positions and their height check.
geodesy=(geodesy/CoordTransform.cpp geodesy/GaussProjection.cpp geodesy/DmsAngle.cpp geodesy/StereoProjector.cpp
  geodesy/Wgs84.cpp)
# Seeds from the real captures when they are beside the project.
captures=$root/../shared/testdata
capture_files=()
if [ -d "$captures" ]; then
  for file in "$captures"/nmea/*.log "$captures"/board-logs/*.asc; do
    [ -f "$file" ] && capture_files+=("$file")
  done
fi
# Pieces of a few lines each, optionally behind a header, as seeds in a folder of their own.
pieces() {
  local folder=$1 header=$2 n=0
  mkdir -p "$folder"
  rm -f "$folder"/*
  for file in "${capture_files[@]}"; do
    split -l 4 -d -a 5 "$file" "$folder/piece-"
    for piece in "$folder"/piece-*; do
      { printf "$header"; head -c 1500 "$piece"; } >"$folder/seed-$n"
      rm "$piece"
      n=$((n + 1))
    done
  done
}
# The given sources and, for every header they reach through quoted includes, the source of the
# same name beside it: a file split off or added later links without a change here.
with_reached_sources() {
  local -A seen=()
  local queue=("$@") file header
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    [ -n "${seen[$file]:-}" ] && continue
    seen[$file]=1
    while read -r header; do
      for file in "$header" "${header%.h}.cpp"; do
        [ -f "$file" ] && [ -z "${seen[$file]:-}" ] && queue+=("$file")
      done
    done < <(grep -o '^#include "[^"]*"' "$file" | cut -d'"' -f2)
  done
  printf '%s\n' "${!seen[@]}" | grep '\.cpp$' | sort
}
# fuzz NAME SECONDS "SOURCES" SEEDS...
fuzz() {
  local name=$1 time=$2 sources
  # shellcheck disable=SC2086
  sources=$(with_reached_sources $3)
  shift 3
  mkdir -p "$out/$name-corpus"
  # shellcheck disable=SC2086
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root" \
    $sources -o "$out/$name"
  "$out/$name" -max_total_time="$time" -max_len=2000 -timeout=10 -print_final_stats=1 -artifact_prefix="$out/" \
    "$out/$name-corpus" "$@"
}
cd "$root"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
share=$(((seconds + 6) / 7))
parser=$((seconds - 4 * share > 0 ? seconds - 4 * share : 1))

# Behind the settings header of the line parser (board type 4, zone 8, base flag 0, fix level 0).
pieces "$out/capture-seeds" '\004\000\000\000\010\000\000\000\000\000\000\000\000\000\000\000'
fuzz parse-line-fuzz "$parser" "tests/receiver/fuzz/ParseLineFuzz.cpp
  receiver/CGpsParser.cpp receiver/NmeaSentences.cpp receiver/BoardLogs.cpp receiver/VersionReply.cpp
  receiver/SentenceFields.cpp receiver/ReceiverProtocol.cpp foundation/CGpsState.cpp ${geodesy[*]} ${text[*]}" \
  tests/receiver/fuzz/seeds "$out/capture-seeds"

fuzz settings-file-fuzz "$share" "tests/foundation/fuzz/SettingsFileFuzz.cpp foundation/JobSettingsFiles.cpp
  foundation/SystemFile.cpp foundation/JobParamsFile.cpp foundation/CoordParamsFile.cpp
  foundation/SettingsTable.cpp foundation/CIniFile.cpp foundation/SettingsFileWriter.cpp
  foundation/SettingsNumbers.cpp foundation/DamagedFileCopy.cpp foundation/DevicePathJoin.cpp
  foundation/AntennaTable.cpp ${files[*]} ${text[*]}" tests/foundation/golden

fuzz point-file-fuzz "$share" "tests/foundation/fuzz/PointFileFuzz.cpp foundation/PointLines.cpp
  foundation/StoredPointLines.cpp foundation/CoordLibFile.cpp foundation/CoordLibRecord.cpp
  foundation/JobResultFiles.cpp foundation/SettingsFileWriter.cpp foundation/DevicePathJoin.cpp
  foundation/CGpsState.cpp foundation/RecordFile.cpp foundation/LineStarts.cpp foundation/DataFileRead.cpp
  foundation/DamagedFileCopy.cpp ${files[*]} ${text[*]}" tests/foundation/golden/stored \
  tests/survey/golden

fuzz stake-files-fuzz "$share" "tests/stakeout/fuzz/StakeFilesFuzz.cpp stakeout/StakeFiles.cpp
  calibration/ControlPointFile.cpp calibration/ListFileLines.cpp calibration/ControlPointTable.cpp
  foundation/CoordLibFile.cpp foundation/CoordLibRecord.cpp foundation/DevicePathJoin.cpp foundation/PointLines.cpp
  foundation/DataFileRead.cpp foundation/DamagedFileCopy.cpp foundation/CMatrix.cpp calibration/CalibrationParams.cpp
  geodesy/ControlPointSolve.cpp geodesy/GeometryStrength.cpp geodesy/Solvers.cpp ${geodesy[*]} ${files[*]} ${text[*]}" \
  tests/stakeout/fuzz/seeds

pieces "$out/stream-seeds" '\001\007\037\100'
fuzz receiver-lines-fuzz "$share" "tests/shell/fuzz/ReceiverLinesFuzz.cpp shell/link/ReceiverLines.cpp ${text[*]}" \
  "$out/stream-seeds"
