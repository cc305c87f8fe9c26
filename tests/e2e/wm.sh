#!/usr/bin/env bash
# Under a real window manager (openbox): the main window and every dialog are framed,
# stand in the middle of the screen by their outer frame and get the keyboard when they
# open; when a dialog closes the game window has the keyboard again and the arrow keys
# steer ぽっけ at once.
E2E_WM=openbox
source "$(dirname "$0")/lib.sh"
start_xvfb

# check_window ID WHAT: framed (a title bar), centred by its outer frame, active.
check_window() {
  local id=$1 what=$2 top
  for _ in $(seq 30); do   # the window manager frames a new window a moment after it maps
    top=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | cut -d, -f3 | tr -d ' ')
    [ -n "$top" ] && [ "$(xdotool getactivewindow 2>/dev/null)" = "$id" ] && break
    sleep 0.1
  done
  [ "${top:-0}" -gt 0 ] || fail "$what has no title bar"
  expect_centred "$id" "$what"
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$id" ] || fail "$what did not get the keyboard"
  echo "$what: framed, centred, has the keyboard"
}

# pokke_x: ぽっけ's left edge on the screen, whichever way he faces (-1 when not seen).
facing=32
pokke_x() {
  local t x
  for t in "$facing" 32 64 72; do
    read -r x _ < <(find_sprite "$E2E_TMP/find.png" "$t")
    if [ "$x" -ge 0 ]; then facing=$t; echo "$x"; return; fi
  done
  echo -1
}

# closed_back WHAT: after WHAT closed, the game window is active again and the arrow key
# held steers ぽっけ (right and left by turns, so he never walks into the edge).
direction=Right
closed_back() {
  for _ in $(seq 30); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ] && break
    sleep 0.1
  done
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ] || fail "the game window did not get the keyboard back after $1"
  local before after
  before=$(pokke_x)
  [ "$before" -ge 0 ] || fail "ぽっけ not found after $1"
  hold "$win" "$direction" 0.4
  if [ "$direction" = Right ]; then facing=64; else facing=72; fi
  read -r after _ < <(find_sprite "$E2E_TMP/find.png" "$facing")
  [ "$after" -ge 0 ] || fail "ぽっけ not found facing $direction after $1"
  if [ "$direction" = Right ]; then
    [ "$after" -gt $((before + 50)) ] || fail "the right arrow did not steer ぽっけ after $1 ($before -> $after)"
    direction=Left
  else
    [ "$after" -lt $((before - 50)) ] || fail "the left arrow did not steer ぽっけ after $1 ($before -> $after)"
    direction=Right
  fi
  echo "after $1: the game has the keyboard and the arrow keys steer ぽっけ"
}

# dialog MENU ITEM NAME TITLE WHAT: opens the dialog NAME through the menu, checks it,
# closes it with Enter and checks the hand-back.
dialog() {
  rule "$5: framed, centred and given the keyboard; closed, the game has it back"
  choose_item "$win" "$1" "$2"
  wait_trace "window $3 shown"
  local id
  id=$(wait_window "$4" 5) || fail "$5 did not open"
  check_window "$id" "$5"
  trace_mark
  xdotool key Return
  wait_trace "window $3 hidden"
  closed_back "$5"
}

new_game_dir
# Without a sound server the music cannot play: the start-up box says so first.
rule "the start-up box and the main window: framed, centred, given the keyboard"
start_game "$game"
wait_trace 'window QMessageBox shown'
box=$(wait_window '^porimogu$' 10) || fail "no start-up box about the music"
check_window "$box" "the start-up box"
xdotool key Return
dismiss_startup_boxes
win=$(wait_window '^ぽっけの ぽりもぐ ゲーム$' 10) || fail "main window did not appear"
check_window "$win" "the main window"
closed_back "the start-up box"

dialog h k HelpBox '^へるぷ$' "the help"
dialog h v AboutBox '^ﾊﾞｰｼﾞｮﾝ情報$' "the version dialog"
dialog o v AboutBox '^ﾊﾞｰｼﾞｮﾝ情報$' "the speed dialog"   # the version dialog, taller
dialog g t TopDlg '^TopList Dialog$' "the top list"

# A game ended through the menu: the name prompt, then the top list. The top list's tenth
# place is below zero (written now: OK on the top list above sorted the file), so that a
# game of 0 points asks for a name.
rule "the name prompt and the top list after a game: framed, centred, given the keyboard"
low_tops >"$game/Tops.dat"
press "$win" Return 'state playing'
choose_item "$win" g q
wait_trace 'window InputBox shown' 12
name=$(wait_window '^EnterName$' 5) || fail "no name prompt after the game"
check_window "$name" "the name prompt"
xdotool key Return
wait_trace 'window TopDlg shown'
top=$(wait_window '^TopList Dialog$' 5) || fail "no top list after the name"
check_window "$top" "the top list after a game"
trace_mark
xdotool key Return
wait_trace 'window TopDlg hidden'
closed_back "the name prompt and the top list"

hold "$win" Escape
wait_exit 3 || fail "Escape while waiting did not end the game"

rule "the error box of a missing game.bmp: framed, centred, given the keyboard"
rm "$game/game.bmp"
start_game "$game"
dismiss_startup_boxes
err=$(wait_window '^ｴﾗｰ$' 10) || fail "no error dialog without game.bmp"
check_window "$err" "the error dialog"
xdotool key Return
wait_exit 3 || fail "the game did not end after the error dialog"
echo "e2e wm: 0 failed"
