# Shared steps of the end-to-end tests: an X server of our own, the game started in a
# scratch folder, windows found by title, keys typed, screenshots taken. The game runs
# with PORIMOGU_TRACE=1 and says what it does on standard error ("porimogu-trace: state
# playing ...", "... window TopDlg shown ...", "... box TEXT"); the tests wait for those
# lines (wait_trace, expect_state) instead of waiting for a time.
set -euo pipefail
# The X tools read and type the game's Japanese titles and texts only in a UTF-8 locale;
# a machine with no locale set up (plain POSIX) would make every window look absent.
# The game speaks the desktop's language: with no language asked for it speaks its own.
export LC_ALL=C.UTF-8
unset LANGUAGE

E2E_GAME=$1
E2E_ASSETS=$2
E2E_PROBE=$3
E2E_TMP=$(mktemp -d)
E2E_PID=""
E2E_XVFB=""
E2E_WMPID=""
E2E_PULSE=""
E2E_COVER=""
E2E_SOUND_PIDS=()   # the processes of a private PipeWire, last started first in the list
E2E_MONITOR=""      # what the null sink plays, recorded all along (PipeWire)
E2E_RUN_AS=()   # a command that runs the game as another user, when set
E2E_GAMES=0     # games started so far; each writes its own log
E2E_LOG=$E2E_TMP/game.log   # what the game started last prints
E2E_MARK=0      # the lines of that log already looked at (wait_trace waits past them)
E2E_LINE=""     # the line wait_trace found last
# Where the game finds its sound server: a socket nobody listens on unless start_pulse
# runs one, so that no test reaches (or spawns) a sound server of the machine's.
E2E_PULSE_SERVER=unix:$E2E_TMP/no-sound-server

