#!/usr/bin/env bash
# CPU per received line: our line parser (bench_receiver's ParseCaptureLines) beside the NMEA decoder
# of Debian's GNSS daemon (`gpsdecode -m`, package gpsd-clients) on one corpus built from the real
# captures in ../shared/testdata, repeated to at least 200,000 lines. Both run pinned to one core, in
# interleaved rounds; the medians and their ratio are printed. The peer is skipped when not installed.
# Usage: compare-gpsdecode.sh [release build folder] [rounds] [core]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/bench}
rounds=${2:-5}
core=${3:-2}
captures=$root/../shared/testdata
bench=$build/bench/receiver/bench_receiver
if [ ! -d "$captures/nmea" ]; then
  echo "no receiver captures at $captures: nothing to compare"
  exit 0
fi
[ -x "$bench" ] || { echo "build $bench first (see README)"; exit 1; }
corpus=$build/capture-corpus.txt
: >"$corpus"
while [ "$(wc -l <"$corpus")" -lt 200000 ]; do
  cat "$captures"/nmea/*.log "$captures"/board-logs/*.asc >>"$corpus"
done
lines=$(wc -l <"$corpus")
peer=$(command -v gpsdecode || true)
[ -n "$peer" ] || echo "gpsdecode not installed (apt-get install gpsd-clients): our figures only"
echo "corpus: $lines lines"
python3 - "$bench" "$corpus" "$lines" "$rounds" "$core" "$peer" <<'PY'
import json, os, resource, statistics, subprocess, sys
bench, corpus, lines, rounds, core, peer = sys.argv[1:]
lines, rounds = int(lines), int(rounds)
ours, theirs = [], []
for _ in range(rounds):
    out = subprocess.run(["taskset", "-c", core, bench, "--benchmark_filter=ParseCaptureLines",
                          "--benchmark_min_time=1", "--benchmark_format=json"],
                         env=dict(os.environ, QZ_CAPTURE_CORPUS=corpus), capture_output=True, check=True)
    run = json.loads(out.stdout)["benchmarks"][0]
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
    ours.append(run["cpu_time"] * scale / lines)
    if peer:
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        with open(corpus, "rb") as data:
            subprocess.run(["taskset", "-c", core, peer, "-m"], stdin=data, stdout=subprocess.DEVNULL, check=True)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
        theirs.append(cpu * 1e6 / lines)
print(f"ours:      {statistics.median(ours):.3f} us CPU per line (rounds: {', '.join(f'{v:.3f}' for v in ours)})")
if theirs:
    print(f"gpsdecode: {statistics.median(theirs):.3f} us CPU per line (rounds: {', '.join(f'{v:.3f}' for v in theirs)})")
    print(f"ours / gpsdecode: {statistics.median(ours) / statistics.median(theirs):.3f}")
PY
