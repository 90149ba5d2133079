# Sourced by the tests that drive a built program in an X11 window: every process the test starts
# goes into pids and is ended on exit; start_xvfb WORK starts a private Xvfb server (the first entry
# of pids) on a free display number and exports DISPLAY once it listens. Every wait is bounded.
pids=()
# xdotool reads the text it types through its own locale, and the caller may have named none: it gets
# UTF-8, the program under test keeps the caller's.
xdotool() { LC_ALL=C.UTF-8 command xdotool "$@"; }
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT

start_xvfb() {
  rm -f "$1/display"
  exec 5> >(cat >"$1/display")
  Xvfb -displayfd 5 -screen 0 640x700x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
  pids+=($!)
  exec 5>&-
  for _ in $(seq 300); do [ -s "$1/display" ] && break; sleep 0.1; done
  [ -s "$1/display" ] || { echo "Xvfb did not start"; exit 1; }
  DISPLAY=:$(cat "$1/display")
  export DISPLAY
}
