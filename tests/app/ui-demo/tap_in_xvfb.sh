#!/usr/bin/env bash
# Starts the demo in an X11 window on a private Xvfb server, taps "加一" with xdotool and checks
# that the program counted the tap and repainted: its output, its screenshot and the window
# size (the screen scaled twice). Types Chinese into an edit, switches a tab, closes the window;
# then kills the X server under a second run. Prints the demo's resident memory. Every wait is
# bounded.
set -u
demo=$1
work=$2
command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xmodmap >/dev/null || { echo "Xvfb, xdotool or xmodmap missing"; exit 77; }

mkdir -p "$work"
out=$work/ui-demo.out
shot=$work/ui-demo.png
rm -f "$out" "$shot"
source "$(dirname "$0")/../private-xvfb.sh"
start_xvfb "$work"

"$demo" --screenshot "$shot" >"$out" 2>&1 &
demo_pid=$!
pids+=($demo_pid)
wait_for() {  # wait_for TEXT: up to 30 s (a sanitizer build on a loaded machine starts slowly)
  for _ in $(seq 300); do grep -sqx "$1" "$out" && return 0; sleep 0.1; done
  echo "no '$1' from the demo:"; cat "$out"; return 1
}
wait_for ready || exit 1
window=$(timeout 30 xdotool search --sync --name '^ui-demo$' | head -1)
[ -n "$window" ] || { echo "no demo window"; exit 1; }
# Without a window manager the window takes the keyboard itself when shown.
focused() { for _ in $(seq 50); do [ "$(xdotool getwindowfocus)" = "$window" ] && return 0; sleep 0.1; done; return 1; }
focused || { echo "the shown window does not have the keyboard"; exit 1; }
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "480x640" ] || { echo "window is $geometry, not 480x640"; exit 1; }
before=$(cksum < "$shot")

# "加一" lies at (145, 303) on the handheld's screen; the window shows it twice as large.
xdotool mousemove --window "$window" 290 606 click 1
wait_for count=1 || exit 1
xdotool mousemove --window "$window" 290 606 click 1
wait_for count=2 || exit 1
[ "$(cksum < "$shot")" != "$before" ] || { echo "the screen did not change"; exit 1; }

# The name field "K12" ends at (100, 73): tap there, empty it and type Chinese through the input method.
xdotool mousemove --window "$window" 200 146 click 1
xdotool key End BackSpace BackSpace BackSpace
# xdotool types a character missing from the keymap on a borrowed key that it unbinds at once, so a busy
# program can look the key up after the unbinding and lose the character: bind the three for good first.
bind_keysyms() {
  local syms=("$@") free
  free=($(xmodmap -pke | awk 'NF == 3 { print $2 }' | tail -n "$#"))
  [ ${#free[@]} = $# ] || { echo "no free key codes"; return 1; }
  for i in "${!syms[@]}"; do xmodmap -e "keycode ${free[$i]} = ${syms[$i]}" || return 1; done
}
bind_keysyms U63A7 U5236 U70B9 || exit 1  # 控 制 点
xdotool type "控制点1"
wait_for "name=控制点1" || exit 1

# A tab change repaints, and the screenshot follows it.
shown=$(cksum < "$shot")
xdotool mousemove --window "$window" 86 540 click 1
changed() { for _ in $(seq 100); do [ "$(cksum < "$shot")" != "$shown" ] && return 0; sleep 0.1; done; return 1; }
changed || { echo "the screenshot did not follow the tab change"; exit 1; }

echo "resident memory of the demo: $(grep VmRSS /proc/$demo_pid/status | tr -s ' \t' ' ')"
# Closing the window ends the program.
xdotool windowclose "$window"
ended() { for _ in $(seq "$1"); do kill -0 $demo_pid 2>/dev/null || return 0; sleep 0.1; done; return 1; }
ended 50 || { echo "the demo did not end when its window closed"; exit 1; }
wait $demo_pid || { echo "closing the window ended the demo with status $?"; exit 1; }

# Losing the X server ends the program within a second, with status 1 and a message. The first run's
# output goes first: its "ready" must not be read as the second run's.
rm -f "$out"
"$demo" >"$out" 2>&1 &
demo_pid=$!
pids+=($demo_pid)
wait_for ready || exit 1
kill "${pids[0]}"
# It ends within milliseconds; the bound leaves room for a sanitizer build on a loaded machine.
ended 30 || { echo "the demo did not end within 3 s of losing the X server"; exit 1; }
wait $demo_pid
status=$?
[ $status = 1 ] && grep -q "^ui-demo: X display lost$" "$out" || {
  echo "after losing the X server: status $status, output:"; cat "$out"; exit 1; }
exit 0