# The game and the X server are waited for, not only told to stop: a server still
# shutting down could otherwise answer the next test's clients on its display.
e2e_cleanup() {
  if [ -n "$E2E_PID" ]; then kill "$E2E_PID" 2>/dev/null || true; wait "$E2E_PID" 2>/dev/null || true; fi
  if [ -n "$E2E_COVER" ]; then kill "$E2E_COVER" 2>/dev/null || true; wait "$E2E_COVER" 2>/dev/null || true; fi
  if [ -n "$E2E_WMPID" ]; then kill "$E2E_WMPID" 2>/dev/null || true; wait "$E2E_WMPID" 2>/dev/null || true; fi
  if [ -n "$E2E_XVFB" ]; then kill "$E2E_XVFB" 2>/dev/null || true; wait "$E2E_XVFB" 2>/dev/null || true; fi
  if [ -n "$E2E_PULSE" ]; then kill "$E2E_PULSE" 2>/dev/null || true; wait "$E2E_PULSE" 2>/dev/null || true; fi
  local p
  for p in "${E2E_SOUND_PIDS[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# rule TEXT: the rule the next steps hold, said as they start and named when they fail.
E2E_RULE=""
rule() {
  E2E_RULE=$*
  echo "-- at ${SECONDS} s: $*"
}

fail() {
  echo "FAIL${E2E_RULE:+ ($E2E_RULE)}: $*" >&2
  if [ -s "$E2E_LOG" ]; then
    echo "--- what the game printed ($E2E_LOG):" >&2
    tail -n 40 "$E2E_LOG" >&2
  fi
  exit 1
}

start_xvfb() {
  # Xvfb picks a free display itself and writes its number once it is ready, so runs
  # side by side (or another X server on this machine) never share a display. It never
  # resets: a reset, after the last client has gone, refuses the next game for a moment.
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" >/dev/null 2>&1 &
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

# start_pulse: a private PulseAudio server whose only output is a null sink, so that the
# music really plays and can be listened to on the sink's monitor. Its home and runtime
# folders are the test's own (as root, pulseaudio would otherwise use the machine's).
start_pulse() {
  local p=$E2E_TMP/pulse
  mkdir -p "$p/home" "$p/run"
  chmod 700 "$p/run"
  env HOME="$p/home" XDG_RUNTIME_DIR="$p/run" XDG_CONFIG_HOME="$p/home" \
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
    -L "module-null-sink sink_name=e2e" -L "module-native-protocol-unix socket=$p/socket auth-anonymous=1" \
    >"$p/log" 2>&1 &
  E2E_PULSE=$!
  E2E_PULSE_SERVER=unix:$p/socket
  for _ in $(seq 100); do
    PULSE_SERVER=$E2E_PULSE_SERVER pactl info >/dev/null 2>&1 && return 0
    kill -0 "$E2E_PULSE" 2>/dev/null || break
    sleep 0.1
  done
  cat "$p/log" >&2
  fail "pulseaudio did not start"
}

# start_pipewire [without-session-manager]: a private PipeWire as today's desktops run it:
# the PipeWire daemon, its PulseAudio server and its session manager (WirePlumber, which
# links streams to sinks and needs a session bus), with a null sink "e2e" as the only
# output. Its runtime, configuration and state folders are the test's own, and the
# session manager looks at no sound card, camera or Bluetooth device of the machine's.
# Without the session manager the server accepts streams but never makes them ready.
# What the null sink plays is recorded all along, so that `loudness` hears it at once.
start_pipewire() {
  local p cmd
  p=$(mktemp -d "$E2E_TMP/pipewire.XXXXXX")
  mkdir -p "$p/home/config/wireplumber/main.lua.d" "$p/home/config/wireplumber/bluetooth.lua.d" \
    "$p/home/config/pipewire/pipewire.conf.d" "$p/run"
  chmod 700 "$p/run"
  cat >"$p/home/config/pipewire/pipewire.conf.d/e2e.conf" <<'CONF'
context.objects = [
  { factory = adapter
    args = { factory.name = support.null-audio-sink node.name = "e2e" media.class = "Audio/Sink"
             audio.position = [ FL FR ] object.linger = true monitor.channel-volumes = true } }
]
CONF
  printf 'alsa_monitor.enabled = false\nv4l2_monitor.enabled = false\nlibcamera_monitor.enabled = false\n' \
    >"$p/home/config/wireplumber/main.lua.d/90-e2e.lua"
  echo 'bluez_monitor.enabled = false' >"$p/home/config/wireplumber/bluetooth.lua.d/90-e2e.lua"
  local env=(env -u PULSE_SERVER -u PIPEWIRE_REMOTE HOME="$p/home" XDG_RUNTIME_DIR="$p/run"
             XDG_CONFIG_HOME="$p/home/config" XDG_STATE_HOME="$p/home/state" XDG_DATA_HOME="$p/home/data"
             DBUS_SESSION_BUS_ADDRESS="unix:path=$p/bus")
  for cmd in "dbus-daemon --session --nofork --nopidfile --address=unix:path=$p/bus" pipewire pipewire-pulse \
             wireplumber; do
    [ "$cmd" = wireplumber ] && [ "${1:-}" = without-session-manager ] && continue
    # shellcheck disable=SC2086  # the command and its options
    "${env[@]}" $cmd >>"$p/log" 2>&1 &
    E2E_SOUND_PIDS=("$!" "${E2E_SOUND_PIDS[@]}")
    if [ "$cmd" = pipewire ]; then   # the PulseAudio server connects to a running daemon
      for _ in $(seq 50); do [ -S "$p/run/pipewire-0" ] && break; sleep 0.1; done
    fi
  done
  E2E_PULSE_SERVER=unix:$p/run/pulse/native
  for _ in $(seq 100); do
    pa info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pa info >/dev/null 2>&1 || { cat "$p/log" >&2; fail "PipeWire did not start"; }
  [ "${1:-}" = without-session-manager ] && return 0
  for _ in $(seq 50); do   # the session manager makes the null sink the default
    pa info 2>/dev/null | grep -q '^Default Sink: e2e$' && break
    pa set-default-sink e2e >/dev/null 2>&1 || true
    sleep 0.1
  done
  E2E_MONITOR=$p/monitor.raw
  PULSE_SERVER=$E2E_PULSE_SERVER parec -d e2e.monitor --format=s16le --rate=8000 --channels=1 --raw \
    >"$E2E_MONITOR" 2>>"$p/log" &
  E2E_SOUND_PIDS=("$!" "${E2E_SOUND_PIDS[@]}")
  for _ in $(seq 50); do [ -s "$E2E_MONITOR" ] && return 0; sleep 0.1; done
  cat "$p/log" >&2
  fail "the null sink of PipeWire cannot be listened to"
}

# pa ARGS...: pactl on the test's own sound server.
pa() { PULSE_SERVER=$E2E_PULSE_SERVER pactl "$@"; }

# loudness SECONDS: the largest sample heard on the null sink's monitor over that time.
loudness() {
  if [ -n "$E2E_MONITOR" ]; then
    local mark
    mark=$(monitor_mark)
    sleep "$1"
    loudest_since "$mark"
    return 0
  fi
  { PULSE_SERVER=$E2E_PULSE_SERVER timeout "$1" parec -d e2e.monitor --format=s16le --rate=8000 --channels=1 \
      --raw 2>/dev/null || true; } | od -An -v -td2 -w2 | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}

# monitor_mark: how much the null sink's recording holds so far (start_pipewire).
monitor_mark() { echo $(($(stat -c %s "$E2E_MONITOR") / 2 * 2)); }

# loudest_since MARK: the largest sample the null sink has played since the mark.
loudest_since() {
  od -An -v -td2 -w2 -j "$1" -N $(($(monitor_mark) - $1)) "$E2E_MONITOR" \
    | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}

# expect_music playing|silent: what the null sink's monitor hears, waited for a while
# (the output starts up to a second or two after the request).
expect_music() {
  local l
  for _ in $(seq 8); do
    l=$(loudness 0.5)
    case $1 in
      playing) [ "$l" -gt 200 ] && return 0 ;;
      silent) [ "$l" -lt 20 ] && return 0 ;;
    esac
  done
  fail "the music is not $1 (loudest sample $l)"
}

