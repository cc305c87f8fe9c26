#!/usr/bin/env bash
# The window's figures on a private X server and a private PulseAudio with a null sink:
# frame pacing at 40 ms and at 2 ms, waiting and playing, without and with a sound
# server; start-up to the first frame. With MEASURE_MEMORY=SECONDS also the resident
# memory over that much play (600 for the ten-minute figure).
#   bench/measure.sh path/to/porimogu_framepace path/to/assets [runs]
set -euo pipefail
export LC_ALL=C.UTF-8
PACE=$(realpath "$1")
ASSETS=$(realpath "$2")
RUNS=${3:-3}
TMP=$(mktemp -d)
XVFB=""
PULSE=""
cleanup() {
  if [ -n "$PULSE" ]; then kill "$PULSE" 2>/dev/null || true; wait "$PULSE" 2>/dev/null || true; fi
  if [ -n "$XVFB" ]; then kill "$XVFB" 2>/dev/null || true; wait "$XVFB" 2>/dev/null || true; fi
  rm -rf "$TMP"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" >/dev/null 2>&1 &
XVFB=$!
for _ in $(seq 100); do [ -s "$TMP/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$TMP/display")
export QT_QPA_PLATFORM=xcb

mkdir -p "$TMP/pulse" "$TMP/game"
HOME=$TMP/pulse XDG_RUNTIME_DIR=$TMP/pulse PULSE_RUNTIME_PATH=$TMP/pulse PULSE_STATE_PATH=$TMP/pulse \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr --log-level=error \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$TMP/pulse/native" --load=module-null-sink &
PULSE=$!
for _ in $(seq 100); do [ -S "$TMP/pulse/native" ] && break; sleep 0.1; done
SERVER=unix:$TMP/pulse/native
cp "$ASSETS/game.bmp" "$ASSETS/game.mid" "$TMP/game/"
cd "$TMP/game"

# run SOUND ARGS...: SOUND is "sound" (the private server) or "nosound" (none at all).
run() {
  local sound=$1
  shift
  if [ "$sound" = sound ]; then
    PULSE_SERVER=$SERVER "$PACE" "$@" 2>/dev/null
  else
    PULSE_SERVER=unix:$TMP/none "$PACE" "$@" 2>/dev/null
  fi
}

echo "# load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in $(seq "$RUNS"); do
  echo "startup sound run=$i $(run sound startup)"
done
for interval in 40 2; do
  for i in $(seq "$RUNS"); do
    echo "bare run=$i $(run nosound baseline 10 "$interval")"
  done
  for situation in "nosound waiting" "nosound playing" "sound waiting" "sound playing"; do
    set -- $situation
    for i in $(seq "$RUNS"); do
      echo "pace $1 run=$i $(run "$1" pace 10 "$interval" "$2")"
    done
  done
done
if [ -n "${MEASURE_MEMORY:-}" ]; then
  run sound memory "$MEASURE_MEMORY"
fi
echo "# load after: $(cut -d' ' -f1-3 /proc/loadavg)"
