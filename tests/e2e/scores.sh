#!/usr/bin/env bash
# A real game ends through the menu, the score qualifies, a Japanese name is typed into
# the input box, the top list is closed with OK, and the line is in Tops.dat; then Escape
# ends the program. The names, the lists and the files a player may have are the
# in-process table of the shell test gameend.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse

new_game_dir
low_tops > "$game/Tops.dat"   # a game of 0 points enters it

open_game
press "$win" Return 'state playing'   # start a game
choose_item "$win" g q                 # やめる: the time runs out at the next tick
wait_trace 'window InputBox shown' 15
name=$(wait_window '^EnterName$' 5) || fail "no name prompt after the game ended"
xdotool windowfocus --sync "$name"
xdotool key ctrl+a BackSpace
xdotool type --delay 80 'ぽりabc'
trace_mark
xdotool key Return
wait_trace 'window TopDlg shown' 5
top=$(wait_window '^TopList Dialog$' 5) || fail "no top list after the name"
key "$top" Return                      # OK saves the list sorted
wait_trace 'window TopDlg hidden'

[ -f "$game/Tops.dat" ] || fail "Tops.dat is gone"
iconv -f CP932 -t UTF-8 "$game/Tops.dat" > "$E2E_TMP/tops.txt" || fail "Tops.dat is not Shift-JIS"
grep -q ',ぽりabc'$'\r''$' "$E2E_TMP/tops.txt" || { cat -A "$E2E_TMP/tops.txt" >&2; fail "the name is not in Tops.dat"; }
[ "$(wc -l < "$E2E_TMP/tops.txt")" -eq 11 ] || fail "Tops.dat does not hold 11 lines"
head -n 1 "$E2E_TMP/tops.txt" | grep -q '^-0002,' || fail "the list was not sorted by OK"

# Back to waiting, where Escape ends the program.
expect_state waiting
press "$win" Escape 'end 0'
wait_exit 2 || fail "the game did not end at Escape after the top list"
[ -z "$(boxes_said)" ] || fail "unexpected boxes: $(boxes_said)"
echo "e2e scores: 0 failed"