# low_tops: a whole top list whose tenth place is below zero, so that any game enters it,
# a game of 0 points too (sorted, "-0001" comes before "-0002": the tenth place holds -2).
low_tops() {
  printf -- '-0002,97/11/21,NewPlayer\r\n-0001,97/11/21,low\r\n'
  for p in 00200 00300 00400 00500 00600 00700 00800 00900 01000; do printf '%s,97/11/21,p%s\r\n' "$p" "$p"; done
}

# new_game_dir: sets `game` to a fresh folder holding the generated game.bmp and
# game.mid, and points the sprite search at its tile sheet.
new_game_dir() {
  game=$E2E_TMP/game
  mkdir -p "$game"
  cp "$E2E_ASSETS/game.bmp" "$E2E_ASSETS/game.mid" "$game/"
  E2E_SHEET=$game/game.bmp
}

# new_log: a log of its own for the next game, $E2E_LOG, looked at from its first line.
new_log() {
  E2E_GAMES=$((E2E_GAMES + 1))
  E2E_LOG=$E2E_TMP/game-$E2E_GAMES.log
  E2E_MARK=0
  : >"$E2E_LOG"
}

# start_game DIR [OPTION...]: runs the game in DIR on the test's sound server (none unless
# start_pulse ran), tracing into a log of its own ($E2E_LOG).
start_game() {
  local dir=$1; shift
  new_log
  (cd "$dir" && exec "${E2E_RUN_AS[@]}" env -u QT_QPA_PLATFORM PULSE_SERVER="$E2E_PULSE_SERVER" QT_QPA_PLATFORM=xcb \
    PORIMOGU_TRACE=1 "$E2E_GAME" "$@" >"$E2E_LOG" 2>&1) &
  E2E_PID=$!
}

# trace_mark: what the game has said so far is old; the next wait_trace waits for a line
# said after now. Taken before the action whose line a test waits for, never after.
trace_mark() { E2E_MARK=$(wc -l <"$E2E_LOG"); }

