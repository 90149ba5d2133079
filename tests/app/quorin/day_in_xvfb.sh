#!/usr/bin/env bash
# A surveyor's day in the built program: an X11 window on a private Xvfb server, the receiver simulator
# behind its ports, keys and taps by xdotool, no tap on the map before a key. The central-meridian
# warning of the default job is acknowledged; the cable link is connected; a new job with a Chinese
# name gets the walk's central meridian through the wizard and shows all its points on the map; key A and the store button store a point
# each; in the coordinate view a tapped row is deleted; the points are exported; 退出 → 是 ends the
# program. Started again with the receiver 40 m east, the map draws the stored point and key A stores
# again. What the program did is read from its files, the lines it prints for its boxes and warnings,
# and its screenshots. Every wait is bounded.
set -u
quorin=$1
sim=$2
work=$3
here=$(dirname "$0")
for tool in Xvfb xdotool python3; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done

rm -rf "$work"
mkdir -p "$work/root"
source "$here/../private-xvfb.sh"
start_xvfb "$work"

job="$work/root/Program Files/Jobs/测量日"
points="$job/data/测量日.xyh"
screen="$work/screen.png"

# start_sim SCRIPT: a receiver simulator playing the walk, its terminal linked as $work/receiver.
start_sim() {
  printf "$1" >"$work/walk"
  rm -f "$work/receiver"
  "$sim" --rate 2 --script "$work/walk" --link "$work/receiver" >>"$work/sim.log" 2>&1 &
  sim_pid=$!
  pids+=($sim_pid)
  for _ in $(seq 300); do [ -e "$work/receiver" ] && break; sleep 0.1; done
  [ -e "$work/receiver" ] || { echo "the simulator did not start"; exit 1; }
}
# start_quorin OUT: the program on the simulator's terminal, its output in OUT, its screen in $screen.
start_quorin() {
  out=$1
  local pty
  pty=$(readlink -f "$work/receiver")
  QZ_SERIAL_PORTS="2=$pty,3=$pty,5=$pty" "$quorin" --root "$work/root" --screenshot "$screen" >"$out" 2>&1 &
  quorin_pid=$!
  pids+=($quorin_pid)
  # The title names the data file once start-up is through.
  window=$(timeout 60 xdotool search --sync --name '<.+>$' | head -1)
  [ -n "$window" ] || { echo "no program window"; cat "$out"; exit 1; }
}
fail() { echo "$1"; cat "$out"; exit 1; }
# Waits up to 60 s (a sanitizer build on a loaded machine) for the program to print a line `count` times.
printed() {  # printed TEXT [COUNT]
  for _ in $(seq 600); do [ "$(grep -cF "$1" "$out")" -ge "${2:-1}" ] && return 0; sleep 0.1; done
  fail "the program did not print '$1':"
}
lines() { [ -f "$points" ] && grep -c . "$points" || echo 0; }
# Waits up to 60 s for the point file to hold `count` points.
holds() {  # holds COUNT WHAT
  for _ in $(seq 600); do [ "$(lines)" -eq "$1" ] && return 0; sleep 0.1; done
  fail "$2: the point file holds $(lines) points, not $1"
}
# Key A and Return (确定 in the store dialog) until the point file holds `count` points. A opens the store
# dialog or, before the first fix of a new connection, the box that says there is no data to store, at
# once: Return answers whichever opened, and after a refusal A is tried again with the next fix.
store_by_key() {  # store_by_key COUNT WHAT
  local refusal="quorin: [信息提示] 当前没有接收到数据,不能存储数据"
  for _ in $(seq 30); do
    local refused
    refused=$(grep -cF "$refusal" "$out")
    xdotool key a Return
    for _ in $(seq 600); do
      [ "$(lines)" -eq "$1" ] && return 0
      [ "$(grep -cF "$refusal" "$out")" -gt "$refused" ] && break
      sleep 0.1
    done
    [ "$(grep -cF "$refusal" "$out")" -gt "$refused" ] || fail "$2: the point file holds $(lines) points, not $1"
    sleep 1
  done
  fail "$2: no data to store"
}
names() { cut -d, -f1 "$points" | tr '\n' ' '; }
running() { kill -0 $quorin_pid 2>/dev/null; }
# A tap on the handheld's screen: the window shows it twice as large.
tap() { xdotool mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1; }
# 退出 → 是: the program ends with status 0.
exit_program() {
  tap 16 13 # the 工程 menu; 8 is 退出
  xdotool key 8
  printed "quorin: [提示] 确定要退出衡川吗?" "$1"
  xdotool key Return
  for _ in $(seq 300); do running || break; sleep 0.1; done
  running && fail "Yes did not end the program"
  wait $quorin_pid || fail "the program ended with status $?"
}

