#!/usr/bin/env bash
# Plants each listed fault, one at a time, in a copy of the tree and reports how many the tests catch.
#
#   bash tests/faults/run-faults.sh [-n] [-j JOBS] [-m REGEX] [-t TARGET]... [LIST...]
#
# LIST defaults to every tests/faults/*.list. Each line is `path<TAB>sed-expression<TAB>what it breaks`
# (blank lines and lines starting with # are skipped); the sed expression must change the file. -m keeps
# only the lines that match REGEX. -n only checks that every entry still plants (no build, no tests), to
# find the entries that went stale when code moved. -t builds only the given targets after each fault (a quick pass; a
# fault it misses may still be caught by the rest of the suite). The copy and its sanitizer build live in $QZ_FAULTS_DIR (default
# /tmp/qz-faults-$USER) and are reused, so a second run only rebuilds what changed. After each fault only
# the tests whose programs were rebuilt are run (a test that runs a rebuilt program counts too).
# A fault is caught when a test fails or times out. An entry whose file is gone, whose expression changes
# nothing (stale: the code moved) or whose fault does not build is an error of the list and fails the run.
set -uo pipefail
jobs=4
match=.
targets=()
plant_only=0
while getopts "nj:m:t:" opt; do
  case $opt in
    n) plant_only=1 ;;
    j) jobs=$OPTARG ;;
    m) match=$OPTARG ;;
    t) targets+=(--target "$OPTARG") ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