# wait_trace PATTERN [SECONDS]: waits (10 seconds unless told) for the next trace line of
# the game, after the mark, that starts with PATTERN (an extended regular expression
# after "porimogu-trace: "); sets E2E_LINE to it and the mark to its place, so that waits
# one after another take the game's lines in order. Fails when the time runs out or the
# game ends first.
wait_trace() {
  local pattern=$1 limit=${2:-10} found i
  for ((i = 0; i <= limit * 20; i++)); do
    if found=$(said_since "$E2E_MARK" "$pattern"); then
      E2E_MARK=${found%%:*}
      E2E_LINE=${found#*:}
      return 0
    fi
    # A game that has ended says nothing more: one last look at what it wrote.
    if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null && ! said_since "$E2E_MARK" "$pattern" >/dev/null; then
      fail "the game ended while the test waited for \"$pattern\""
    fi
    sleep 0.05
  done
  fail "the game did not say \"$pattern\" within $limit s"
}

# said_since LINE PATTERN: prints "NUMBER:LINE" of the first trace line after line LINE of
# the log that starts with PATTERN; false when there is none.
said_since() {
  awk -v from="$1" -v pattern="^porimogu-trace: ($2)" \
    'NR > from && $0 ~ pattern { print NR ":" $0; found = 1; exit } END { exit !found }' "$E2E_LOG"
}

# traced PATTERN: true when the game has said a line starting with PATTERN since the mark.
traced() { said_since "$E2E_MARK" "$1" >/dev/null; }

# second_start DIR [OPTION...]: starts the game once more in DIR, where one already runs,
# and waits for it: it must end within 20 seconds, with status 0, having shown no box.
second_start() {
  local dir=$1 status=0; shift
  (cd "$dir" && exec env -u QT_QPA_PLATFORM PULSE_SERVER="$E2E_PULSE_SERVER" QT_QPA_PLATFORM=xcb \
    timeout 20 "$E2E_GAME" "$@" >"$E2E_TMP/second.log" 2>&1) || status=$?
  [ "$status" -eq 0 ] || fail "the second start ended with status $status: $(cat "$E2E_TMP/second.log")"
  ! grep -q '^porimogu: ' "$E2E_TMP/second.log" || fail "the second start said: $(cat "$E2E_TMP/second.log")"
}

# cover: opens a window over the whole screen, which takes the keyboard as a new window
# does; its process is $E2E_COVER.
cover() {
  xlogo -geometry "${E2E_SCREEN:-1024x768}+0+0" >/dev/null 2>&1 &
  E2E_COVER=$!
  local id
  id=$(wait_window '^xlogo$' 10) || fail "the covering window did not appear"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  expect_front "$id" "the covering window"
}

# expect_front WINDOW WHAT: waits until WINDOW has the keyboard (the window manager's
# active window, or the X focus where there is no window manager).
expect_front() {
  local now
  for _ in $(seq 30); do
    now=$(xdotool getactivewindow 2>/dev/null || xdotool getwindowfocus 2>/dev/null || true)
    [ "$now" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2 did not come to the front (the keyboard is with $now)"
}

# boxes_said: the texts of the boxes the game has shown so far, one a line.
boxes_said() { sed -n 's/^porimogu: //p' "$E2E_LOG"; }

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

# key WINDOW KEY...: gives WINDOW the keyboard and types the keys; what the game said
# before is old (trace_mark).
key() {
  local w=$1; shift
  trace_mark
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  xdotool key --clearmodifiers "$@"
}

# hold WINDOW KEY [SECONDS]: holds a game key for a time (0.15 s, a few frame ticks,
# unless told: a tap shorter than one tick leaves no trace in the game).
hold() {
  trace_mark
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool keydown "$2"
  sleep "${3:-0.15}"
  xdotool keyup "$2"
}

# press WINDOW KEY PATTERN [SECONDS]: holds a game key until the game says PATTERN
# (wait_trace), then lets it go.
press() {
  trace_mark
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool keydown "$2"
  wait_trace "$3" "${4:-10}"
  xdotool keyup "$2"
}

# choose_item WINDOW MENU ITEM: Alt and the menu's letter open the drop-down menu, which holds
# the keyboard once it is shown; the item's letter chooses the item. MENU is g, o or h.
choose_item() {
  local menu
  case $2 in g) menu=KG1 ;; o) menu=KO1 ;; h) menu=KH1 ;; *) fail "no menu $2" ;; esac
  key "$1" "alt+$2"
  wait_trace "window $menu shown"
  trace_mark
  xdotool key "$3"
  wait_trace "window $menu hidden"
}

shot() { import -window root "$1"; }

# find_sprite SHOT TILE [SCALE] [whole]: prints "x y matched total" of the 2x2 sprite TILE
# of game.bmp (enlarged SCALE times by nearest neighbour) in a fresh screenshot. Items
# roam and may cover the sprite for a moment, so it looks again a few times before it
# gives up (x is then -1). With "whole" only a match of every opaque pixel counts: a
# partly covered sprite can match best one pixel off.
find_sprite() {
  local r x matched total
  for _ in $(seq 20); do
    shot "$1"
    r=$("$E2E_PROBE" find "$1" "$E2E_SHEET" "$2" "${3:-1}") || true
    read -r x _ matched total <<<"$r"
    if [ "$x" -ge 0 ] 2>/dev/null && { [ "${4:-}" != whole ] || [ "$matched" -eq "$total" ]; }; then
      echo "$r"
      return 0
    fi
    sleep 0.25
  done
  echo "-1 -1 0 0"
}

