#!/usr/bin/env bash
# The menus of the real program with the real keyboard, mouse and sound server: help
# opens beside the game and hands the keys back when it closes, so that the arrows walk
# ぽっけ again; the music opens on the sound server and stays quiet until F10 and スタート
# start a game; ていし pauses it and silences the music, and a press on the play field
# resumes it; やめる ends it, the top list follows in the middle of the screen while the
# music is stopped; OK waits again, and おわり ends the program. What each command does in
# each state, a tap of Alt, and a press after the game's end are the in-process tests
# menus and menucommands.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse

new_game_dir
open_game
watch_status_bar
expect_state waiting
read -r x0 y0 _ < <(find_sprite "$E2E_TMP/find.png" 32 1 whole)
[ "$x0" -ge 0 ] || fail "ぽっけ not found facing down"

# Help beside the waiting game; OK closes it and the keyboard is the game's again,
# without giving it back by hand.
choose_item "$win" h k   # そうさのしかた
wait_trace 'window HelpBox shown'
help=$(wait_window '^へるぷ$' 5) || fail "そうさのしかた opened no help"
key "$help" Return
wait_trace 'window HelpBox hidden'
wait_trace 'window MainForm active' 5
xdotool keydown Right
sleep 0.6
xdotool keyup Right
read -r x1 y1 _ < <(find_sprite "$E2E_TMP/find.png" 64 1 whole)
[ "$x1" -ge 0 ] || fail "ぽっけ not found facing right after the menu and the help"
[ "$x1" -gt $((x0 + 100)) ] || fail "the arrow key did not steer ぽっけ after the menu ($x0 -> $x1)"
[ "$y1" -eq "$y0" ] || fail "ぽっけ left his row ($y0 -> $y1)"

# The music opened on the test's sound server and stays quiet until a game starts.
pa list sink-inputs | grep -q 'porimogu' || fail "the music did not open on the sound server"
expect_music silent

# F10 opens the first menu; its access letter then chooses スタート.
key "$win" F10
wait_trace 'window KG1 shown'
trace_mark
xdotool key s
expect_state playing
expect_music playing
choose_item "$win" g p
expect_state paused
expect_music silent
choose_item "$win" g p
expect_state playing
expect_music playing
# Paused through the menu, resumed by a press on the play field.
read -r fx fy < <(awk -F'[x+]' '{print $3, $4}' <<<"$E2E_FIELD_AREA")
choose_item "$win" g p
expect_state paused
xdotool mousemove $((fx + 296)) $((fy + 40)) click 1
expect_state playing
expect_music playing
choose_item "$win" g q
expect_state over
wait_trace 'window TopDlg shown' 10
top=$(wait_window '^TopList Dialog$' 5) || fail "no top list after the game"
expect_centred "$top" "the top list"
expect_music silent   # stopped by the recording
key "$top" Return
expect_state waiting

choose_item "$win" g x
wait_exit 3 || fail "おわり did not end the program"
[ -z "$(boxes_said)" ] || fail "unexpected boxes: $(boxes_said)"
echo "e2e menus: 0 failed"
