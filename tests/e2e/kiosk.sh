#!/usr/bin/env bash
# A classroom kiosk: the game as a teacher starts it from a login, through its launcher,
# `cage -- porimogu --child-lock`, on a headless cage of the test's own. cage starts
# XWayland for its clients and the launcher then takes X11, so the game runs through
# XWayland; it starts in full screen at the largest whole factor the output allows,
# draws its field, and the lock holds: Escape while waiting ends nothing, the keys and
# the pointer play, Ctrl+Shift+Q ends the game with status 0 and cage with it, and so
# does the end of the session. Run on Wayland itself (the player's choice), the game
# gets a maximized window from cage, and the lock takes full screen back.
#
# The keys and the pointer go in through XWayland's test input (xdotool): this cage
# knows neither virtual keyboards nor virtual pointers, and a headless output has no
# devices. With no keyboard in the seat XWayland gives its windows the keys only while
# one holds the keyboard, as the locked game does.
source "$(dirname "$0")/lib.sh"
launcher_in=$(dirname "$0")/../../packaging/porimogu.in
plugin=$(find /usr/lib/*/qt6/plugins/platforms -name 'libqxcb.so' 2>/dev/null | head -n 1)
if ! command -v cage >/dev/null || ! command -v Xwayland >/dev/null || ! command -v grim >/dev/null || [ -z "$plugin" ]; then
  echo "SKIP: cage, Xwayland (cage starts it for every client) or grim is not installed"
  exit 77
fi
# cage will not run as root: as root, the compositor and the game run as user nobody.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  if ! "${as_user[@]}" test -x "$E2E_GAME" 2>/dev/null; then
    echo "SKIP: run as root, and user nobody cannot reach the game in $(dirname "$E2E_GAME")"
    exit 77
  fi
  chmod 711 "$E2E_TMP"
fi
export SDL_AUDIODRIVER=dummy

# The launcher as it is installed, pointing at the built game and the built assets; the
# player's folder is made by it under a data folder of the test's own.
launcher=$E2E_TMP/porimogu
sed -e "s|@PORIMOGU_BINARY@|$(realpath "$E2E_GAME")|" -e "s|@PORIMOGU_DATA_DIR@|$(realpath "$E2E_ASSETS")|" "$launcher_in" >"$launcher"
chmod 755 "$launcher"
run=$E2E_TMP/run
data=$E2E_TMP/data
mkdir -p "$run" "$data"
chmod 700 "$run"
[ ${#as_user[@]} -eq 0 ] || chown nobody:nogroup "$run" "$data"

# start_kiosk [NAME=VALUE...]: cage with the launcher in it, as the teacher starts it, in
# an environment with those variables; E2E_PID is cage, which lives as long as the game
# does, and $xdisplay the XWayland display it made.
start_kiosk() {
  new_log
  rm -f "$run/display"
  (cd "$data" && exec "${as_user[@]}" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
     XDG_RUNTIME_DIR="$run" XDG_DATA_HOME="$data" HOME="$data" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
     PULSE_SERVER="$E2E_PULSE_SERVER" PORIMOGU_TRACE=1 "$@" \
     cage -- sh -c 'echo "$DISPLAY" >"$0"; exec "$@"' "$run/display" "$launcher" --child-lock >"$E2E_LOG" 2>&1) &
  E2E_PID=$!
  wait_trace 'platform' 20
  xdisplay=$(cat "$run/display")
}
x() { "${as_user[@]}" env DISPLAY="$xdisplay" xdotool "$@"; }
# x_hold WHAT PATTERN: holds a key or the first mouse button (WHAT is a key or "mouse")
# until the game says PATTERN.
x_hold() {
  trace_mark
  if [ "$1" = mouse ]; then x mousedown 1; else x keydown "$1"; fi
  wait_trace "$2"
  if [ "$1" = mouse ]; then x mouseup 1; else x keyup "$1"; fi
}
# cage_ends: cage has ended within 5 seconds.
cage_ends() {
  for _ in $(seq 100); do
    kill -0 "$E2E_PID" 2>/dev/null || { wait "$E2E_PID" 2>/dev/null || true; E2E_PID=""; return 0; }
    sleep 0.05
  done
  return 1
}
trap 'kill "$E2E_PID" 2>/dev/null || true; wait "$E2E_PID" 2>/dev/null || true; E2E_PID=""; e2e_cleanup' EXIT

start_kiosk
rule "under cage the game runs through XWayland, locked, in full screen"
[ "$E2E_LINE" = 'porimogu-trace: platform xcb' ] || fail "the game did not go to XWayland: $E2E_LINE"
wait_trace 'lock on' 20
wait_trace 'window MainForm shown' 20
expect_said fullscreen 'on [0-9]+$' 20
shot=$E2E_TMP/kiosk.png
for _ in $(seq 40); do
  "${as_user[@]}" env XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY=wayland-0 grim - >"$shot" 2>/dev/null && break
  sleep 0.25
done
read -r width height < <(identify -format '%w %h\n' "$shot")
# The client area is 632 x 486; the largest whole factor that fits the output.
k=$(( width / 632 < height / 486 ? width / 632 : height / 486 ))
[ "$k" -ge 1 ] || k=1
expect_said fullscreen "on $k\$" 5
echo "full screen under cage: output ${width}x$height, factor $(last_said fullscreen)"

rule "under cage the field is drawn"
# The headless output shows the window's first frame with only the parts the game
# draws again laid over it (the field is centred on black, but the picture keeps the
# first frame's window beside it), so the picture is not measured for its place, only
# for the field's floor tiles being on the screen.
floor=0
for _ in $(seq 40); do
  "${as_user[@]}" env XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY=wayland-0 grim - >"$shot" 2>/dev/null || true
  floor=$("$E2E_PROBE" count "$shot" "$E2E_ASSETS/game.bmp" 1 || echo 0)
  [ "$floor" -gt 20 ] && break
  sleep 0.25
done
[ "$floor" -gt 20 ] || fail "the field was not drawn under cage ($floor floor tiles seen)"
state_is waiting || fail "the game is $(game_state), not waiting"

rule "under cage the lock holds, and the keys and the pointer play"
expect_said grab 'on' 10
trace_mark
before=$E2E_MARK
x keydown Escape; sleep 0.15; x keyup Escape   # a few ticks: without the lock, the end
x_hold Return 'state playing'
! said_since "$before" 'end' >/dev/null || fail "Escape while waiting ended the locked game"
x_hold Escape 'state paused'
x mousemove $((width / 2)) $((height / 2))      # the middle of the field
x_hold mouse 'state playing'

rule "under cage Ctrl+Shift+Q ends the game with status 0, and cage with it"
trace_mark
x key ctrl+shift+q
wait_trace 'end 0' 5
cage_ends || fail "cage did not end within 5 seconds of the game's end"

rule "on Wayland itself cage makes the window maximized, and the lock takes full screen back"
start_kiosk QT_QPA_PLATFORM=wayland
[ "$E2E_LINE" = 'porimogu-trace: platform wayland' ] || fail "the game did not go to Wayland: $E2E_LINE"
wait_trace 'lock full screen again' 20
# Taken back, it stays: the same full screen twice, a second apart.
for _ in $(seq 10); do
  full=$(last_said fullscreen)
  sleep 1
  [ "$full" = "on $k" ] && [ "$(last_said fullscreen)" = "on $k" ] && break
done
[ "$(last_said fullscreen)" = "on $k" ] || fail "full screen on Wayland is \"$(last_said fullscreen)\", not \"on $k\""

rule "the session's end ends the locked game with status 0, and cage with it"
game=$(ps -o pid=,comm= --ppid "$E2E_PID" | awk '$2 == "porimogu" { print $1 }' | head -n 1)
[ -n "$game" ] || fail "no game runs under cage"
kill -TERM "$game"
wait_trace 'end 0' 5
cage_ends || fail "cage did not end within 5 seconds of the game's end"
echo "e2e kiosk: 0 failed"
