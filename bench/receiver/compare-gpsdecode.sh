#!/usr/bin/env bash
# CPU per received line, whole process against whole process: our line handling (parse-capture: the
# capture read from standard input a block at a time, cut into lines by the receiver link's cutter,
# every line parsed) beside the NMEA decoder of Debian's GNSS daemon (`gpsdecode -m`, package
# gpsd-clients, installed for the comparison when missing and run as root), each started on the same
# file, pinned to one core, in interleaved rounds; the CPU each process used (start-up and reading
# included) is divided by the lines, and the medians and their ratio are printed for two corpora built
# from the real captures in ../shared/testdata, CR LF as on the wire, each repeated to at least
# 200,000 lines:
# - "nmea": the sentences of the NMEA captures that both decode (the types our parser reads; the
#   peer decodes every NMEA type), the fair comparison;
# - "mixed": the NMEA captures whole with the receiver board's logs, which the peer does not decode.
# Fails when the captures or parse-capture are missing; the peer is skipped when it cannot be had.
# Usage: compare-gpsdecode.sh [release build folder] [rounds] [core]; QZ_TESTDATA names another
# captures folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/bench}
rounds=${2:-5}
core=${3:-2}
captures=${QZ_TESTDATA:-$root/../shared/testdata}
ours=$build/bench/receiver/parse-capture/parse-capture
shopt -s nullglob
nmea_logs=("$captures"/nmea/*.log)
board_logs=("$captures"/board-logs/*.asc)
if [ ${#nmea_logs[@]} -eq 0 ]; then
  echo "compare-gpsdecode: no NMEA captures (*.log) in $captures/nmea: nothing compared" >&2
  exit 1
fi
[ -x "$ours" ] || { echo "compare-gpsdecode: build $ours first (see docs/performance.md)" >&2; exit 1; }
# The sentence names our parser reads (receiver/CGpsParser.cpp); a line counts when it starts with one.
both='^\$(GPGGA|GPGLL|GPGSA|GPGST|GPGSV|GPRMC|GPVTG|GPZDA|GNGSA|GLGSV|GNGST),'
# crlf FILE...: every line of the files, the last one too, ended by CR LF.
crlf() { awk '{ sub(/\r$/, ""); printf "%s\r\n", $0 }' "$@"; }
# corpus FILE SOURCE...: SOURCE repeated into FILE to at least 200,000 lines.
corpus() {
  local file=$1
  shift
  : >"$file"
  [ -s "$1" ] || { echo "compare-gpsdecode: $1 is empty" >&2; exit 1; }
  while [ "$(wc -l <"$file")" -lt 200000 ]; do cat "$@" >>"$file"; done
}
crlf "${nmea_logs[@]}" | grep -aE "$both" >"$build/capture-nmea-once.txt" || true
crlf "${nmea_logs[@]}" "${board_logs[@]}" >"$build/capture-mixed-once.txt"
corpus "$build/capture-nmea.txt" "$build/capture-nmea-once.txt"
corpus "$build/capture-mixed.txt" "$build/capture-mixed-once.txt"
if ! command -v gpsdecode >/dev/null && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gpsd-clients >/dev/null || true
fi
peer=$(command -v gpsdecode || true)
[ -n "$peer" ] || echo "gpsdecode not installed (apt-get install gpsd-clients): our figures only"
python3 - "$ours" "$rounds" "$core" "$peer" "nmea=$build/capture-nmea.txt" "mixed=$build/capture-mixed.txt" <<'PY'
import resource, statistics, subprocess, sys
ours, rounds, core, peer = sys.argv[1:5]
rounds = int(rounds)

def cpu_per_line(command, corpus, lines):
    """The CPU of one run of `command` on the corpus, pinned, in microseconds a line."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(corpus, "rb") as data:
        subprocess.run(["taskset", "-c", core, *command], stdin=data, stdout=subprocess.DEVNULL, check=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu * 1e6 / lines

for named in sys.argv[5:]:
    name, corpus = named.split("=", 1)
    with open(corpus, "rb") as f:
        lines = sum(1 for _ in f)
    figures = {"ours": [], "gpsdecode": []}
    for _ in range(rounds):
        figures["ours"].append(cpu_per_line([ours], corpus, lines))
        if peer:
            figures["gpsdecode"].append(cpu_per_line([peer, "-m"], corpus, lines))
    print(f"{name}: {lines} lines, each decoder a whole process on the file")
    for who, runs in figures.items():
        if runs:
            print(f"  {who + ':':10} {statistics.median(runs):.3f} us CPU per line "
                  f"(rounds: {', '.join(f'{v:.3f}' for v in runs)})")
    if figures["gpsdecode"]:
        ratio = statistics.median(figures["gpsdecode"]) / statistics.median(figures["ours"])
        print(f"  gpsdecode / ours: {ratio:.1f}")
PY
