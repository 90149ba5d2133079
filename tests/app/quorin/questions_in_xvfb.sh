#!/usr/bin/env bash
# The built program in an X11 window on a private Xvfb server, a simulated receiver behind its ports,
# driven by xdotool: 退出 (工程 menu, key 8) asks "确定要退出衡川吗?"; No (Esc) keeps it running. A
# refused value (卫星限制 95, typed into the field that has the focus) shows its messages, the range
# check's and the dialog's, with the program's name as caption. Yes (Enter) ends it with status 0 and its files written
# back. The boxes are seen by the lines the program prints for them. Every wait is bounded.
set -u
quorin=$1
sim=$2
work=$3
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

rm -rf "$work"
mkdir -p "$work/root"
out=$work/quorin.out
source "$(dirname "$0")/../private-xvfb.sh"
start_xvfb "$work"

# A receiver standing near the new job's central meridian (0°): no meridian warning comes up to take
# the keys meant for the questions.
printf 'origin 30.24 1.0 12.5\nleg 600 0 0 0 single\n' >"$work/walk"
"$sim" --rate 2 --script "$work/walk" --link "$work/receiver" >"$work/sim.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -e "$work/receiver" ] && break; sleep 0.1; done
pty=$(readlink -f "$work/receiver")
QZ_SERIAL_PORTS="2=$pty,3=$pty,5=$pty" "$quorin" --root "$work/root" >"$out" 2>&1 &
quorin_pid=$!
pids+=($quorin_pid)

# The title names the data file once start-up is through.
window=$(timeout 60 xdotool search --sync --name '<.+>$' | head -1)
[ -n "$window" ] || { echo "no program window"; cat "$out"; exit 1; }
# Waits up to 60 s (a sanitizer build on a loaded machine) for the program to print a line `count` times.
printed() {  # printed TEXT [COUNT]
  for _ in $(seq 600); do [ "$(grep -cF "$1" "$out")" -ge "${2:-1}" ] && return 0; sleep 0.1; done
  echo "the program did not print '$1':"; cat "$out"; return 1
}
running() { kill -0 $quorin_pid 2>/dev/null; }
# A tap on the handheld's screen: the window shows it twice as large.
tap() { xdotool mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1; }

question="quorin: [提示] 确定要退出衡川吗?"
tap 16 13  # the 工程 menu; 8 is 退出
xdotool key 8
printed "$question" || exit 1
xdotool key Escape  # No
tap 60 13  # the 设置 menu: 3 其它设置, 2 卫星限制, whose mask field has the focus
xdotool key 3 2
xdotool type 95
xdotool key Return
printed "quorin: [衡川] 请输入一个在 0 和 89 之间的整数。" || exit 1
xdotool key Return
printed "quorin: [衡川] 卫星截止角必须在0~89度之间" || exit 1
running || { echo "No ended the program"; cat "$out"; exit 1; }
xdotool key Return Escape  # the message box, then the dialog

tap 16 13
xdotool key 8
printed "$question" 2 || exit 1
xdotool key Return  # Yes
ended=false
for _ in $(seq 300); do running || { ended=true; break; }; sleep 0.1; done
$ended || { echo "Yes did not end the program"; cat "$out"; exit 1; }
wait $quorin_pid || { echo "the program ended with status $?"; cat "$out"; exit 1; }
[ -s "$work/root/Program Files/qzsys.sys" ] || { echo "the system file was not written back"; exit 1; }
exit 0
