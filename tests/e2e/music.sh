#!/usr/bin/env bash
# Music trouble never stops the game. Without any sound server the one no-sound box is
# shown and a whole silent game follows with no further box. Without game.mid, the box
# of a new game's failed music request stays open while the play field goes on behind it.
# Through PipeWire, as today's desktops run it, the music is corked while the game waits
# and is paused, heard while it plays, and eating rings a beep; a PipeWire whose session
# manager is gone (streams accepted, never made ready) costs the start a moment and the
# one no-sound box, and the game then plays silent without ever waiting for the server.
# --no-music starts it silent until the music item is checked.
source "$(dirname "$0")/lib.sh"
start_xvfb

rule "without a sound server: the one no-sound box, then a whole silent game with no further box"
new_game_dir
open_game
[ "$(boxes_said)" = "音を出す装置が使えません." ] || fail "expected the one no-sound box, got: $(boxes_said)"
watch_status_bar
expect_state waiting
press "$win" Return 'state playing'
press "$win" Escape 'state paused'
press "$win" Return 'state playing'
field_moves || fail "the silent game stands still"
[ "$(boxes_said | wc -l)" -eq 1 ] || fail "further boxes in a silent game: $(boxes_said)"
choose_item "$win" g x      # おわり
wait_exit 3 || fail "the silent game did not end"

rule "without game.mid: the failed music request of a new game gives one box, and the field plays on behind it"
rm "$game/game.mid"
open_game
[ "$(boxes_said)" = "音楽データが ありません" ] || fail "expected the missing-music message, got: $(boxes_said)"
watch_status_bar
expect_state waiting
hold "$win" Return
wait_trace 'box ' 5
[ "$E2E_LINE" = "porimogu-trace: box MCI ﾃﾞﾊﾞｲｽがありません." ] || fail "wrong box: $E2E_LINE"
wait_trace 'window QMessageBox shown'
box=$(wait_window '^porimogu$' 5) || fail "the box for the failed music request is not on the screen"
expect_state playing 3    # behind the open box
field_moves || fail "the play field froze behind the box"
xdotool search --onlyvisible --name '^porimogu$' >/dev/null 2>&1 || fail "the box closed by itself"
key "$box" Return
wait_trace 'window QMessageBox hidden'
field_moves || fail "the play field stands still after the box"
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

rule "through PipeWire the music is corked while the game waits and is paused, and heard while it plays"
start_pipewire
new_game_dir
open_game
[ -z "$(boxes_said)" ] || fail "boxes through PipeWire: $(boxes_said)"
watch_status_bar
expect_state waiting
pa list sink-inputs | grep -q 'application.name = "porimogu"' || fail "the music did not open on PipeWire"
pa list sink-inputs | grep -q 'Corked: yes' || fail "the music's stream sends while the game waits"
expect_music silent
press "$win" Return 'state playing'
expect_said music play
expect_music playing
press "$win" Escape 'state paused'
expect_said music pause
expect_music silent
press "$win" Return 'state playing'
expect_music playing
rule "through PipeWire, without the music (おんがくつき unchecked), eating rings a beep"
press "$win" Escape 'state paused'
choose_item "$win" o m
wait_trace 'check K2 off'
expect_music silent
press "$win" Return 'state playing'
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

rule "--no-music --speed 10 and a mistyped option: one line about it, then a game at speed 10, silent until おんがくつき is checked"
new_game_dir
open_game --no-music --speed 10 --bogus
[ "$(boxes_said)" = "--bogus は わからないので、つかわずに はじめます" ] || fail "expected one line about --bogus, got: $(boxes_said)"
expect_said speed '10$'
expect_said music off
watch_status_bar
press "$win" Return 'state playing'
expect_music silent
! grep -q '^porimogu-trace: music play' "$E2E_LOG" || fail "the music played under --no-music"
press "$win" Escape 'state paused'
choose_item "$win" o m
wait_trace 'check K2 on'
press "$win" Return 'state playing'
expect_said music play
expect_music playing
stop_game
for p in "${E2E_SOUND_PIDS[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
E2E_SOUND_PIDS=(); E2E_MONITOR=""

rule "a PipeWire that never makes streams ready costs the start a moment and one box; the game then plays and eats silent"
start_pipewire without-session-manager
new_game_dir
start_game "$game"
started=$SECONDS
wait_trace 'window QMessageBox shown' 8
box=$(wait_window '^porimogu$' 2) || fail "no box within 8 seconds with a server that never answers"
[ "$(boxes_said)" = "音を出す装置が使えません." ] || fail "expected the one no-sound box, got: $(boxes_said)"
key "$box" Return
wait_trace 'window MainForm shown' 5
win=$(wait_window '^ぽっけの ぽりもぐ ゲーム$' 5) || fail "main window did not appear"
echo "window shown $((SECONDS - started)) s after the start"
watch_status_bar
press "$win" Return 'state playing'
for _ in 1 2 3 4 5 6; do   # until he has eaten something (or met the ghost)
  walk_about 4
  traced points && break
done
traced points || fail "ぽっけ ate nothing while he walked about"
field_moves || fail "the game stands still with a server that never answers"
expect_state playing
[ "$(boxes_said | wc -l)" -eq 1 ] || fail "further boxes in a silent game: $(boxes_said)"
choose_item "$win" g x      # おわり
wait_exit 4 || fail "the game did not end with a server that never answers"
wait "$E2E_PID" || fail "the game ended with status $?"
E2E_PID=""
echo "e2e music: 0 failed"
