#!/usr/bin/env bash
# Hostile input against the real program, one table row per input: the right box with
# the right text, the game still running (or ending where it must), and the score list
# never lost: after every load or save that fails, Tops.dat is byte for byte what it
# was. Rows that need a right the test does not have are skipped with a message.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_pulse
new_game_dir
good=$E2E_TMP/good
mkdir -p "$good"
cp "$game/game.bmp" "$game/game.mid" "$good/"
# The test's folders must be reachable by the unprivileged user of the permission rows.
chmod 755 "$E2E_TMP"
# The permission rows run the game as nobody, who must be able to reach the build tree
# (not so under a home folder of mode 700): otherwise those rows are skipped, said why.
as_user=()
no_user_why="not run as root"
if [ "$(id -u)" -eq 0 ]; then
  no_user_why="user nobody cannot reach the game in $(dirname "$E2E_GAME") (a folder on the way is closed to others)"
  if setpriv --reuid=nobody --regid=nogroup --clear-groups \
       test -x "$E2E_GAME" -a -r "$E2E_ASSETS/game.bmp" 2>/dev/null; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
fi
main_title='^ぽっけの ぽりもぐ ゲーム$'
box_title='^(porimogu|ｴﾗｰ|確認)$'
# How answer_boxes answers a yes/no question: Escape is いいえ, Return はい.
E2E_CONFIRM=Escape

# answer_boxes: answers the game's boxes with Enter as they come, until its main window is
# up with no box left, or the game has ended.
answer_boxes() {
  local box
  for _ in $(seq 150); do
    game_running || return 0
    box=$(xdotool search --onlyvisible --name "$box_title" 2>/dev/null | head -n 1 || true)
    if [ -n "$box" ]; then
      if [ "$(xdotool getwindowname "$box")" = 確認 ]; then key "$box" "$E2E_CONFIRM"; else key "$box" Return; fi
      sleep 0.2
    elif xdotool search --onlyvisible --name "$main_title" >/dev/null 2>&1; then
      sleep 0.4
      xdotool search --onlyvisible --name "$box_title" >/dev/null 2>&1 || return 0
    else
      sleep 0.1
    fi
  done
}

said() { boxes_said | paste -sd '|'; }

# fresh_game_dir: `game` again holds only the good game.bmp and game.mid.
fresh_game_dir() {
  chmod -R u+rwX "$game" 2>/dev/null || true
  rm -rf "$game"
  mkdir -p "$game"
  cp "$good/game.bmp" "$good/game.mid" "$game/"
}

# ---- game.bmp and game.mid: one start of the game per row ------------------------------