# settled_sprite SHOT TILE [SCALE] [whole]: find_sprite once ぽっけ stands still: the same
# place in two screenshots one after the other.
settled_sprite() {
  local r last=""
  for _ in $(seq 20); do
    r=$(find_sprite "$@")
    [ "${r%% *}" -ge 0 ] && [ "${r% * *}" = "${last% * *}" ] && break
    last=$r
  done
  echo "$r"
}

# floor_shown [SHEET] [SCALE]: waits until the screen shows more than 600 floor tiles of
# the tile sheet (the game's, unless told; enlarged SCALE times); `floor` is how many it
# saw last.
floor_shown() {
  for _ in $(seq 30); do
    shot "$E2E_TMP/floor.png"
    floor=$("$E2E_PROBE" count "$E2E_TMP/floor.png" "${1:-$E2E_SHEET}" 1 "${2:-1}")
    [ "$floor" -gt 600 ] && return 0
    sleep 0.1
  done
  return 1
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

# watch_status_bar: after open_game, learns where the play field of `win` is on the
# screen (E2E_FIELD_AREA, for field_moves and presses on the field).
watch_status_bar() {
  local X Y HEIGHT
  # xwininfo, not xdotool: under a reparenting window manager xdotool adds the frame's
  # offset to the client area's position.
  read -r X Y HEIGHT < <(xwininfo -id "$win" | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /^ *Height:/ {h=$NF} END {print x, y, h}')
  E2E_FIELD_AREA="592x432+$((X + 20))+$((Y + HEIGHT - 486 + 10))"
}

# last_said WHAT: what the game said last about WHAT ("state", "fullscreen"), from the
# whole log: how things stand now.
last_said() { sed -n "s/^porimogu-trace: $1 //p" "$E2E_LOG" | tail -n 1; }

# expect_said WHAT PATTERN [SECONDS]: waits (10 seconds unless told) until what the game
# said last about WHAT starts with PATTERN; fails the test when it never does.
expect_said() {
  local i
  for ((i = 0; i <= ${3:-10} * 20; i++)); do
    last_said "$1" | grep -q -E "^($2)" && return 0
    sleep 0.05
  done
  fail "the game's $1 is not \"$2\" but \"$(last_said "$1")\""
}

# game_state: the state the game is in now (waiting, playing, paused, over).
game_state() { last_said state | cut -d ' ' -f 1; }

# state_is NAME: the game is in that state now.
state_is() { [ "$(game_state)" = "$1" ]; }

# expect_state NAME [SECONDS]: waits until the game is in the state.
expect_state() { expect_said state "$1( |$)" "${2:-10}"; }

# field_moves: the play field changes on the screen within two seconds.
field_moves() {
  local changed i
  shot "$E2E_TMP/f1.png"
  convert "$E2E_TMP/f1.png" -crop "$E2E_FIELD_AREA" +repage "$E2E_TMP/field1.png"
  for ((i = 0; i < 10; i++)); do
    sleep 0.2
    shot "$E2E_TMP/f2.png"
    convert "$E2E_TMP/f2.png" -crop "$E2E_FIELD_AREA" +repage "$E2E_TMP/field2.png"
    changed=$(compare -metric AE "$E2E_TMP/field1.png" "$E2E_TMP/field2.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 0 ] 2>/dev/null && return 0
  done
  return 1
}

# stop_game: ends the game the test started, and waits for it.
stop_game() {
  kill "$E2E_PID" 2>/dev/null || true
  wait "$E2E_PID" 2>/dev/null || true
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
# no sound device: boxes titled "porimogu") with Enter, until the main window shows or
# a box of another title (an error) waits for the test.
dismiss_startup_boxes() {
  local id
  while :; do
    wait_trace 'window (MainForm|TMessageForm|QMessageBox) shown' 20
    case $E2E_LINE in *" porimogu") ;; *) return 0 ;; esac
    traced 'window (TMessageForm|QMessageBox) hidden' && continue   # answered already
    id=$(wait_window '^porimogu$' 5) || fail "the box said shown is not on the screen"
    key "$id" Return
    wait_trace 'window (TMessageForm|QMessageBox) hidden'
  done
}

# open_game [OPTION...]: starts the game in `game`, answers the start-up boxes and sets
# `win` to the main window.
open_game() {
  start_game "$game" "$@"
  dismiss_startup_boxes
  win=$(wait_window '^ぽっけの ぽりもぐ ゲーム$' 10) || fail "main window did not appear"
}
