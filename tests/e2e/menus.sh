#!/usr/bin/env bash
# The menu bar from the keyboard: Alt and the access letters, or F10, open the menus and
# choose their items, while a tap of Alt alone leaves the arrows with the game. Help
# opens beside the running game and hands the keys back when it closes; スタート starts a
# game, ていし pauses and resumes it, やめる ends it, the top
# list follows, and おわり ends the program. The game state is read from the colour of
# the state label at the right of the status bar: the button face while waiting, the
# panel's own colour while playing, yellow while paused, lime when over.
source "$(dirname "$0")/lib.sh"
start_xvfb

new_game_dir
open_game
sleep 0.5

eval "$(xdotool getwindowgeometry --shell "$win")"
# The status bar is the bottom 32 rows of the window; Label2 starts 232 in and 8 down,
# the state label (Label3) 384 in.
bar_top=$((Y + HEIGHT - 32))
state_area="$((WIDTH - 384))x24+$((X + 384))+$((bar_top + 4))"

# count SHOT COLOUR: pixels of exactly COLOUR in the state label's area.
count() {
  convert "$1" -crop "$state_area" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]\n' info:
}

shot "$E2E_TMP/start.png"
# Label2's top-left pixel: the button face, whatever the style makes of it.
face=$(convert "$E2E_TMP/start.png" -format "%[pixel:p{$((X + 232)),$((bar_top + 8))}]" info:)
yellow='rgb(255,255,0)'
lime='rgb(0,255,0)'

# state_is NAME: the state label's colours in a fresh screenshot match the state.
state_is() {
  local f=$E2E_TMP/state.png
  shot "$f"
  local nf ny nl
  nf=$(count "$f" "$face"); ny=$(count "$f" "$yellow"); nl=$(count "$f" "$lime")
  case $1 in
    waiting) [ "$nf" -gt 300 ] && [ "$ny" -eq 0 ] && [ "$nl" -eq 0 ] ;;
    playing) [ "$nf" -eq 0 ] && [ "$ny" -eq 0 ] && [ "$nl" -eq 0 ] ;;
    paused) [ "$ny" -gt 300 ] && [ "$nf" -eq 0 ] && [ "$nl" -eq 0 ] ;;
    over) [ "$nl" -gt 300 ] && [ "$nf" -eq 0 ] && [ "$ny" -eq 0 ] ;;
  esac
}

# expect_state NAME [SECONDS]: waits for the state; fails the test when it never shows.
expect_state() {
  for _ in $(seq $((${2:-3} * 5))); do
    state_is "$1" && return 0
    sleep 0.2
  done
  fail "the game is not $1 (face $(count "$E2E_TMP/state.png" "$face"), yellow $(count "$E2E_TMP/state.png" "$yellow"), lime $(count "$E2E_TMP/state.png" "$lime"))"
}

# choose TITLE_LETTER ITEM_LETTER: Alt+letter opens a menu; the item's letter is typed
# into the open menu, which holds the keyboard.
choose() {
  key "$win" "alt+$1"
  sleep 0.4
  xdotool key "$2"
  sleep 0.2
}

expect_state waiting
read -r x0 y0 _ < <(find_sprite "$E2E_TMP/find.png" 32)
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
read -r x1 y1 _ < <(find_sprite "$E2E_TMP/find.png" 64)
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

# F10 opens the first menu; its access letter then chooses スタート.
key "$win" F10
sleep 0.4
xdotool key s
expect_state playing
choose g p
expect_state paused
choose g p
expect_state playing
choose g q
expect_state over
top=$(wait_window '^TopList Dialog$' 10) || fail "no top list after the game"
expect_centred "$top" "the top list"
key "$top" Return
expect_state waiting 3

choose g x
wait_exit 3 || fail "おわり did not end the program"
echo "e2e menus: 0 failed"
