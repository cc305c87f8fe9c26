#!/usr/bin/env bash
# Full screen on a 1920 x 1080 screen, under a real window manager and (with E2E_WM=none)
# on a bare X server with none, as in a kiosk: the client area is shown twice as large in
# hard 2-pixel steps, centred on black, the gauge doubled pixel for pixel; the name
# prompt at the end of a game opens on top and takes the typed name; under the window
# manager a second start brings the game back in full screen; F11 goes back to the
# window and, pressed again, to the same full screen.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1920x1080
E2E_WM=${E2E_WM:-openbox}
start_xvfb

new_game_dir
low_tops > "$game/Tops.dat"   # a game of 0 points enters it

# expect_doubled NAME [full]: once the game says it shows full screen at factor 2, the
# screen shows the client area twice as large, centred; with "full", the gauge's bar too
# (a full gauge, as at the start).
expect_doubled() {
  local menu left top width height fieldMixed floor gaugeMixed aqua below above
  expect_said fullscreen 'on 2$'
  for _ in $(seq 30); do   # drawn a moment after it is laid out
    shot "$E2E_TMP/full.png"
    read -r menu left top width height fieldMixed floor gaugeMixed aqua \
      < <("$E2E_PROBE" scaled "$E2E_TMP/full.png" "$E2E_SHEET" 2)
    [ "$width" -eq 1264 ] && [ "$left" -eq 328 ] && [ "$fieldMixed" -eq 0 ] && [ "$floor" -gt 500 ] \
      && [ "$gaugeMixed" -eq 0 ] && { [ "${2:-}" != full ] || [ "$aqua" -gt 2000 ]; } && break
    sleep 0.1
  done
  echo "$1: menu $menu, client at $left,$top size ${width}x$height; mixed squares $fieldMixed/$gaugeMixed; floor $floor; aqua $aqua"
  [ "$width" -eq 1264 ] && [ "$height" -eq 972 ] || fail "$1: client area not 2 x 632 x 486 (${width}x$height)"
  [ "$left" -eq 328 ] || fail "$1: client area not centred across ($left)"
  below=$((1080 - top - height)); above=$((top - menu))
  [ $((above - below)) -ge -1 ] && [ $((above - below)) -le 1 ] || fail "$1: client area not centred down ($above above, $below below)"
  [ "$fieldMixed" -eq 0 ] || fail "$1: play field not in hard 2-pixel steps ($fieldMixed squares mixed)"
  [ "$floor" -gt 500 ] || fail "$1: floor tiles not shown doubled ($floor)"
  [ "$gaugeMixed" -eq 0 ] || fail "$1: gauge pixels not exactly doubled ($gaugeMixed squares mixed)"
  [ "${2:-}" != full ] || [ "$aqua" -gt 2000 ] || fail "$1: gauge bar not shown ($aqua aqua pixels)"
}

rule "--fullscreen: the client area twice as large in hard 2-pixel steps, centred on black"
open_game --fullscreen
expect_doubled "--fullscreen" full

rule "in full screen the name prompt opens on top, centred, and takes the typed name"
press "$win" Return 'state playing'
choose_item "$win" g q
wait_trace 'window InputBox shown' 12
name=$(wait_window '^EnterName$' 5) || fail "no name prompt after the game ended"
expect_front "$name" "the name prompt"
# Where the prompt's client area is on the screen (xwininfo reads it right under a
# reparenting window manager).
read -r X Y WIDTH HEIGHT < <(xwininfo -id "$name" | awk '
  /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}')
for _ in $(seq 30); do
  shot "$E2E_TMP/prompt.png"
  share=$("$E2E_PROBE" floorshare "$E2E_TMP/prompt.png" "$E2E_SHEET" "$X,$Y,$WIDTH,$HEIGHT")
  [ "$share" -lt 10 ] && break
  sleep 0.1
done
[ "$share" -lt 10 ] || fail "the name prompt is hidden behind the game ($share% floor where it should be)"
cx=$((X + WIDTH / 2)); cy=$((Y + HEIGHT / 2))
[ $((cx - 960)) -ge -40 ] && [ $((cx - 960)) -le 40 ] && [ $((cy - 540)) -ge -40 ] && [ $((cy - 540)) -le 40 ] \
  || fail "the name prompt is not centred ($cx,$cy)"
xdotool key ctrl+a BackSpace
xdotool type --delay 80 'ぜんabc'
trace_mark
xdotool key Return
wait_trace 'window TopDlg shown'
top=$(wait_window '^TopList Dialog$' 5) || fail "no top list after the name"
key "$top" Return
wait_trace 'window TopDlg hidden'
iconv -f CP932 -t UTF-8 "$game/Tops.dat" | grep -q ',ぜんabc'$'\r''$' || fail "the typed name is not in Tops.dat"
expect_front "$win" "the game after the top list"

# Minimised and covered by another window, a second start in the folder brings it back
# to the front in full screen (minimising takes a window manager).
if [ "$E2E_WM" = openbox ]; then
  rule "a second start brings the minimised, covered game back in full screen"
  xdotool windowminimize --sync "$win"
  cover
  second_start "$game"
  expect_front "$win" "the game in full screen"
  xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the game came back, but not in full screen"
  WIDTH=$(xwininfo -id "$win" | awk '/^ *Width:/ {print $NF}')
  [ "$WIDTH" -eq 1920 ] || fail "the game came back $WIDTH wide, not over the whole screen"
  kill "$E2E_COVER"
fi

# F11 leaves full screen; the window is its own size again, in the middle of the
# screen; F11 again gives the same full screen.
rule "F11 goes back to the window, in the middle of the screen, and again to the same full screen"
key "$win" F11
expect_said fullscreen off
for _ in $(seq 30); do
  WIDTH=$(xwininfo -id "$win" | awk '/^ *Width:/ {print $NF}')
  [ "$WIDTH" -lt 1000 ] && break
  sleep 0.1
done
[ "$WIDTH" -lt 1000 ] || fail "F11 did not leave full screen ($WIDTH wide)"
expect_centred "$win" "the window after full screen"
key "$win" F11
expect_doubled "F11"
key "$win" F11
expect_said fullscreen off
hold "$win" Escape
wait_exit 2 || fail "Escape while waiting did not end the game"
echo "e2e fullscreen: 0 failed"
