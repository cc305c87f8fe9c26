#!/usr/bin/env bash
# The window opens in the middle of the screen with its floor and ぽっけ; the right arrow
# held moves ぽっけ right; a second start in the folder brings this game to the front and
# ends; a killed game's lock is taken over; Escape while waiting ends the game; without
# game.bmp the error dialog ends it, in the desktop's language; --language chooses another.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse

rule "the window opens in the middle of the screen with its floor and ぽっけ"
new_game_dir
open_game
expect_centred "$win" "the main window"

floor_shown || fail "floor not on screen ($floor tiles seen)"
read -r x0 y0 m0 n0 < <(find_sprite "$E2E_TMP/a.png" 32 1 whole)
[ "$x0" -ge 0 ] || fail "ぽっけ not found facing down"
echo "ぽっけ at $x0,$y0 ($m0/$n0 pixels)"

rule "the right arrow held walks ぽっけ right along his row"
hold "$win" Right 0.6
read -r x1 y1 m1 n1 < <(settled_sprite "$E2E_TMP/b.png" 64 1 whole)
[ "$x1" -ge 0 ] || fail "ぽっけ not found facing right"
echo "ぽっけ now at $x1,$y1 ($m1/$n1 pixels)"
[ "$x1" -gt $((x0 + 100)) ] || fail "ぽっけ did not walk right ($x0 -> $x1)"
[ "$y1" -eq "$y0" ] || fail "ぽっけ left his row ($y0 -> $y1)"

# A second start in the same folder opens no second game: it brings the first to the
# front, above a window that covered it, and ends at once with status 0.
rule "a second start in the folder brings the running game to the front and ends"
cover
second_start "$game"
[ "$(xdotool search --onlyvisible --name '^ぽっけの ぽりもぐ ゲーム$' | wc -l)" -eq 1 ] || fail "a second game window opened"
expect_front "$win" "the running game"
read -r x2 y2 _ < <(find_sprite "$E2E_TMP/c.png" 64 1 whole)
[ "$x2" -eq "$x1" ] && [ "$y2" -eq "$y1" ] || fail "ぽっけ is not seen in front of the covering window ($x2,$y2)"
kill "$E2E_COVER"
game_running || fail "the running game ended"

rule "a killed game's lock is taken over by the next start; Escape while waiting ends the game"
kill -KILL "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true
[ -e "$game/.porimogu.lock" ] || fail "the killed game left no lock behind"
open_game
second_start "$game"
expect_front "$win" "the game that took the lock over"
hold "$win" Escape
wait_exit 1 || fail "Escape while waiting did not end the game within a second"
[ ! -e "$game/.porimogu.lock" ] || fail "the game left its lock behind when it ended"

rule "without game.bmp the error dialog ends the game"
rm "$game/game.bmp"
start_game "$game"
dismiss_startup_boxes
dlg=$(wait_window '^ｴﾗｰ$' 10) || fail "no error dialog without game.bmp"
key "$dlg" Return
wait_exit 3 || fail "the game did not end after the error dialog"

rule "on an English desktop that box speaks English"
# On an English desktop the same start speaks English, from the translation built beside
# the program: the box, its caption and its button.
export LANGUAGE=en
start_game "$game"
unset LANGUAGE
dismiss_startup_boxes
dlg=$(wait_window '^Error$' 10) || fail "no English error dialog without game.bmp: $(boxes_said)"
boxes_said | grep -qx 'game.bmp is missing, so the game cannot start' || fail "the box is not English: $(boxes_said)"
key "$dlg" y
wait_exit 3 || fail "the English dialog's Yes did not end the game"

rule "--language chooses the language of one start; a code the game lacks is said, in the desktop's language"
new_game_dir
start_game "$game" --language de
dismiss_startup_boxes
win=$(wait_window '^Porimogu$' 10) || fail "no German main window with --language de"
expect_state waiting
hold "$win" Escape
wait_exit 3 || fail "Escape did not end the German game"
export LANGUAGE=de
start_game "$game" --language xx
unset LANGUAGE
dismiss_startup_boxes
win=$(wait_window '^Porimogu$' 10) || fail "a German desktop with --language xx got no German main window"
grep -qx 'porimogu: Die Sprache "xx" gibt es nicht; das Spiel startet in der Sprache des Desktops' "$E2E_LOG" \
  || fail "the unknown language was not said in German: $(grep -v '^porimogu-trace' "$E2E_LOG")"
hold "$win" Escape
wait_exit 3 || fail "Escape did not end the game"
echo "e2e window: 0 failed"
