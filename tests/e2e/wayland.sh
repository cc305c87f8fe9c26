#!/usr/bin/env bash
# On Wayland itself, without X11: under a headless Weston compositor the game starts on
# Qt's Wayland platform, draws its field, and ends cleanly when the session asks it to
# (SIGTERM), with status 0. Started in full screen, the compositor gives it the whole
# 1920 x 1080 screen and the field is shown twice as large, centred on black.
source "$(dirname "$0")/lib.sh"
plugin=$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland-generic.so' 2>/dev/null | head -n 1)
if ! command -v weston >/dev/null || [ -z "$plugin" ]; then
  echo "SKIP: weston or Qt's Wayland platform (qt6-wayland) is not installed"
  exit 77
fi
# No sound server is reached; the music goes to SDL's silent output instead, so no box
# about a missing sound device stands before the window (nothing here can press its OK).
export SDL_AUDIODRIVER=dummy

run=$E2E_TMP/run
mkdir -p "$run"
chmod 700 "$run"
export XDG_RUNTIME_DIR=$run
weston --backend=headless-backend.so --use-pixman --width=1920 --height=1080 --idle-time=0 --debug \
  --socket=wayland-e2e >"$E2E_TMP/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; e2e_cleanup' EXIT
for _ in $(seq 100); do
  [ -S "$run/wayland-e2e" ] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$E2E_TMP/weston.log" >&2; fail "weston did not start"; }
  sleep 0.1
done

# start_wayland [OPTION...]: the game on the compositor, tracing into a log of its own.
start_wayland() {
  new_log
  (cd "$game" && exec env -u DISPLAY WAYLAND_DISPLAY=wayland-e2e QT_QPA_PLATFORM=wayland PORIMOGU_TRACE=1 \
     PULSE_SERVER="unix:$E2E_TMP/no-sound-server" "$E2E_GAME" "$@" >"$E2E_LOG" 2>&1) &
  E2E_PID=$!
}

rule "on Wayland the game draws its field"
new_game_dir
start_wayland
wait_trace 'platform wayland' 20
wait_trace 'window MainForm shown' 20

# The compositor's own screenshots (allowed by --debug) show the field once it is drawn.
floor=0
for _ in $(seq 40); do
  game_running || fail "the game ended on its own"
  rm -f "$E2E_TMP"/shots/*.png
  mkdir -p "$E2E_TMP/shots"
  (cd "$E2E_TMP/shots" && WAYLAND_DISPLAY=wayland-e2e weston-screenshooter >/dev/null 2>&1) || true
  shot=$(ls "$E2E_TMP"/shots/*.png 2>/dev/null | head -n 1)
  if [ -n "$shot" ]; then
    floor=$("$E2E_PROBE" count "$shot" "$game/game.bmp" 1)
    [ "$floor" -gt 600 ] && break
  fi
  sleep 0.25
done
[ "$floor" -gt 600 ] || fail "the field was not drawn on Wayland ($floor floor tiles seen)"
echo "drawn on Wayland: $floor floor tiles"

rule "on Wayland the game ends cleanly, with status 0, when the session asks it to"
kill -TERM "$E2E_PID"
status=0
wait_exit 3 || fail "the game did not end within 3 seconds of SIGTERM"
wait "$E2E_PID" || status=$?
E2E_PID=""
[ "$status" -eq 0 ] || fail "the game ended with status $status after SIGTERM"
grep -qx 'porimogu-trace: end 0' "$E2E_LOG" || fail "the game did not come to its end after SIGTERM"

rule "full screen on Wayland: the client area twice as large, centred on black"
start_wayland --fullscreen
expect_said fullscreen 'on 2$' 20
width=0
for _ in $(seq 40); do
  game_running || fail "the game ended on its own in full screen"
  rm -f "$E2E_TMP"/shots/*.png
  (cd "$E2E_TMP/shots" && WAYLAND_DISPLAY=wayland-e2e weston-screenshooter >/dev/null 2>&1) || true
  shot=$(ls "$E2E_TMP"/shots/*.png 2>/dev/null | head -n 1)
  if [ -n "$shot" ]; then
    read -r _ left _ width height mixed floor _ < <("$E2E_PROBE" scaled "$shot" "$game/game.bmp" 2 || echo 0 0 0 0 0 0 0 0)
    [ "$width" -eq 1264 ] && [ "$floor" -gt 500 ] && break
  fi
  sleep 0.25
done
echo "full screen on Wayland: client area ${width}x$height at $left across, $mixed mixed squares, $floor floor tiles"
[ "$width" -eq 1264 ] && [ "$height" -eq 972 ] || fail "full screen on Wayland is not 2 x 632 x 486 (${width}x$height)"
[ "$left" -eq 328 ] || fail "full screen on Wayland not centred across ($left)"
[ "$mixed" -eq 0 ] && [ "$floor" -gt 500 ] || fail "full screen on Wayland not in hard 2-pixel steps ($mixed mixed, $floor floor)"
stop_game
echo "e2e wayland: 0 failed"
