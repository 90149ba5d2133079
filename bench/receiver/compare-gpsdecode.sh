#!/usr/bin/env bash
# CPU per received line: our line parser (bench_receiver's ParseCaptureLines) beside the NMEA decoder
# of Debian's GNSS daemon (`gpsdecode -m`, package gpsd-clients), pinned to one core in interleaved
# rounds; the medians and their ratio are printed for two corpora built from the real captures in
# ../shared/testdata, each repeated to at least 200,000 lines:
# - "nmea": the sentences of the NMEA captures that both decode (the types our parser reads; the
#   peer decodes every NMEA type), the fair comparison;
# - "mixed": the NMEA captures whole with the receiver board's logs, which the peer does not decode.
# Fails when the captures or the benchmark are missing; the peer is skipped when not installed.
# Usage: compare-gpsdecode.sh [release build folder] [rounds] [core]; QZ_TESTDATA names another
# captures folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/bench}
rounds=${2:-5}
core=${3:-2}
captures=${QZ_TESTDATA:-$root/../shared/testdata}
bench=$build/bench/receiver/bench_receiver
shopt -s nullglob
nmea_logs=("$captures"/nmea/*.log)
board_logs=("$captures"/board-logs/*.asc)
if [ ${#nmea_logs[@]} -eq 0 ]; then
  echo "compare-gpsdecode: no NMEA captures (*.log) in $captures/nmea: nothing compared" >&2
  exit 1
fi
[ -x "$bench" ] || { echo "compare-gpsdecode: build $bench first (see README)" >&2; exit 1; }
# The sentence names our parser reads (receiver/CGpsParser.cpp); a line counts when it starts with one.
both='^\$(GPGGA|GPGLL|GPGSA|GPGST|GPGSV|GPRMC|GPVTG|GPZDA|GNGSA|GLGSV|GNGST),'
# corpus FILE SOURCE...: SOURCE repeated into FILE to at least 200,000 lines.
corpus() {
  local file=$1
  shift
  : >"$file"
  [ -s "$1" ] || { echo "compare-gpsdecode: $1 is empty" >&2; exit 1; }
  while [ "$(wc -l <"$file")" -lt 200000 ]; do cat "$@" >>"$file"; done
}
nmea_only=$build/capture-nmea.txt
mixed=$build/capture-mixed.txt
cat "${nmea_logs[@]}" | tr -d '\r' | grep -aE "$both" >"$build/capture-nmea-once.txt" || true
corpus "$nmea_only" "$build/capture-nmea-once.txt"
corpus "$mixed" "${nmea_logs[@]}" "${board_logs[@]}"
peer=$(command -v gpsdecode || true)
[ -n "$peer" ] || echo "gpsdecode not installed (apt-get install gpsd-clients): our figures only"
python3 - "$bench" "$rounds" "$core" "$peer" "nmea=$nmea_only" "mixed=$mixed" <<'PY'
import json, os, resource, statistics, subprocess, sys
bench, rounds, core, peer = sys.argv[1:5]
rounds = int(rounds)
for named in sys.argv[5:]:
    name, corpus = named.split("=", 1)
    with open(corpus, "rb") as f:
        lines = sum(1 for _ in f)
    ours, theirs = [], []
    for _ in range(rounds):
        out = subprocess.run(["taskset", "-c", core, bench, "--benchmark_filter=ParseCaptureLines",
                              "--benchmark_min_time=1", "--benchmark_format=json"],
                             env=dict(os.environ, QZ_CAPTURE_CORPUS=corpus), capture_output=True, check=True)
        run = json.loads(out.stdout)["benchmarks"][0]
        if run.get("error_occurred"):
            sys.exit(f"compare-gpsdecode: {run.get('error_message')}")
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
        ours.append(run["cpu_time"] * scale / lines)
        if peer:
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            with open(corpus, "rb") as data:
                subprocess.run(["taskset", "-c", core, peer, "-m"], stdin=data, stdout=subprocess.DEVNULL,
                               check=True)
            after = resource.getrusage(resource.RUSAGE_CHILDREN)
            cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
            theirs.append(cpu * 1e6 / lines)
    print(f"{name}: {lines} lines")
    print(f"  ours:      {statistics.median(ours):.3f} us CPU per line (rounds: {', '.join(f'{v:.3f}' for v in ours)})")
    if theirs:
        print(f"  gpsdecode: {statistics.median(theirs):.3f} us CPU per line (rounds: {', '.join(f'{v:.3f}' for v in theirs)})")
        print(f"  ours / gpsdecode: {statistics.median(ours) / statistics.median(theirs):.3f}")
PY
