#!/usr/bin/env bash
# Without a display to open on, the program says so in one line that names the display
# and what to do, and ends with status 1 instead of aborting. The offscreen platform
# needs no display and keeps working; --help and --version need none either.
source "$(dirname "$0")/lib.sh"
new_game_dir

# expect_refusal LABEL NAMED ADVICE ENV...: the game, run with ENV, ends at once with one
# clear line that holds NAMED and says what to do (ADVICE), in the player's language.
expect_refusal() {
  local label=$1 named=$2 advice=$3 status=0
  shift 3
  (cd "$game" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$E2E_GAME") \
    >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1 ($(cat "$E2E_TMP/err"))"
  [ "$(wc -l <"$E2E_TMP/err")" -eq 1 ] || fail "$label: expected one line, got: $(cat "$E2E_TMP/err")"
  grep -qF "$named" "$E2E_TMP/err" || fail "$label: the line does not name the display: $(cat "$E2E_TMP/err")"
  grep -qF "$advice" "$E2E_TMP/err" || fail "$label: the line does not say what to do: $(cat "$E2E_TMP/err")"
  echo "$label: $(cat "$E2E_TMP/err")"
}
rule "without a display the game says so in one line, in the player's language, and ends with status 1"
expect_refusal "DISPLAY unset" 'DISPLAY is not set' 'set DISPLAY' LANGUAGE=en
expect_refusal "DISPLAY=:99999" '":99999"' 'set DISPLAY' LANGUAGE=en DISPLAY=:99999
expect_refusal "xcb chosen, DISPLAY=:99999" ':99999' 'set DISPLAY' LANGUAGE=en QT_QPA_PLATFORM=xcb DISPLAY=:99999
expect_refusal "DISPLAY unset, in Japanese" 'DISPLAY が ありません' 'DISPLAY に うごいている' LANGUAGE= LANG=C
expect_refusal "DISPLAY unset, in German" 'DISPLAY ist nicht gesetzt' 'setze DISPLAY' LANGUAGE=de

# --help and --version: printed on standard output with status 0, whatever else is on
# the command line, and nothing on standard error.
answer() {
  (cd "$game" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$E2E_GAME" "$@") \
    >"$E2E_TMP/out" 2>"$E2E_TMP/err" || fail "$*: exit status $? without a display ($(cat "$E2E_TMP/err"))"
  [ ! -s "$E2E_TMP/err" ] || fail "$*: said on standard error: $(cat "$E2E_TMP/err")"
}
rule "--help and --version answer on standard output without a display"
answer --help
grep -q '^つかいかた: porimogu ' "$E2E_TMP/out" || fail "--help: no usage line: $(cat "$E2E_TMP/out")"
for opt in --fullscreen --help --version; do
  grep -q "^  .*$opt " "$E2E_TMP/out" || fail "--help does not list $opt"
done
answer --fullscreen -h
grep -q '^つかいかた: ' "$E2E_TMP/out" || fail "-h after --fullscreen: no usage"
answer --version
[ "$(head -n 1 "$E2E_TMP/out")" = "porimogu 2.0" ] || fail "--version: first line $(head -n 1 "$E2E_TMP/out")"
grep -q '^Copyright ' "$E2E_TMP/out" || fail "--version: no copyright line"
LANGUAGE=en answer --help
grep -q '^Usage: porimogu ' "$E2E_TMP/out" || fail "--help is not in English for English: $(cat "$E2E_TMP/out")"
[ -z "$(ls -A "$game" | grep -v -x -e game.bmp -e game.mid)" ] || fail "--help or --version left files behind"
echo "--help and --version answered without a display"

rule "offscreen no display is needed: the game shows its first window and runs until it is told to stop"
new_log
(cd "$game" && exec env -u DISPLAY QT_QPA_PLATFORM=offscreen PULSE_SERVER="$E2E_PULSE_SERVER" PORIMOGU_TRACE=1 \
  "$E2E_GAME" >"$E2E_LOG" 2>&1) &
E2E_PID=$!
wait_trace 'window (MainForm|QMessageBox) shown' 20   # the box: no sound server here
kill -TERM "$E2E_PID"
wait_trace 'end 0' 5
echo "e2e display: 0 failed"
