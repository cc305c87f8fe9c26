#!/usr/bin/env bash
# The Debian package for real: built by CPack, checked by lintian, installed with apt,
# started from the game menu's command in a fresh home under a window manager with a
# sound server and ended with Escape, started again to play a game with its music until
# the session ends it, and removed again, leaving the player's scores behind.
#
# It installs into /usr, so it runs only when asked (PORIMOGU_TEST_SYSTEM=1, as .ci/run
# does) and as root (skipped otherwise), never touches a porimogu the machine already
# has, waits for any other run of itself, and always removes what it installed.
set -euo pipefail
build=$1 assets=$2 probe=$3
if [ "${PORIMOGU_TEST_SYSTEM:-0}" != 1 ]; then
  echo "SKIP: installing the package changes the machine: set PORIMOGU_TEST_SYSTEM=1 to run it"
  exit 77
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing the package needs root"
  exit 77
fi
exec 9>/tmp/porimogu-package-test.lock
flock -w 900 9 || { echo "FAIL: another package test holds the lock" >&2; exit 1; }
if dpkg-query -W -f='${Status}' porimogu 2>/dev/null | grep -q 'installed'; then
  echo "SKIP: porimogu is already installed on this machine; the test leaves it alone"
  exit 77
fi

E2E_WM=openbox
source "$(dirname "$0")/../e2e/lib.sh" /usr/games/porimogu "$assets" "$probe"
installed=""
remove_package() {
  if [ -n "$installed" ]; then
    installed=""
    apt-get remove -y -q -o DPkg::Lock::Timeout=300 porimogu >"$E2E_TMP/remove.log" 2>&1 \
      || { cat "$E2E_TMP/remove.log" >&2; return 1; }
  fi
}
trap 'remove_package || true; e2e_cleanup' EXIT
trap 'exit 1' TERM INT HUP        # a test stopped from outside still removes the package

cpack --config "$build/CPackConfig.cmake" -B "$E2E_TMP/pkg" >"$E2E_TMP/cpack.log" 2>&1 \
  || { cat "$E2E_TMP/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$E2E_TMP"/pkg/porimogu_*.deb)
if command -v lintian >/dev/null; then
  lintian "$deb" >"$E2E_TMP/lintian.log" 2>&1 || true
  ! grep '^E:' "$E2E_TMP/lintian.log" || fail "lintian found errors"
fi

installed=yes
apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$E2E_TMP/install.log" 2>&1 \
  || { cat "$E2E_TMP/install.log" >&2; fail "apt could not install $deb"; }
mapfile -t files < <(dpkg -L porimogu | while read -r f; do [ -f "$f" ] && echo "$f"; done)
for f in /usr/games/porimogu /usr/share/applications/io.github.porimogu.desktop \
         /usr/share/icons/hicolor/48x48/apps/io.github.porimogu.png /usr/share/metainfo/io.github.porimogu.metainfo.xml \
         /usr/share/porimogu/translations/porimogu_en.qm; do
  [ -f "$f" ] || fail "$f is not installed"
done

# The menu's command in a fresh home, as a new player starts it.
start_xvfb
start_pulse
home=$E2E_TMP/home
mkdir -p "$home"
start_installed() {
  new_log
  (cd / && exec env -u XDG_DATA_HOME -u QT_QPA_PLATFORM PULSE_SERVER="$E2E_PULSE_SERVER" HOME="$home" PORIMOGU_TRACE=1 \
     "$(sed -n '/^\[Desktop Entry\]/,/^\[/ s/^Exec=//p' /usr/share/applications/io.github.porimogu.desktop)" >"$E2E_LOG" 2>&1) &
  E2E_PID=$!
  dismiss_startup_boxes
  win=$(wait_window '^ぽっけの ぽりもぐ ゲーム$' 10) || fail "the installed game's window did not appear"
}
start_installed
props=$(xprop -id "$win" _NET_WM_ICON WM_CLASS)
grep -q 'Icon (32 x 32)' <<<"$props" || fail "the window has no 32 x 32 icon"
grep -q 'WM_CLASS.*"porimogu"' <<<"$props" || fail "the window's class is not porimogu"
floor_shown /usr/share/porimogu/game.bmp || fail "the installed game shows no floor ($floor tiles)"
hold "$win" Escape
wait_exit 3 || fail "Escape did not end the installed game"
[ -z "$(boxes_said)" ] || fail "the installed game said: $(boxes_said | paste -sd '|')"

data=$home/.local/share/porimogu
[ "$(ls -A "$data" | tr '\n' ' ')" = "game.bmp game.mid " ] || fail "the data folder holds: $(ls -A "$data")"
for f in game.bmp game.mid; do
  [ "$(readlink "$data/$f")" = "/usr/share/porimogu/$f" ] || fail "$f is not a link to the installed one"
done

# Started again: a game plays its music, silent while paused; the session ends it.
start_installed
press "$win" Return 'state playing'
expect_music playing
press "$win" Escape 'state paused'
expect_music silent
kill -TERM "$E2E_PID"
wait_exit 3 || fail "the installed game did not end when the session told it to"
[ -z "$(boxes_said)" ] || fail "the installed game said: $(boxes_said | paste -sd '|')"

# The player's scores outlive the package.
printf '00100,26/12/07,ぽっけ\r\n' >"$data/Tops.dat"
sum=$(md5sum <"$data/Tops.dat")
remove_package || fail "apt could not remove the package"
for f in "${files[@]}"; do
  [ ! -e "$f" ] || fail "$f is still there after removal"
done
[ "$(md5sum <"$data/Tops.dat")" = "$sum" ] || fail "the scores were touched by the removal"
echo "package: ${#files[@]} files installed and removed; 0 failed"