src=$(cd "$(dirname "$0")/../.." && pwd)
lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=("$src"/tests/faults/*.list)
work=${QZ_FAULTS_DIR:-/tmp/qz-faults-${USER:-$(id -un)}}
tree=$work/tree
build=$work/build
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$work CCACHE_NOHASHDIR=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The names of the tests a ctest log lists as failed (not those it skipped).
failed_tests() {
  sed -n '/^The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$1"
}

if [ "$plant_only" -eq 1 ]; then
  # Each entry is planted in a scratch copy of its file, leaving the copy of another run alone.
  work=$(mktemp -d)
  tree=$work/tree
  trap 'rm -rf "$work"' EXIT
else
  mkdir -p "$tree" "$build"
  # Mirror the working tree (committed and uncommitted files), copying only what differs so the build stays warm.
  (cd "$src" && git ls-files -co --exclude-standard) | grep -v '^build/' | sort >"$work/files"
  (cd "$tree" && find . -path ./build -prune -o -type f -print | sed 's|^\./||' | sort) >"$work/copied"
  comm -13 "$work/files" "$work/copied" | (cd "$tree" && xargs -r -d '\n' rm -f)
  while IFS= read -r f; do
    if ! cmp -s "$src/$f" "$tree/$f" 2>/dev/null; then
      mkdir -p "$tree/$(dirname "$f")" && cp "$src/$f" "$tree/$f"
    fi
  done <"$work/files"
  # The receiver captures lie beside the source tree; the copy sees the same ones.
  if [ -d "$src/../shared" ]; then ln -sfn "$(cd "$src/../shared" && pwd -P)" "$work/shared"; fi

  cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ_SANITIZE=ON -DQZ_BUILD_BENCHMARKS=OFF \
    </dev/null >"$work/configure.log" || { tail -20 "$work/configure.log"; exit 1; }
  cmake --build "$build" -j "$jobs" "${targets[@]}" </dev/null >"$work/build.log" 2>&1 || {
    tail -30 "$work/build.log"
    echo "The unchanged tree does not build."
    exit 1
  }
  # A test that fails without a fault would count every fault as caught: such tests are left out.
  ctest --test-dir "$build" -j "$jobs" --timeout 300 </dev/null >"$work/test.log" 2>&1
  failed_tests "$work/test.log" >"$work/failing"
  if [ -s "$work/failing" ]; then
    echo "These tests fail on the unchanged tree and are left out: $(tr '\n' ' ' <"$work/failing")"
  fi
fi

total=0 caught=0 broken=0
missed=()
summary=()
for list in "${lists[@]}"; do
  list_total=$total list_caught=$caught list_broken=$broken
  # The list is read on its own descriptor: a build or a test reading stdin must not swallow the entries.
  while IFS=$'\t' read -r path expr what <&3 || [ -n "$path" ]; do
    case $path in '' | '#'*) continue ;; esac
    grep -qE -- "$match" <<<"$path	$expr	$what" || continue
    total=$((total + 1))
    label="$(basename "$list"):$path: $what"
    if [ ! -f "$src/$path" ]; then
      echo "LIST ERROR  $label (no such file)"
      broken=$((broken + 1))
      continue
    fi
    [ "$plant_only" -eq 0 ] || { mkdir -p "$(dirname "$tree/$path")" && cp "$src/$path" "$tree/$path"; }
    touch "$work/stamp"
    if ! sed -i -e "$expr" "$tree/$path" 2>"$work/sed.log"; then
      echo "LIST ERROR  $label (sed refuses the expression: $(head -1 "$work/sed.log"))"
      broken=$((broken + 1))
      cp "$src/$path" "$tree/$path"
      continue
    fi
    if cmp -s "$src/$path" "$tree/$path"; then
      echo "LIST ERROR  $label (the expression changes nothing)"
      broken=$((broken + 1))
      continue
    fi
    if [ "$plant_only" -eq 1 ]; then
      echo "PLANTS      $label"
      caught=$((caught + 1))
      continue
    fi
    if ! cmake --build "$build" -j "$jobs" "${targets[@]}" </dev/null >"$work/build.log" 2>&1; then
      echo "LIST ERROR  $label (does not build; $work/build.log)"
      broken=$((broken + 1))
      cp "$src/$path" "$tree/$path"
      continue
    fi
    # Test numbers whose command names a program rebuilt for this fault: the quick ones, then those that
    # took over 3 s on the unchanged tree (most faults are caught before the slow ones would start).
    rebuilt=$(find "$build" -type f -perm -u+x -newer "$work/stamp" ! -name '*.so*' ! -path '*/CMakeFiles/*')
    batches=$(ctest --test-dir "$build" --show-only=json-v1 2>/dev/null | REBUILT="$rebuilt" FAILING="$work/failing" \
      COSTS="$build/Testing/Temporary/CTestCostData.txt" python3 -c '
import json, os, sys
rebuilt = set(os.environ["REBUILT"].split())
failing = set(open(os.environ["FAILING"]).read().split())
costs = {}
if os.path.exists(os.environ["COSTS"]):
    for line in open(os.environ["COSTS"]):
        fields = line.split()
        if len(fields) == 3:
            costs[fields[0]] = float(fields[2])
tests = json.load(sys.stdin)["tests"]
chosen = [(i + 1, t["name"]) for i, t in enumerate(tests)
          if rebuilt & set(t.get("command", [])) and t["name"] not in failing]
for slow in (False, True):
    print(",".join(str(n) for n, name in chosen if (costs.get(name, 0.0) > 3.0) == slow))')
    outcome=missed
    if [ -z "$(tr -d ',\n' <<<"$batches")" ]; then
      echo "MISSED      $label (no test runs the changed code)"
      missed+=("$label")
      cp "$src/$path" "$tree/$path"
      continue
    fi
    while IFS= read -r numbers; do
      [ -n "$numbers" ] || continue
      # One failing test is enough: the rest are not started (ctest runs the last fault's failures first).
      if ! ctest --test-dir "$build" -I "0,0,0,$numbers" -j "$jobs" --timeout 300 --stop-on-failure \
        </dev/null >"$work/test.log" 2>&1; then
        outcome=caught
        break
      fi
    done <<<"$batches"
    if [ "$outcome" = caught ]; then
      failed=$(failed_tests "$work/test.log" | head -3 | tr '\n' ' ')
      echo "CAUGHT      $label [$failed]"
      caught=$((caught + 1))
    else
      echo "MISSED      $label"
      missed+=("$label")
    fi
    cp "$src/$path" "$tree/$path"
  done 3<"$list"
  summary+=("$(basename "$list"): $([ "$plant_only" -eq 1 ] && echo planted || echo caught) $((caught - list_caught))/$((total - list_total)) ($((broken - list_broken)) list errors)")
done
# Leave the copy's build matching the unchanged tree for the next run.
[ "$plant_only" -eq 1 ] || cmake --build "$build" -j "$jobs" "${targets[@]}" >"$work/build.log" 2>&1
[ ${#missed[@]} -eq 0 ] || printf 'missed: %s\n' "${missed[@]}"
printf '%s\n' "${summary[@]}"
echo "$([ "$plant_only" -eq 1 ] && echo planted || echo caught) $caught/$total ($broken list errors)"
[ "$caught" -eq "$total" ]
