#!/usr/bin/env bash
# The menu bar from the keyboard: Alt and the access letters, or F10, open the menus and
# choose their items, while a tap of Alt alone leaves the arrows with the game. Help
# opens beside the running game and hands the keys back when it closes; スタート starts a
# game, ていし pauses and resumes it (a press on the play field resumes it too), やめる
# ends it, a press held on the field then only walks ぽっけ there, the top list follows,
# and おわり ends the program. The game state is read from the colour of
# the state label at the right of the status bar: the button face while waiting, the
# panel's own colour while playing, yellow while paused, lime when over.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse

new_game_dir
open_game
sleep 0.5

watch_status_bar

# choose TITLE_LETTER ITEM_LETTER: Alt+letter opens a menu; the item's letter is typed
# into the open menu, which holds the keyboard.
choose() {
  key "$win" "alt+$1"
  sleep 0.4
  xdotool key "$2"
  sleep 0.2
}

expect_state waiting
read -r x0 y0 _ < <(find_sprite "$E2E_TMP/find.png" 32 1 whole)
[ "$x0" -ge 0 ] || fail "ぽっけ not found facing down"

# Help beside the waiting game: the game goes on behind it, OK closes it.
choose h k
help=$(wait_window '^へるぷ$' 5) || fail "そうさのしかた opened no help"
shot "$E2E_TMP/h1.png"
sleep 1.2
shot "$E2E_TMP/h2.png"
changed=$(compare -metric AE "$E2E_TMP/h1.png" "$E2E_TMP/h2.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 0 ] || fail "the game stood still behind the help dialog"
key "$help" Return
sleep 0.3
! xdotool search --onlyvisible --name '^へるぷ$' >/dev/null 2>&1 || fail "OK did not close the help"

# The keyboard is the game's again, without giving it back by hand.
xdotool keydown Right
sleep 0.6
xdotool keyup Right
read -r x1 y1 _ < <(find_sprite "$E2E_TMP/find.png" 64 1 whole)
[ "$x1" -ge 0 ] || fail "ぽっけ not found facing right after the menu and the help"
[ "$x1" -gt $((x0 + 100)) ] || fail "the arrow key did not steer ぽっけ after the menu ($x0 -> $x1)"
[ "$y1" -eq "$y0" ] || fail "ぽっけ left his row ($y0 -> $y1)"

# A tap of Alt leaves the arrows with the game.
key "$win" alt
sleep 0.3
xdotool keydown Left
sleep 0.6
xdotool keyup Left
read -r x2 _ < <(find_sprite "$E2E_TMP/find.png" 72)
[ "$x2" -ge 0 ] || fail "ぽっけ not found facing left after a tap of Alt"
[ "$x2" -lt $((x1 - 100)) ] || fail "after a tap of Alt the arrow key did not steer ぽっけ ($x1 -> $x2)"

# The music opened on the test's sound server and stays quiet until a game starts.
pa list sink-inputs | grep -q 'porimogu' || fail "the music did not open on the sound server"
expect_music silent

# F10 opens the first menu; its access letter then chooses スタート.
key "$win" F10
sleep 0.4
xdotool key s
expect_state playing
expect_music playing
choose g p
expect_state paused
expect_music silent
choose g p
expect_state playing
expect_music playing
# Paused through the menu, resumed by a press on the play field.
read -r fx fy < <(awk -F'[x+]' '{print $3, $4}' <<<"$E2E_FIELD_AREA")
choose g p
expect_state paused
xdotool mousemove $((fx + 296)) $((fy + 40)) click 1
expect_state playing
expect_music playing
choose g q
expect_state over
# Once the game is over a press only steers: held near the bottom of the field and
# dragged beyond it, it walks ぽっけ down to the border under the point, where he stands.
xdotool mousemove $((fx + 296)) $((fy + 420)) mousedown 1
sleep 0.2
xdotool mousemove $((fx + 296)) $((fy + 470))
sleep 1
read -r x3 y3 _ < <(find_sprite "$E2E_TMP/find.png" 32 1 whole)
xdotool mouseup 1
[ "$x3" -ge 0 ] || fail "ぽっけ not found standing after the press"
[ "$y3" -eq $((fy + 400)) ] && [ $((x3 + 16 - fx - 296)) -ge -6 ] && [ $((x3 + 16 - fx - 296)) -le 6 ] \
  || fail "ぽっけ does not stand at the point held ($((x3 - fx)),$((y3 - fy)) in the field)"
state_is over || fail "a press after the game ended changed the state"
top=$(wait_window '^TopList Dialog$' 10) || fail "no top list after the game"
expect_centred "$top" "the top list"
expect_music silent   # stopped by the recording
key "$top" Return
expect_state waiting 3

choose g x
wait_exit 3 || fail "おわり did not end the program"
[ -z "$(boxes_said)" ] || fail "unexpected boxes: $(boxes_said)"
echo "e2e menus: 0 failed"