# startup_row NAME SETUP BOXES OUTCOME [USER] [BEFORE]: SETUP runs in a fresh game folder,
# then the game starts (as an unprivileged user when USER is "user"). BOXES are the texts
# of every box it shows, '|' between them. OUTCOME "ends": the game ends after its boxes;
# "runs": BEFORE is typed into the window, Enter starts a game and the state label says
# it plays.
startup_row() {
  local name=$1 setup=$2 boxes=$3 outcome=$4 user=${5:-} before=${6:-}
  fresh_game_dir
  (cd "$game" && eval "$setup") || fail "$name: could not make the input"
  if [ "$user" = user ]; then
    if [ ${#as_user[@]} -gt 0 ]; then
      E2E_RUN_AS=("${as_user[@]}")
    elif [ "$(id -u)" -eq 0 ]; then
      echo "skip: $name ($no_user_why)"
      return 0
    fi
  fi
  start_game "$game"
  E2E_RUN_AS=()
  answer_boxes
  if [ "$outcome" = ends ]; then
    wait_exit 5 || fail "$name: the game did not end"
  else
    game_running || fail "$name: the game ended (it said: $(said))"
    win=$(wait_window "$main_title" 5) || fail "$name: no main window"
    watch_status_bar
    [ -z "$before" ] || { eval "$before"; sleep 0.3; }
    hold "$win" Return
    answer_boxes
    expect_state playing 3
    game_running || fail "$name: the game ended after a new game started"
  fi
  # What the game said while it ran: ending it by a signal may log the music's stop too.
  local told
  told=$(said)
  [ "$outcome" = ends ] || stop_game
  [ "$told" = "$boxes" ] || fail "$name: the game said '$told', expected '$boxes'"
  echo "ok: $name"
}

# variant WANT ARGS...: game.bmp converted by ImageMagick, whose header must then state
# WANT: bits per pixel / compression (0 none, 1 RLE8, 3 bit fields).
variant() {
  local want=$1 got
  shift
  convert "$good/game.bmp" "$@"
  got=$(printf '%s/%s' "$(od -An -tu2 -j28 -N2 game.bmp | tr -d ' ')" "$(od -An -tu4 -j30 -N4 game.bmp | tr -d ' ')")
  [ "$got" = "$want" ] || { echo "ImageMagick made $got, not $want" >&2; return 1; }
}

no_bmp='game.bmp がないので できません'
bad_bmp='game.bmp が よめないので できません'
startup_row "game.bmp missing" 'rm game.bmp' "$no_bmp" ends
startup_row "game.bmp empty" ': > game.bmp' "$bad_bmp" ends
startup_row "game.bmp text" 'echo "not a picture" > game.bmp' "$bad_bmp" ends
startup_row "game.bmp truncated" 'head -c 100000 "$good/game.bmp" > game.bmp' "$bad_bmp" ends
startup_row "game.bmp a FIFO" 'rm game.bmp && mkfifo game.bmp' "$bad_bmp" ends
startup_row "game.bmp a directory" 'rm game.bmp && mkdir game.bmp' "$bad_bmp" ends
startup_row "game.bmp a dangling link" 'rm game.bmp && ln -s gone.bmp game.bmp' "$bad_bmp" ends
startup_row "game.bmp unreadable" 'chmod 000 game.bmp' "$bad_bmp" ends user
startup_row "game.bmp claims 100000 x 100000" \
  'printf "\xa0\x86\x01\x00\xa0\x86\x01\x00" | dd of=game.bmp bs=1 seek=18 conv=notrunc 2>/dev/null' "$bad_bmp" ends
startup_row "game.bmp a PNG renamed" 'convert "$good/game.bmp" png:game.bmp' "$bad_bmp" ends
startup_row "game.bmp 1 bit" 'variant 1/0 -monochrome BMP3:game.bmp' "" runs
startup_row "game.bmp 4 bits" 'variant 4/0 -colors 16 -type palette BMP3:game.bmp' "" runs
startup_row "game.bmp 8 bits" 'variant 8/0 -colors 256 -type palette -compress none BMP3:game.bmp' "" runs
startup_row "game.bmp 8 bits RLE" 'variant 8/1 -colors 256 -type palette -compress RLE BMP3:game.bmp' "" runs
startup_row "game.bmp 24 bits" 'variant 24/0 -type truecolor BMP3:game.bmp' "" runs
startup_row "game.bmp 32 bits" 'variant 32/3 -alpha on -type truecolormatte BMP:game.bmp' "" runs
startup_row "game.bmp 1 x 1" 'convert -size 1x1 xc:"rgb(10,200,10)" BMP3:game.bmp' "" runs
startup_row "game.bmp 16 x 16" 'convert "$good/game.bmp" -crop 16x16+0+0 BMP3:game.bmp' "" runs
startup_row "game.bmp 4096 x 4096" 'convert "$good/game.bmp" -resize 4096x4096 BMP3:game.bmp' "" runs

no_music='音楽データが ありません'
not_open='MCI ﾃﾞﾊﾞｲｽがありません.'
startup_row "game.mid missing, music checked" 'rm game.mid' "$no_music|$not_open" runs
startup_row "game.mid missing, music unchecked" 'rm game.mid' "$no_music" runs "" \
  'key "$win" alt+o; sleep 0.4; xdotool key m'
startup_row "game.mid empty" ': > game.mid' "game.mid は MIDI データではありません." runs
startup_row "game.mid text" 'echo "not music" > game.mid' "game.mid は MIDI データではありません." runs
startup_row "game.mid truncated" 'head -c 30 "$good/game.mid" > game.mid' "game.mid の MIDI データが こわれています." runs
startup_row "game.mid a directory" 'rm game.mid && mkdir game.mid' "game.mid が よめません." runs
startup_row "game.mid unreadable" 'chmod 000 game.mid' "game.mid が よめません." runs user
# 1,000 tracks, each only its end: a file that is whole but more than the player takes.
thousand_tracks() {
  printf 'MThd\0\0\0\6\0\1\3\xe8\0\x60'
  for _ in $(seq 1000); do printf 'MTrk\0\0\0\4\0\xff\x2f\0'; done
}
startup_row "game.mid with 1,000 tracks" 'thousand_tracks > game.mid' "game.mid の MIDI データの形式には 対応していません." runs
startup_row "game.mid zero division" 'printf "MThd\0\0\0\6\0\0\0\1\0\0MTrk\0\0\0\4\0\xff\x2f\0" > game.mid' \
  "game.mid の MIDI データが こわれています." runs

# new_boxes SINCE: the boxes said after the first SINCE ones, '|' between them.
new_boxes() { boxes_said | tail -n +$(($1 + 1)) | paste -sd '|'; }

# ---- Tops.dat: one game for all rows, the list opened from the menu or a game ended ------

# fingerprint [FILE]: what the file (Tops.dat) is, for "byte for byte the same" (its first
# megabyte read).
fingerprint() {
  local f=$game/${1:-Tops.dat}
  stat -c '%F %s %a' "$f" 2>/dev/null || echo gone
  if [ -f "$f" ]; then head -c 1048576 "$f" | md5sum; fi
}
# game_to_name_prompt NAME: a game started and ended from the menu; `prompt` is then
# the name prompt's id.
game_to_name_prompt() {
  hold "$win" Return
  expect_state playing
  key "$win" alt+g
  sleep 0.4
  xdotool key q   # やめる
  prompt=$(wait_window '^EnterName$' 15) || fail "$1: no name prompt"
}

# tops_session: the game, run as the unprivileged user when the test is root (for whom
# read-only files are writable), in a folder of its own, waiting.
tops_session() {
  fresh_game_dir
  low_tops > "$game/Tops.dat"
  if [ ${#as_user[@]} -gt 0 ]; then chown -R nobody "$game"; E2E_RUN_AS=("${as_user[@]}"); fi
  start_game "$game"
  E2E_RUN_AS=()
  answer_boxes
  win=$(wait_window "$main_title" 10) || fail "Tops.dat rows: no main window"
  watch_status_bar
}

keep_aside='Tops.dat を Tops.dat.bad という なまえで のこして、せいせきを はじめから つけなおしますか?'
# tops_row NAME SETUP EXPECT [ANSWER]: SETUP writes Tops.dat, the top list is opened from
# the menu. EXPECT "list": it shows and OK saves it. Otherwise EXPECT is the error box's
# text (a pattern), and the offer to keep the file aside follows. ANSWER "no" (the
# default) leaves the file as it was; "yes" moves it unchanged to Tops.dat.bad and shows
# a fresh list, which OK saves.
tops_row() {
  local name=$1 setup=$2 expect=$3 answer=${4:-no} before n id got
  chmod -R u+rwX "$game"
  rm -rf "$game/Tops.dat" "$game/Tops.dat.bad"
  (cd "$game" && eval "$setup") || fail "$name: could not make the input"
  [ ${#as_user[@]} -eq 0 ] || chown -R nobody "$game"
  before=$(fingerprint)
  n=$(boxes_said | wc -l)
  key "$win" alt+g
  sleep 0.4
  xdotool key t   # せいせき
  id=$(wait_window "^TopList Dialog\$|$box_title" 15) || fail "$name: neither the list nor a box"
  if [ "$(xdotool getwindowname "$id")" = "TopList Dialog" ]; then
    [ "$expect" = list ] || fail "$name: the list showed, expected the box '$expect'"
    key "$id" Return
    sleep 0.5
    answer_boxes
    [ -z "$(new_boxes "$n")" ] || fail "$name: saving the list said '$(new_boxes "$n")'"
  else
    [ "$answer" = no ] || E2E_CONFIRM=Return
    answer_boxes
    E2E_CONFIRM=Escape
    got=$(new_boxes "$n")
    # shellcheck disable=SC2053
    [[ $got == $expect"|$keep_aside" ]] || fail "$name: the game said '$got', expected '$expect|$keep_aside'"
    if [ "$answer" = no ]; then
      [ "$(fingerprint)" = "$before" ] || fail "$name: Tops.dat changed"
      [ ! -e "$game/Tops.dat.bad" ] || fail "$name: Tops.dat.bad made though the answer was no"
    else
      id=$(wait_window '^TopList Dialog$' 5) || fail "$name: no fresh list after keeping the file aside"
      key "$id" Return
      sleep 0.5
      [ "$(fingerprint Tops.dat.bad)" = "$before" ] || fail "$name: Tops.dat.bad is not the old file"
      head -n 1 "$game/Tops.dat" | grep -q '^00000,97/11/21,NewPlayer' || fail "$name: Tops.dat is not a fresh list"
    fi
  fi
  game_running || fail "$name: the game ended"
  expect_state waiting
  echo "ok: $name"
}

# record_row NAME SETUP EXPECT: SETUP makes Tops.dat unwritable, a game is ended from the
# menu and the name prompt answered: the save fails with the box EXPECT, the file is as it
# was, and the game waits again.
record_row() {
  local name=$1 setup=$2 expect=$3 before n
  rm -rf "$game/Tops.dat"
  low_tops > "$game/Tops.dat"
  [ ${#as_user[@]} -eq 0 ] || chown nobody "$game/Tops.dat"
  (cd "$game" && eval "$setup") || fail "$name: could not make the input"
  before=$(fingerprint)
  n=$(boxes_said | wc -l)
  game_to_name_prompt "$name"
  key "$prompt" Return
  sleep 0.5
  answer_boxes
  [ "$(new_boxes "$n")" = "$expect" ] || fail "$name: the game said '$(new_boxes "$n")', expected '$expect'"
  [ "$(fingerprint)" = "$before" ] || fail "$name: Tops.dat changed"
  chmod -R u+rwX "$game"
  expect_state waiting 3
  echo "ok: $name"
}

lines() { for i in $(seq "$1"); do printf '%05d,97/11/21,p%s\r\n' "$i" "$i"; done; }
# one_megabyte: the same megabyte of noise on every run.
one_megabyte() { LC_ALL=C awk 'BEGIN { srand(9); for (i = 0; i < 1048576; i++) printf "%c", int(rand() * 256) }'; }

tops_session
not_a_number='*は整数ではありません.'
out_of_range='ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています.'
tops_row "Tops.dat with 5 lines" 'lines 5 > Tops.dat' "$out_of_range"
tops_row "Tops.dat with 5 lines, kept aside" 'lines 5 > Tops.dat' "$out_of_range" yes
tops_row "Tops.dat with one line" 'lines 1 > Tops.dat' "$out_of_range"
tops_row "Tops.dat points not a number" '{ lines 10; printf "abc,97/11/21,x\r\n"; } > Tops.dat' "$not_a_number"
tops_row "Tops.dat points overflowing" '{ lines 10; printf "99999999999,97/11/21,x\r\n"; } > Tops.dat' "$not_a_number"
tops_row "Tops.dat with NUL bytes" '{ lines 3; printf "\0\0\0"; lines 8; } > Tops.dat' "$out_of_range"
tops_row "Tops.dat LF only" 'lines 11 | tr -d "\r" > Tops.dat' list
tops_row "Tops.dat without a last line break" 'lines 11 | head -c -2 > Tops.dat' list
tops_row "Tops.dat invalid Shift-JIS" '{ lines 9; printf "00010,97/11/21,\x81\x20\xff\xa0\r\n00011,97/11/21,\x82\r\n"; } > Tops.dat' list
tops_row "Tops.dat 1 MB of noise" 'one_megabyte > Tops.dat' '*'
tops_row "Tops.dat 100 GB sparse" 'truncate -s 100G Tops.dat' 'ﾌｧｲﾙ Tops.dat は大きすぎて開けません.'
tops_row "Tops.dat a FIFO" 'mkfifo Tops.dat' 'ﾌｧｲﾙ Tops.dat は開けません.'
tops_row "Tops.dat a directory" 'mkdir Tops.dat' 'ﾌｧｲﾙ Tops.dat は開けません.'
tops_row "Tops.dat a symbolic link" 'low_tops > kept.dat && ln -s kept.dat Tops.dat' list
[ -L "$game/Tops.dat" ] || fail "the symbolic link was replaced by a file"
head -n 1 "$game/kept.dat" | grep -q '^-0001,' || fail "the link's target was not saved sorted"

cannot_save='ﾌｧｲﾙ Tops.dat を作成できません.'
if [ ${#as_user[@]} -gt 0 ] || [ "$(id -u)" -ne 0 ]; then
  record_row "Tops.dat read-only" 'chmod 444 Tops.dat' "$cannot_save"
  record_row "Tops.dat in a read-only folder" 'chmod 555 .' "$cannot_save"
else
  echo "skip: read-only Tops.dat ($no_user_why)"
fi

# ---- names: the same game, a game ended from the menu per row --------------------------

# name_row NAME KEYS EXPECT: a game ended from the menu enters the list; KEYS are typed
# into the name prompt, whose text is all selected; after OK on the list, Tops.dat holds
# exactly one new line, with EXPECT as its name.
name_row() {
  local name=$1 keys=$2 expect=$3 id added
  low_tops > "$game/Tops.dat"
  game_to_name_prompt "$name"
  xdotool windowfocus --sync "$prompt"
  eval "$keys"
  sleep 0.3
  xdotool key Return
  id=$(wait_window '^TopList Dialog$' 5) || fail "$name: no top list after the name"
  key "$id" Return
  sleep 0.5
  added=$(iconv -f CP932 -t UTF-8 "$game/Tops.dat" | tr -d '\r' | grep -vxF -f <(low_tops | tr -d '\r')) \
    || fail "$name: Tops.dat is not Shift-JIS or has no new line"
  [ "$(wc -l <<<"$added")" -eq 1 ] || fail "$name: more than one new line: $added"
  [ "${added#*,*,}" = "$expect" ] || fail "$name: recorded '$added', expected the name '$expect'"
  [ "$(wc -l < "$game/Tops.dat")" -eq 11 ] || fail "$name: Tops.dat does not hold 11 lines"
  expect_state waiting 3
  echo "ok: $name"
}
typed() { xdotool type --delay 20 "$1"; }
# paste_text TEXT: the probe holds TEXT on the clipboard while ctrl+v pastes it. Letters
# that no key of the keymap makes are pasted, not typed: xdotool types them by remapping a
# key, which a busy client may read with the mapping already put back.
paste_text() {
  QT_QPA_PLATFORM=xcb "$E2E_PROBE" clip "$1" > "$E2E_TMP/clip.txt" &
  local clip=$!
  for _ in $(seq 50); do grep -q ready "$E2E_TMP/clip.txt" 2>/dev/null && break; sleep 0.1; done
  grep -q ready "$E2E_TMP/clip.txt" || fail "the probe could not hold the clipboard"
  xdotool key ctrl+v
  sleep 0.3
  kill "$clip"; wait "$clip" 2>/dev/null || true
}
# An unacceptable name records the name the player had before (ぽっけ at first).
name_row "name empty" 'xdotool key BackSpace' 'ぽっけ'
name_row "name of 21 bytes" 'typed abcdefghijklmnopqrstu' 'abcdefghijklmnopqrstu'
name_row "name of 22 bytes" 'typed abcdefghijklmnopqrstuv' 'abcdefghijklmnopqrstu'
name_row "name of 10 full-width letters" 'paste_text あいうえおかきくけこ' 'あいうえおかきくけこ'
name_row "name of 11 full-width letters" 'paste_text あいうえおかきくけこさ' 'あいうえおかきくけこ'
name_row "name with an emoji" 'typed "a😀b"' 'ab'   # the prompt takes no letter Shift-JIS cannot hold
name_row "name with é" 'paste_text café' 'cafe'   # an accented letter is kept as its plain letter
name_row "name with a comma" 'typed "a,b"' 'a,b'
name_row "name of 255 letters" "typed $(printf 'x%.0s' $(seq 255))" 'a,b'
# A line break pasted after an "x" (which alone would be recorded if the paste did not arrive).
name_row "name pasted with a line break" 'typed x; paste_text "$(printf "ab\ncd")"' 'a,b'
stop_game

# ---- keys: one game for all rows ----------------------------------------------------------

# still_stands [TILE]: ぽっけ, standing as TILE (64: facing right), is at the same place in
# two screenshots half a second apart, so no key is left held inside the game.
still_stands() {
  local xa ya xb yb
  read -r xa ya _ < <(find_sprite "$E2E_TMP/k1.png" "${1:-64}" 1 whole)
  sleep 0.5
  read -r xb yb _ < <(find_sprite "$E2E_TMP/k2.png" "${1:-64}" 1 whole)
  [ "$xa" -ge 0 ] && [ "$xa" = "$xb" ] && [ "$ya" = "$yb" ]
}

# keys_row NAME ACTION: ACTION types at the playing game; afterwards it still runs, has
# said nothing, pauses, lets ぽっけ walk right and stand again once the key is up (the
# items stand still while paused, so none is eaten or covers him), and plays on.
keys_row() {
  local name=$1 action=$2 n
  n=$(boxes_said | wc -l)
  eval "$action"
  sleep 0.3
  game_running || fail "$name: the game ended"
  [ -z "$(new_boxes "$n")" ] || fail "$name: the game said '$(new_boxes "$n")'"
  # An item that happens to cover him hides him from the screenshots: then play on a
  # moment and look again; one who walks on by himself is never seen standing.
  local tries
  for tries in 1 2 3; do
    hold "$win" Escape
    state_is paused || { hold "$win" Return; hold "$win" Escape; }
    expect_state paused
    hold "$win" Right 0.3
    still_stands && break
    [ "$tries" -lt 3 ] || fail "$name: ぽっけ does not stand still with no key held"
    hold "$win" Return
    sleep 0.5
  done
  hold "$win" Return
  expect_state playing
  echo "ok: $name"
}

fresh_game_dir
E2E_SHEET=$game/game.bmp
start_game "$game"
answer_boxes
win=$(wait_window "$main_title" 10) || fail "key rows: no main window"
watch_status_bar
hold "$win" Return
expect_state playing

# Every key a child can reach, except F10, which opens the menu bar.
every_key=(Left Right Up Down Return Escape Shift_L Control_L space Tab BackSpace Home End Prior Next Insert Delete
  F1 F2 F3 F4 F5 F6 F7 F8 F9 F11 F12 a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9)
keys_row "every key at once" 'xdotool windowfocus --sync "$win"; xdotool keydown "${every_key[@]}"; sleep 0.5; xdotool keyup "${every_key[@]}"'
# 1,000 key events a second for ten seconds: 500 presses and releases of the arrows per
# xdotool call, as fast as it goes.
flood() {
  local burst=() end=$((SECONDS + 10)) count=0
  for _ in $(seq 125); do burst+=(Left Up Right Down); done
  xdotool windowfocus --sync "$win"
  while [ "$SECONDS" -lt "$end" ]; do
    xdotool key --delay 0 "${burst[@]}"
    count=$((count + 1000))
  done
  echo "($count key events in ten seconds)"
}
keys_row "1,000 key events a second for ten seconds" flood
# Focus lost while a key is held: the help window takes the keyboard while Left is down,
# the key comes up there, and the game must not go on walking (72: standing facing left).
focus_lost() {
  hold "$win" Escape   # paused: the items stand still and none is eaten
  xdotool windowfocus --sync "$win"
  xdotool keydown Left
  sleep 0.3
  key "$win" alt+h
  sleep 0.4
  xdotool key k   # そうさのしかた
  help=$(wait_window '^へるぷ$' 5) || fail "no help window"
  xdotool windowfocus --sync "$help"
  xdotool keyup Left
  key "$help" Return
  sleep 0.2
  still_stands 72 || fail "ぽっけ walks on after the keyboard went elsewhere with a key held"
  hold "$win" Return
}
keys_row "focus lost while a key is held" focus_lost
stop_game

# A full disk: a small tmpfs of the test's own, filled up once Tops.dat is on it. Mounting
# changes the machine, so only when asked (PORIMOGU_TEST_SYSTEM=1, as .ci/run does).
if [ "${PORIMOGU_TEST_SYSTEM:-0}" != 1 ]; then
  echo "skip: Tops.dat on a full disk (mounts a tmpfs: set PORIMOGU_TEST_SYSTEM=1 to run it)"
elif [ "$(id -u)" -eq 0 ] && mkdir -p "$E2E_TMP/small" && mount -t tmpfs -o size=64k,mode=0777 tmpfs "$E2E_TMP/small" 2>/dev/null; then
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
  answer_boxes
  win=$(wait_window "$main_title" 10) || fail "full disk: no main window"
  watch_status_bar
  record_row "Tops.dat on a full disk" 'dd if=/dev/zero of=../fill bs=4k 2>/dev/null || true' "$cannot_save"
  stop_game
else
  echo "skip: Tops.dat on a full disk (needs root to mount a small tmpfs)"
fi

echo "e2e badinput: 0 failed"
