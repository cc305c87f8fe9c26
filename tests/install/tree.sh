#!/usr/bin/env bash
# `cmake --install` into a DESTDIR: exactly the expected files, the launcher and the
# desktop entry naming the real prefix (not the DESTDIR), icons of the size their folder
# says, the translation found by the installed game, and desktop entry and AppStream
# metadata that their validators accept.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >"$tmp/log" 2>&1 || { cat "$tmp/log" >&2; fail "install failed"; }
root=$tmp/root

expected=(
  usr/games/porimogu
  usr/libexec/porimogu/porimogu
  usr/share/applications/io.github.porimogu.desktop
  usr/share/doc/porimogu/changelog.Debian.gz
  usr/share/doc/porimogu/copyright
  usr/share/man/man6/porimogu.6.gz
  usr/share/metainfo/io.github.porimogu.metainfo.xml
  usr/share/porimogu/game.bmp
  usr/share/porimogu/game.mid
)
languages=()
for qm in "$build"/src/program/translations/porimogu_*.qm; do
  expected+=("usr/share/porimogu/translations/${qm##*/}")
  code=${qm##*/porimogu_}
  languages+=("${code%.qm}")
done
[ "${#languages[@]}" -gt 1 ] || fail "the build made too few translations: ${languages[*]}"
for s in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${s}x${s}/apps/io.github.porimogu.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) \
  || fail "the installed tree differs (- expected, + installed)"

[ -x "$root/usr/games/porimogu" ] && [ -x "$root/usr/libexec/porimogu/porimogu" ] || fail "launcher or game not executable"
bash -n "$root/usr/games/porimogu" || fail "the launcher is not valid bash"
grep -qx 'game="/usr/libexec/porimogu/porimogu"' "$root/usr/games/porimogu" || fail "the launcher does not start /usr/libexec/porimogu/porimogu"
grep -qx 'share="/usr/share/porimogu"' "$root/usr/games/porimogu" || fail "the launcher does not link from /usr/share/porimogu"
grep -qx 'Exec=/usr/games/porimogu' "$root/usr/share/applications/io.github.porimogu.desktop" || fail "the desktop entry does not run /usr/games/porimogu"
! grep -rq "$tmp" "$root/usr/games" "$root/usr/share" || fail "the DESTDIR leaked into an installed file"

for s in 16 24 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${s}x${s}/apps/io.github.porimogu.png")
  [ "$got" = "${s}x${s}" ] || fail "the ${s}x${s} icon is $got"
done

# The installed game finds its translation from where it is installed.
help() { env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@" "$root/usr/libexec/porimogu/porimogu" --help 2>&1; }
help LANGUAGE=en | grep -q 'Start in full screen' || fail "the installed game does not speak English: $(help LANGUAGE=en)"
help LANGUAGE=ja | grep -q 'ぜんがめんで はじめます' || fail "the installed game does not speak Japanese: $(help LANGUAGE=ja)"
help LANGUAGE=en | grep -q -- '--language CODE .*ja' || fail "--help does not list the languages: $(help LANGUAGE=en)"

# The desktop entry and the metainfo name the game in every language it has.
entry=$root/usr/share/applications/io.github.porimogu.desktop
metainfo=$root/usr/share/metainfo/io.github.porimogu.metainfo.xml
for code in "${languages[@]}"; do
  for key in Name GenericName Comment Keywords; do
    [ "$(grep -c "^$key\[$code\]=" "$entry")" -ge 1 ] || fail "the desktop entry has no $key[$code]"
  done
  grep -q "<name xml:lang=\"$code\">" "$metainfo" && grep -q "<summary xml:lang=\"$code\">" "$metainfo" \
    && grep -q "<lang>$code</lang>" "$metainfo" || fail "the metainfo does not name the game in $code"
done

# Each desktop action starts the game with its option, named in every language.
for action in fullscreen:--fullscreen childlock:--child-lock nomusic:--no-music; do
  group=$(sed -n "/^\[Desktop Action ${action%%:*}\]/,/^\[/p" "$entry")
  grep -qx "Exec=/usr/games/porimogu ${action#*:}" <<<"$group" || fail "the ${action%%:*} action does not run ${action#*:}"
  for code in "${languages[@]}"; do
    grep -q "^Name\[$code\]=" <<<"$group" || fail "the ${action%%:*} action has no Name[$code]"
  done
done
grep -qx 'Actions=fullscreen;childlock;nomusic;' "$entry" || fail "the desktop entry does not list its actions"

# The man page describes every option --help lists, and no other.
options=$(help LANGUAGE=en | sed -n 's/^  \(-h, \)\?\(--[a-z-]*\).*/\2/p' | sort)
described=$(zcat "$root/usr/share/man/man6/porimogu.6.gz" | sed -n '/^\.SH OPTIONS/,/^\.SH /{/^\.TP/{n;p}}' \
  | sed -n 's/^\.B[IR]\? .*\(\\-\\-[a-z\\-]*\).*/\1/p' | sed 's/\\-/-/g' | sort)
[ -n "$options" ] && [ "$options" = "$described" ] \
  || fail "the man page's options are not --help's: $(echo $described) against $(echo $options)"

desktop-file-validate "$root/usr/share/applications/io.github.porimogu.desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/io.github.porimogu.metainfo.xml" \
  || fail "appstreamcli refused the metainfo"
echo "install tree: 0 failed"
