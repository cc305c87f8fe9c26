# Shared steps of the end-to-end tests: an X server of our own, the game started in a
# scratch folder, windows found by title, keys typed, screenshots taken.
set -euo pipefail
# The X tools read and type the game's Japanese titles and texts only in a UTF-8 locale;
# a machine with no locale set up (plain POSIX) would make every window look absent.
export LC_ALL=C.UTF-8

E2E_GAME=$1
E2E_ASSETS=$2
E2E_PROBE=$3
E2E_TMP=$(mktemp -d)
E2E_PID=""
E2E_XVFB=""
E2E_WMPID=""

# The game and the X server are waited for, not only told to stop: a server still
# shutting down could otherwise answer the next test's clients on its display.
e2e_cleanup() {
  if [ -n "$E2E_PID" ]; then kill "$E2E_PID" 2>/dev/null || true; wait "$E2E_PID" 2>/dev/null || true; fi
  if [ -n "$E2E_WMPID" ]; then kill "$E2E_WMPID" 2>/dev/null || true; wait "$E2E_WMPID" 2>/dev/null || true; fi
  if [ -n "$E2E_XVFB" ]; then kill "$E2E_XVFB" 2>/dev/null || true; wait "$E2E_XVFB" 2>/dev/null || true; fi
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$E2E_TMP/game.log" ]; then
    echo "--- what the game printed:" >&2
    tail -n 40 "$E2E_TMP/game.log" >&2
  fi
  exit 1
}

start_xvfb() {
  # Xvfb picks a free display itself and writes its number once it is ready, so runs
  # side by side (or another X server on this machine) never share a display.
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp 3>"$E2E_TMP/display" >/dev/null 2>&1 &
  E2E_XVFB=$!
  for _ in $(seq 100); do
    if [ -s "$E2E_TMP/display" ]; then
      export DISPLAY=:$(head -n 1 "$E2E_TMP/display")
      if xdpyinfo >/dev/null 2>&1; then start_wm; return 0; fi
    fi
    kill -0 "$E2E_XVFB" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  fail "Xvfb did not start"
}

# With E2E_WM=openbox a real window manager runs on the X server, as on a desktop: it
# frames, places and focuses the windows. Its settings and logs stay in the scratch folder.
start_wm() {
  [ "${E2E_WM:-}" = openbox ] || return 0
  local attempt
  for attempt in 1 2 3; do   # a server just started has now and then refused it once
    env XDG_CONFIG_HOME="$E2E_TMP/wm" XDG_CACHE_HOME="$E2E_TMP/wm" openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 &
    E2E_WMPID=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$E2E_WMPID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$E2E_WMPID" 2>/dev/null || true
    wait "$E2E_WMPID" 2>/dev/null || true
    E2E_WMPID=""
    echo "openbox, attempt $attempt:" >&2
    cat "$E2E_TMP/wm.log" >&2
  done
  fail "openbox did not start"
}

# new_game_dir: sets `game` to a fresh folder holding the generated game.bmp and
# game.mid, and points the sprite search at its tile sheet.
new_game_dir() {
  game=$E2E_TMP/game
  mkdir -p "$game"
  cp "$E2E_ASSETS/game.bmp" "$E2E_ASSETS/game.mid" "$game/"
  E2E_SHEET=$game/game.bmp
}

# start_game DIR: runs the game in DIR with no sound server and no session bus.
start_game() {
  (cd "$1" && exec env -u QT_QPA_PLATFORM -u PULSE_SERVER QT_QPA_PLATFORM=xcb "$E2E_GAME" >"$E2E_TMP/game.log" 2>&1) &
  E2E_PID=$!
}

# wait_window REGEX [SECONDS]: prints the id of the first visible window whose title matches.
wait_window() {
  local id
  for _ in $(seq $((${2:-10} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# key WINDOW KEY...: gives WINDOW the keyboard and types the keys.
key() {
  local w=$1; shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  xdotool key --clearmodifiers "$@"
}

# hold WINDOW KEY [SECONDS]: holds a game key across a few frame ticks; a tap shorter
# than one tick leaves no trace in the game.
hold() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool keydown "$2"
  sleep "${3:-0.15}"
  xdotool keyup "$2"
}

shot() { import -window root "$1"; }

# find_sprite SHOT TILE [SCALE]: prints "x y matched total" of the 2x2 sprite TILE of
# game.bmp (enlarged SCALE times by nearest neighbour) in a fresh screenshot. Items roam and may cover the sprite for a moment, so it looks again
# a few times before it gives up (x is then -1).
find_sprite() {
  local r
  for _ in 1 2 3 4 5 6 7 8; do
    shot "$1"
    r=$("$E2E_PROBE" find "$1" "$E2E_SHEET" "$2" ${3:-1}) || true
    if [ "${r%% *}" -ge 0 ] 2>/dev/null; then echo "$r"; return 0; fi
    sleep 0.25
  done
  echo "-1 -1 0 0"
}

# frame_of WINDOW: prints "x y width height" of the window's outer frame: the client
# area plus the frame the window manager reports (none without one).
frame_of() {
  local x y w h l=0 r=0 t=0 b=0 ext
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/  Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/  Height:/ {print $2}')
  ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,)
  [ -n "$ext" ] && read -r l r t b <<<"$ext"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# expect_centred WINDOW NAME: waits until the window's outer frame stands in the middle
# of the screen, (screen - size) div 2; fails the test when it never does.
expect_centred() {
  local fx fy fw fh sw sh
  read -r sw sh < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
  for _ in $(seq 30); do
    read -r fx fy fw fh < <(frame_of "$1")
    [ "$fx" -eq $(((sw - fw) / 2)) ] && [ "$fy" -eq $(((sh - fh) / 2)) ] && return 0
    sleep 0.1
  done
  fail "$2 not centred: frame ${fw}x${fh} at $fx,$fy, not at $(((sw - fw) / 2)),$(((sh - fh) / 2))"
}

game_running() { kill -0 "$E2E_PID" 2>/dev/null; }

# wait_exit SECONDS: true when the game has ended within that time.
wait_exit() {
  for _ in $(seq $(($1 * 20))); do
    game_running || return 0
    sleep 0.05
  done
  return 1
}

# dismiss_startup_boxes: answers the messages shown before the window (no music file,
# no sound device) with Enter.
dismiss_startup_boxes() {
  local id
  for _ in 1 2 3; do
    id=$(wait_window '^porimogu$' 3) || return 0
    key "$id" Return
    sleep 0.3
  done
}

# open_game: starts the game in `game`, answers the start-up boxes and sets `win` to the
# main window.
open_game() {
  start_game "$game"
  dismiss_startup_boxes
  win=$(wait_window '^ぽっけの ぽりもぐ ゲーム$' 10) || fail "main window did not appear"
}