# The receiver stands still near 120° east; the default job's central meridian is 0°.
origin='origin 30.2416666667 120.1716666667 12.5\n'
start_sim "${origin}leg 600 0 0 0 fixed\n"
start_quorin "$work/quorin.out"
printed "quorin: [提示] 中央子午线设置错误请重新设置!"
tap 70 192 # 确定 acknowledges it (Cancel, the default button, only closes it until the next tick)

# 设置 → 7 连接仪器: the cable, 连接.
tap 60 13
xdotool key 7 Return

# 工程 → 1 新建工程: the name typed, the wizard's first page passed, the central meridian typed, 确定.
tap 16 13
xdotool key 1
tap 150 48
xdotool type --delay 50 '测量日'
xdotool key Return Return
tap 165 86
xdotool key End BackSpace BackSpace BackSpace
xdotool type --delay 50 '120'
xdotool key Return
for _ in $(seq 600); do [ -f "$job/测量日.qzs" ] && break; sleep 0.1; done
[ -f "$job/测量日.qzs" ] || fail "no new job"

# 设置 → 3 其它设置 → 1 存储设置: 显示点数 全部 from its list, 确定.
tap 60 13
xdotool key 3 1
tap 176 232
tap 100 247
xdotool key Return

# Key A without a tap first, then the store button: a point each, 确定 in the store dialog.
store_by_key 1 "key A"
tap 125 122
xdotool key Return
holds 2 "the store button"
first=$(cut -d, -f1 "$points" | head -1)
second=$(cut -d, -f1 "$points" | tail -1)

# B twice: the coordinate view, newest first. The second row (the first point) tapped, 删除, 是, 退出.
xdotool key b b
tap 60 72
tap 120 297
printed "quorin: [提示] 确实要删除该项吗?"
xdotool key Return
holds 1 "the deletion"
[ "$(names)" = "$second " ] || fail "deleting the tapped row $first left: $(names)"
tap 205 297

# 工程 → 5 文件输出: 输出 into the job's result folder.
tap 16 13
xdotool key 5 Return
printed "quorin: [提示] 已输出1个点到测量日.dat"
xdotool key Return
grep -q "^$second," "$job/result/测量日.dat" || fail "the export does not hold $second"

exit_program 1

# Started again with the receiver 40 m east of the stored point: the map shows its marker.
kill $sim_pid
start_sim "${origin}leg 2 0 40 0 fixed\nleg 600 0 0 0 fixed\n"
rm -f "$screen"
start_quorin "$work/quorin-again.out"
drawn=0
deadline=$((SECONDS + 60))
while [ $SECONDS -lt $deadline ]; do
  [ -f "$screen" ] && drawn=$(python3 "$here/map_points.py" "$screen" 26 222 2>/dev/null || echo 0)
  [ "$drawn" -ge 1 ] && break
  sleep 0.5
done
[ "$drawn" -ge 1 ] || fail "the map draws no stored point after the restart"
store_by_key 2 "key A after the restart"
exit_program 1
exit 0
