#!/usr/bin/env bash
# Under a real window manager, which frames windows only once they are mapped, the main
# window and the top list stand in the middle of the screen by their outer frame.
source "$(dirname "$0")/lib.sh"
start_xvfb
command -v openbox >/dev/null || fail "openbox is not installed (scripts/install-deps)"
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

new_game_dir
open_game
expect_centred "$win" "the main window"
shot "$E2E_TMP/main.png"

key "$win" alt+g
sleep 0.4
xdotool key t
top=$(wait_window '^TopList Dialog$' 5) || fail "せいせき opened no top list"
expect_centred "$top" "the top list"
key "$top" Return

kill "$wm" 2>/dev/null || true
wait "$wm" 2>/dev/null || true
echo "e2e placement: 0 failed"
