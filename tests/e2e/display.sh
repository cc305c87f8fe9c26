#!/usr/bin/env bash
# Without a display to open on, the program says so in one line that names the display
# and what to do, and ends with status 1 instead of aborting. The offscreen platform
# needs no display and keeps working.
source "$(dirname "$0")/lib.sh"
new_game_dir

# expect_refusal LABEL NAMED ENV...: the game, run with ENV, ends at once with one clear
# line that holds NAMED.
expect_refusal() {
  local label=$1 named=$2 status=0
  shift 2
  (cd "$game" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$E2E_GAME") \
    >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1 ($(cat "$E2E_TMP/err"))"
  [ "$(wc -l <"$E2E_TMP/err")" -eq 1 ] || fail "$label: expected one line, got: $(cat "$E2E_TMP/err")"
  grep -qF "$named" "$E2E_TMP/err" || fail "$label: the line does not name the display: $(cat "$E2E_TMP/err")"
  grep -q 'set DISPLAY' "$E2E_TMP/err" || fail "$label: the line does not say what to do"
  echo "$label: $(cat "$E2E_TMP/err")"
}
expect_refusal "DISPLAY unset" 'DISPLAY is not set'
expect_refusal "DISPLAY=:99999" ':99999' DISPLAY=:99999
expect_refusal "xcb chosen, DISPLAY=:99999" ':99999' QT_QPA_PLATFORM=xcb DISPLAY=:99999

# Offscreen: no display needed; the game runs until it is told to stop.
(cd "$game" && exec env -u DISPLAY QT_QPA_PLATFORM=offscreen PULSE_SERVER="$E2E_PULSE_SERVER" "$E2E_GAME" \
  >"$E2E_TMP/game.log" 2>&1) &
E2E_PID=$!
sleep 2
game_running || fail "the game did not keep running offscreen"
echo "e2e display: 0 failed"
