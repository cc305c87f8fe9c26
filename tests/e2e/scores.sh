#!/usr/bin/env bash
# A real game ends through the menu, the score qualifies, a Japanese name is typed into
# the input box, the top list is closed with OK, and the line is in Tops.dat.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse

new_game_dir
low_tops > "$game/Tops.dat"   # a game of 0 points enters it

open_game
sleep 0.3
hold "$win" Return            # start a game
sleep 0.5
key "$win" alt+g              # ゲーム (&G)
sleep 0.3
xdotool key q                 # やめる (&Q): the time runs out at the next tick
name=$(wait_window '^EnterName$' 12) || fail "no name prompt after the game ended"
xdotool windowfocus --sync "$name"
xdotool key ctrl+a BackSpace
xdotool type --delay 80 'ぽりabc'
sleep 0.3
xdotool key Return
top=$(wait_window '^TopList Dialog$' 5) || fail "no top list after the name"
sleep 0.3
key "$top" Return             # OK saves the list sorted
sleep 0.5

[ -f "$game/Tops.dat" ] || fail "Tops.dat is gone"
iconv -f CP932 -t UTF-8 "$game/Tops.dat" > "$E2E_TMP/tops.txt" || fail "Tops.dat is not Shift-JIS"
grep -q ',ぽりabc'$'\r''$' "$E2E_TMP/tops.txt" || { cat -A "$E2E_TMP/tops.txt" >&2; fail "the name is not in Tops.dat"; }
[ "$(wc -l < "$E2E_TMP/tops.txt")" -eq 11 ] || fail "Tops.dat does not hold 11 lines"
head -n 1 "$E2E_TMP/tops.txt" | grep -q '^-0002,' || fail "the list was not sorted by OK"

# Back to waiting: Escape ends the game.
hold "$win" Escape
wait_exit 2 || fail "the game did not return to waiting after the top list"
echo "e2e scores: 0 failed"
