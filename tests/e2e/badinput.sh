#!/usr/bin/env bash
# Hostile input against the real program, where only the real program will do: a start
# whose tile sheet is missing ends after its box, a start without music plays on and says
# so at the new game, and a score that a full disk cannot take is said and lost nothing.
# The tables of files, Tops.dat contents, names and keys run in-process (the shell
# tests startup, gameend and keys), on the same windows and boxes.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse
new_game_dir
good=$E2E_TMP/good
mkdir -p "$good"
cp "$game/game.bmp" "$game/game.mid" "$good/"
chmod 755 "$E2E_TMP"   # reachable by the unprivileged user of the full-disk row
main_title='^ぽっけの ぽりもぐ ゲーム$'
box_title='^(porimogu|ｴﾗｰ|確認)$'
box='window (TMessageForm|QMessageBox) '

# answer_box: waits for the game's next box and answers it with Enter.
answer_box() {
  local id
  wait_trace "${box}shown" 20
  id=$(wait_window "$box_title" 5) || fail "the box said shown is not on the screen"
  key "$id" Return
  wait_trace "${box}hidden"
}

said() { boxes_said | paste -sd '|'; }

# fresh_game_dir: `game` again holds only the good game.bmp and game.mid.
fresh_game_dir() {
  chmod -R u+rwX "$game" 2>/dev/null || true
  rm -rf "$game"
  mkdir -p "$game"
  cp "$good/game.bmp" "$good/game.mid" "$game/"
}

# No tile sheet: the box, then the program ends by itself.
fresh_game_dir
rm "$game/game.bmp"
start_game "$game"
answer_box
wait_exit 5 || fail "game.bmp missing: the game did not end"
[ "$(said)" = 'game.bmp がないので できません' ] || fail "game.bmp missing: the game said '$(said)'"
echo "ok: game.bmp missing"

# No music: said at start-up, and again when the new game asks for it; the game plays.
fresh_game_dir
rm "$game/game.mid"
start_game "$game"
answer_box
wait_trace 'window MainForm shown'
win=$(wait_window "$main_title" 5) || fail "game.mid missing: no main window"
press "$win" Return 'box MCI'   # the new game's request fails
answer_box
state_is playing || fail "game.mid missing: the game is $(game_state), not playing"
[ "$(said)" = '音楽データが ありません|MCI ﾃﾞﾊﾞｲｽがありません.' ] || fail "game.mid missing: the game said '$(said)'"
stop_game
echo "ok: game.mid missing"

# A full disk: a small tmpfs of the test's own, filled up once Tops.dat is on it; the
# game runs as an unprivileged user, for whom the disk is full. Mounting changes the
# machine, so only when asked (PORIMOGU_TEST_SYSTEM=1, as .ci/run does).
as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if [ "${PORIMOGU_TEST_SYSTEM:-0}" != 1 ]; then
  echo "skip: Tops.dat on a full disk (mounts a tmpfs: set PORIMOGU_TEST_SYSTEM=1 to run it)"
elif [ "$(id -u)" -ne 0 ] || ! "${as_user[@]}" test -x "$E2E_GAME" 2>/dev/null; then
  echo "skip: Tops.dat on a full disk (needs root, and user nobody must reach the game in $(dirname "$E2E_GAME"))"
elif mkdir -p "$E2E_TMP/small" && mount -t tmpfs -o size=64k,mode=0777 tmpfs "$E2E_TMP/small" 2>/dev/null; then
  trap 'umount "$E2E_TMP/small" 2>/dev/null || true; e2e_cleanup' EXIT
  game=$E2E_TMP/small/game
  mkdir -p "$game"
  ln -s "$good/game.bmp" "$game/game.bmp"
  ln -s "$good/game.mid" "$game/game.mid"
  low_tops > "$game/Tops.dat"
  chown -R nobody "$game"
  E2E_RUN_AS=("${as_user[@]}")
  start_game "$game"
  E2E_RUN_AS=()
  wait_trace 'window MainForm shown'
  win=$(wait_window "$main_title" 10) || fail "full disk: no main window"
  dd if=/dev/zero of="$E2E_TMP/small/fill" bs=4k 2>/dev/null || true
  before=$(md5sum < "$game/Tops.dat")
  press "$win" Return 'state playing'
  choose_item "$win" g q   # やめる
  wait_trace 'window InputBox shown' 15
  prompt=$(wait_window '^EnterName$' 5) || fail "full disk: no name prompt"
  key "$prompt" Return
  answer_box
  expect_state waiting
  [ "$(said)" = 'ﾌｧｲﾙ Tops.dat を作成できません.' ] || fail "full disk: the game said '$(said)'"
  [ "$(md5sum < "$game/Tops.dat")" = "$before" ] || fail "full disk: Tops.dat changed"
  stop_game
  echo "ok: Tops.dat on a full disk"
else
  echo "skip: Tops.dat on a full disk (cannot mount a small tmpfs here)"
fi

echo "e2e badinput: 0 failed"
