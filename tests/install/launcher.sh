#!/usr/bin/env bash
# The launcher with a stand-in game that reports where and how it was started: the
# player's folder made and filled with links, the XDG rules, the player's own files
# kept, the X11 choice in a Wayland session, and every failure to prepare the folder
# handed to the game's error box.
set -euo pipefail
template=$1
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }

mkdir -p "$tmp/share" "$tmp/cwd"
echo bmp >"$tmp/share/game.bmp"
echo mid >"$tmp/share/game.mid"
cat >"$tmp/game" <<'GAME'
#!/usr/bin/env bash
{ echo "dir=$PWD"; echo "platform=${QT_QPA_PLATFORM-unset}"; for a in "$@"; do echo "arg=$a"; done; } >"$REPORT"
[ "${1:-}" != --launch-error ]
GAME
chmod +x "$tmp/game"
sed -e "s|@PORIMOGU_BINARY@|$tmp/game|" -e "s|@PORIMOGU_DATA_DIR@|$tmp/share|" "$template" >"$tmp/porimogu"
chmod +x "$tmp/porimogu"

# launch VAR=VALUE... [-- OPTION...]: runs the launcher in $tmp/cwd with only these
# variables (and PATH) and these options; sets `status` and `report` (what the stand-in
# game saw, empty when it never ran).
launch() {
  local vars=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do vars+=("$1"); shift; done
  [ $# -eq 0 ] || shift
  rm -f "$tmp/report"
  status=0
  (cd "$tmp/cwd" && env -i PATH="$PATH" REPORT="$tmp/report" "${vars[@]}" "$tmp/porimogu" "$@" 2>"$tmp/stderr") || status=$?
  report=$(cat "$tmp/report" 2>/dev/null || true)
}

# A fresh home: the folder is made, both files linked, the game started in it, no options.
home=$tmp/home
mkdir -p "$home"
launch HOME="$home"
data=$home/.local/share/porimogu
[ "$status" -eq 0 ] || fail "fresh home: status $status"
grep -qx "dir=$data" <<<"$report" || fail "fresh home: the game ran in the wrong folder: $report"
! grep -q '^arg=' <<<"$report" || fail "fresh home: the game got options: $report"
for f in game.bmp game.mid; do
  [ "$(readlink "$data/$f")" = "$tmp/share/$f" ] || fail "fresh home: $f is not linked to the installed one"
done
[ "$(ls -A "$data" | wc -l)" -eq 2 ] || fail "fresh home: the folder holds more than the two links"

# A file of the player's own stays; a link to a removed install is made again.
echo mine >"$data/game.bmp.new" && mv -f "$data/game.bmp.new" "$data/game.bmp"
ln -sfn "$tmp/gone/game.mid" "$data/game.mid"
launch HOME="$home"
[ "$(cat "$data/game.bmp")" = mine ] || fail "the player's own game.bmp was replaced"
[ "$(readlink "$data/game.mid")" = "$tmp/share/game.mid" ] || fail "a dangling game.mid link was not renewed"

# The player's options reach the game as given.
launch HOME="$home" -- --no-music --speed 9 --bogus
[ "$(grep '^arg=' <<<"$report" | tr '\n' ' ')" = "arg=--no-music arg=--speed arg=9 arg=--bogus " ] \
  || fail "the options were not handed on as given: $report"

# XDG_DATA_HOME: used when absolute, ignored when relative.
launch HOME="$home" XDG_DATA_HOME="$tmp/xdg"
grep -qx "dir=$tmp/xdg/porimogu" <<<"$report" || fail "absolute XDG_DATA_HOME not used: $report"
launch HOME="$home" XDG_DATA_HOME=rel
grep -qx "dir=$data" <<<"$report" || fail "relative XDG_DATA_HOME not ignored: $report"
[ ! -e "$tmp/cwd/rel" ] || fail "a folder was made under the relative XDG_DATA_HOME"

# Folders that cannot be prepared: the game is asked to show the reason (it says it in
# the player's language), the status is 1.
echo file >"$tmp/afile"
mkdir -p "$tmp/filehome/.local/share" && echo x >"$tmp/filehome/.local/share/porimogu"
while IFS='|' read -r what vars reason path; do
  # shellcheck disable=SC2086
  launch $vars
  [ "$status" -eq 1 ] || fail "$what: status $status, not 1"
  [ "$(grep '^arg=' <<<"$report" | head -3 | tr '\n' ' ')" = "arg=--launch-error arg=$reason arg=$path " ] \
    || fail "$what: the game was not asked to show $reason about '$path': $report"
  [ "$(grep -c '^arg=' <<<"$report")" -eq 4 ] || fail "$what: not one detail: $report"
done <<EOF2
no HOME nor XDG_DATA_HOME|XDG_DATA_HOME=relative|no-home|
the folder is a file|HOME=$tmp/filehome|not-a-folder|$tmp/filehome/.local/share/porimogu
the parent is not a folder|XDG_DATA_HOME=$tmp/afile|cannot-make|$tmp/afile/porimogu
the parent cannot be written|XDG_DATA_HOME=/proc/1|cannot-make|/proc/1/porimogu
EOF2

# Wayland: through X11 when the session has XWayland, else Qt's own choice; an explicit
# choice of the player always stands.
while IFS='|' read -r vars want; do
  # shellcheck disable=SC2086
  launch HOME="$home" $vars
  grep -qx "platform=$want" <<<"$report" || fail "with $vars the platform is not $want: $report"
done <<EOF2
WAYLAND_DISPLAY=wayland-0 DISPLAY=:9|xcb
WAYLAND_DISPLAY=wayland-0|unset
DISPLAY=:9|unset
WAYLAND_DISPLAY=wayland-0 DISPLAY=:9 QT_QPA_PLATFORM=wayland|wayland
EOF2

# --help and --version go straight to the game, which answers them: nothing is made,
# not even without a home.
for opt in --help -h --version "--fullscreen --help" "--speed=9 --version"; do
  # shellcheck disable=SC2086  # the options, split
  (cd "$tmp/cwd" && env -i PATH="$PATH" REPORT="$tmp/report" "$tmp/porimogu" $opt 2>"$tmp/stderr") \
    || fail "$opt without a home: status $?"
  grep -qx "dir=$tmp/cwd" "$tmp/report" || fail "$opt: the game did not answer it at once: $(cat "$tmp/report")"
  [ "$(grep '^arg=' "$tmp/report" | tr '\n' ' ')" = "$(printf 'arg=%s ' $opt)" ] || fail "$opt: not handed on as given"
done
[ -z "$(ls -A "$tmp/cwd")" ] || fail "--help made something: $(ls -A "$tmp/cwd")"

echo "launcher: $failed failed"
[ "$failed" -eq 0 ]
