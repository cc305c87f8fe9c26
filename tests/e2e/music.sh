#!/usr/bin/env bash
# Music trouble never stops the game. Without any sound server the one no-sound box is
# shown and a whole silent game follows with no further box. Without game.mid, the box
# of a new game's failed music request stays open while the play field goes on behind it.
source "$(dirname "$0")/lib.sh"
start_xvfb

new_game_dir
open_game
[ "$(boxes_said)" = "音を出す装置が使えません." ] || fail "expected the one no-sound box, got: $(boxes_said)"
watch_status_bar
expect_state waiting
hold "$win" Return
expect_state playing
hold "$win" Escape
expect_state paused
hold "$win" Return
expect_state playing
field_moves || fail "the silent game stands still"
[ "$(boxes_said | wc -l)" -eq 1 ] || fail "further boxes in a silent game: $(boxes_said)"
key "$win" alt+g
sleep 0.4
xdotool key x               # おわり
wait_exit 3 || fail "the silent game did not end"

# Without game.mid, with the music item checked: the not-open box of the new game.
rm "$game/game.mid"
open_game
[ "$(boxes_said)" = "音楽データが ありません" ] || fail "expected the missing-music message, got: $(boxes_said)"
watch_status_bar
expect_state waiting
hold "$win" Return
box=$(wait_window '^porimogu$' 5) || fail "no box for the failed music request"
[ "$(boxes_said | tail -n 1)" = "MCI ﾃﾞﾊﾞｲｽがありません." ] || fail "wrong box: $(boxes_said | tail -n 1)"
expect_state playing 3    # behind the open box
field_moves || fail "the play field froze behind the box"
xdotool search --onlyvisible --name '^porimogu$' >/dev/null 2>&1 || fail "the box closed by itself"
key "$box" Return
sleep 0.5
[ "$(boxes_said | wc -l)" -eq 2 ] || fail "one failure gave more than one box: $(boxes_said)"
echo "e2e music: 0 failed"
