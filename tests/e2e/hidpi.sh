#!/usr/bin/env bash
# At two device pixels per pixel (QT_SCALE_FACTOR=2) the play field, the sprites and the
# gauge are enlarged by nearest neighbour, in hard 2 x 2 blocks, while the status texts
# are drawn at the finer resolution.
E2E_SCREEN=1600x1200
source "$(dirname "$0")/lib.sh"
start_xvfb
export QT_SCALE_FACTOR=2

new_game_dir
open_game

rule "at two device pixels per pixel the window is twice as large"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" -eq 1264 ] || fail "the window is $WIDTH device pixels wide, not twice 632"

rule "ぽっけ, the floor, the field and the gauge in exact 2 x 2 blocks; the status text finer"
read -r px py matched total < <(find_sprite "$E2E_TMP/a.png" 32 2)
[ "$px" -ge 0 ] && [ "$matched" -eq "$total" ] || fail "ぽっけ is not drawn in exact 2x2 blocks ($matched of $total pixels)"
floor=$("$E2E_PROBE" count "$E2E_TMP/a.png" "$E2E_SHEET" 1 2)
[ "$floor" -gt 600 ] || fail "the floor is not drawn in exact 2x2 blocks ($floor tiles seen)"

# The whole field: ぽっけ starts at (280, 200) of the 592 x 432 field.
field=$("$E2E_PROBE" blocks "$E2E_TMP/a.png" $((px - 560)) $((py - 400)) 1184 864)
[ "$field" -eq 0 ] || fail "$field blocks of the field are not of one colour"

# The status bar is the bottom 32 pixels of the window: the gauge at (8, 8), 100 x 19,
# the point text from (232, 8).
bar=$((Y + HEIGHT - 64))
gauge=$("$E2E_PROBE" blocks "$E2E_TMP/a.png" $((X + 16)) $((bar + 16)) 200 38)
[ "$gauge" -eq 0 ] || fail "$gauge blocks of the gauge are not of one colour"
text=$("$E2E_PROBE" blocks "$E2E_TMP/a.png" $((X + 464)) $((bar + 16)) 280 32)
[ "$text" -gt 20 ] || fail "the status text looks enlarged, not drawn finely ($text fine blocks)"
echo "field, sprites and gauge in 2x2 blocks; $text fine blocks of text"

hold "$win" Escape
wait_exit 2 || fail "Escape while waiting did not end the game"
echo "e2e hidpi: 0 failed"
