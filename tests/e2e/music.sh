#!/usr/bin/env bash
# Music trouble never stops the game. Without any sound server the one no-sound box is
# shown and a whole silent game follows with no further box. Without game.mid, the box
# of a new game's failed music request stays open while the play field goes on behind it.
# Through PipeWire, as today's desktops run it, the music is corked while the game waits
# and is paused, heard while it plays, and eating rings a beep; a PipeWire whose session
# manager is gone (streams accepted, never made ready) costs the start a moment and the
# one no-sound box, and the game then plays silent without ever waiting for the server.
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
stop_game

# walk_about SECONDS: steers ぽっけ round the field, a second each way, so that he
# meets the roaming items.
walk_about() {
  local end=$((SECONDS + $1)) k
  while [ "$SECONDS" -lt "$end" ]; do
    for k in Right Down Left Up; do hold "$win" "$k" 1; done
  done
}

# PipeWire with its session manager and a null sink.
start_pipewire
new_game_dir
open_game
[ -z "$(boxes_said)" ] || fail "boxes through PipeWire: $(boxes_said)"
watch_status_bar
expect_state waiting
pa list sink-inputs | grep -q 'application.name = "porimogu"' || fail "the music did not open on PipeWire"
pa list sink-inputs | grep -q 'Corked: yes' || fail "the music's stream sends while the game waits"
expect_music silent
hold "$win" Return
expect_state playing
expect_music playing
hold "$win" Escape
expect_state paused
expect_music silent
hold "$win" Return
expect_state playing
expect_music playing
# Without the music (おんがくつき unchecked) a bite of food or the ghost is all one hears.
hold "$win" Escape
expect_state paused
key "$win" alt+o
sleep 0.4
xdotool key m
sleep 0.3
expect_music silent
hold "$win" Return
expect_state playing
mark=$(monitor_mark)
heard=0
for _ in 1 2 3 4 5 6; do
  walk_about 4
  heard=$(loudest_since "$mark")
  [ "$heard" -gt 200 ] && break
done
[ "$heard" -gt 200 ] || fail "no beep heard while ぽっけ walked about eating (loudest sample $heard)"
echo "beep heard through PipeWire: loudest sample $heard"
[ -z "$(boxes_said)" ] || fail "boxes through PipeWire: $(boxes_said)"
stop_game
for p in "${E2E_SOUND_PIDS[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
E2E_SOUND_PIDS=(); E2E_MONITOR=""

# PipeWire without its session manager: the window within a few seconds, the one box,
# and a silent game that eats, beeps to nobody, and ends at once when told.
start_pipewire without-session-manager
new_game_dir
start_game "$game"
started=$SECONDS
box=$(wait_window '^porimogu$' 8) || fail "no box within 8 seconds with a server that never answers"
[ "$(boxes_said)" = "音を出す装置が使えません." ] || fail "expected the one no-sound box, got: $(boxes_said)"
key "$box" Return
win=$(wait_window '^ぽっけの ぽりもぐ ゲーム$' 5) || fail "main window did not appear"
echo "window shown $((SECONDS - started)) s after the start"
watch_status_bar
hold "$win" Return
expect_state playing
walk_about 8
field_moves || fail "the game stands still with a server that never answers"
expect_state playing
[ "$(boxes_said | wc -l)" -eq 1 ] || fail "further boxes in a silent game: $(boxes_said)"
key "$win" alt+g
sleep 0.4
xdotool key x               # おわり
wait_exit 4 || fail "the game did not end with a server that never answers"
wait "$E2E_PID" || fail "the game ended with status $?"
E2E_PID=""
echo "e2e music: 0 failed"
