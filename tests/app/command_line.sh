#!/usr/bin/env bash
# The two programs' command lines: --help, an unknown option (usage line, status 2), and files or a
# display that cannot be used (named, with the reason, status 1). Needs no X server.
set -u
demo=$1
sim=$2
work=$3
quorin=$4
mkdir -p "$work"
failures=0

# expect STATUS PATTERN COMMAND...: the command ends with STATUS and its output has a line matching PATTERN.
expect() {
  local status=$1 pattern=$2
  shift 2
  local out
  out=$(timeout 20 "$@" 2>&1 </dev/null)
  local got=$?
  if [ "$got" != "$status" ] || ! grep -qE -- "$pattern" <<<"$out"; then
    echo "FAIL: $* -> status $got, wanted $status and a line matching '$pattern'; output:"
    echo "$out"
    failures=$((failures + 1))
  fi
}

expect 0 '^  --screenshot FILE' "$demo" --help
expect 2 '^usage: ui-demo ' "$demo" --root /x
expect 2 '^ui-demo: unknown option or missing value: --screenshot$' "$demo" --screenshot
expect 1 '^ui-demo: cannot write /nonexistent/shot.png: No such file or directory$' \
  "$demo" --screenshot /nonexistent/shot.png
expect 1 '^ui-demo: cannot open the X display ":9876"$' env DISPLAY=:9876 "$demo"
expect 1 '^ui-demo: cannot open the X display \(DISPLAY is not set\)$' env -u DISPLAY "$demo"

# A display that refuses is an error; the device root's lock goes with the program, so a second try
# meets the same error rather than the lock.
for try in 1 2; do
  expect 1 '^quorin: cannot open the display :9876$' env DISPLAY=:9876 "$quorin" --root "$work/root"
done

expect 0 '^  --record FILE' "$sim" --help
expect 2 '^usage: receiver-sim ' "$sim" --bogus 1
expect 2 '^usage: receiver-sim ' "$sim" --no-such-flag
expect 1 '^receiver-sim: cannot read /missing: No such file or directory$' "$sim" --script /missing
printf 'rate 50\n' >"$work/bad.walk"
expect 1 "^receiver-sim: $work/bad.walk: script line 1" "$sim" --script "$work/bad.walk"
expect 1 '^receiver-sim: cannot write /nonexistent/rx.bin: No such file or directory$' \
  "$sim" --record /nonexistent/rx.bin --seconds 0
expect 1 '^receiver-sim: cannot link /nonexistent/gps: No such file or directory$' \
  "$sim" --link /nonexistent/gps --seconds 0
expect 0 'epochs sent' "$sim" --record "$work/rx.bin" --seconds 0
[ -f "$work/rx.bin" ] || { echo "FAIL: no record written"; failures=$((failures + 1)); }
exit $((failures > 0))
