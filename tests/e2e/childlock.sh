#!/usr/bin/env bash
# --child-lock: the game opens in full screen and holds the keyboard; Escape while
# waiting ends nothing and pauses a running game; the menu's おわり and Alt+F4 show the
# box for the grown-up and the game goes on; its own dialogs have the keyboard while
# open; F11, Alt+Tab and the Super key lead nowhere; Ctrl+Shift+Q ends the game with
# status 0, and so does the end of the session.
source "$(dirname "$0")/lib.sh"
start_xvfb
new_game_dir

# Under a window manager another window waits behind the game, for Alt+Tab to lead to.
[ "${E2E_WM:-}" = openbox ] && cover

rule "--child-lock opens in full screen and holds the keyboard"
open_game --child-lock
expect_said fullscreen "on"
expect_said grab "on"

rule "Escape while waiting ends nothing; while playing it pauses"
hold "$win" Escape
press "$win" Return "state playing"
press "$win" Escape "state paused"

rule "the menu's おわり shows the box for the grown-up, and the game goes on"
choose_item "$win" g x
wait_trace "lock box"
box=$(wait_window '^porimogu$' 5) || fail "the lock's box is not on the screen"
wait_trace "window LockBox active"
key "$box" Return
wait_trace "window LockBox hidden"
wait_trace "grab on"
expect_state paused

rule "Alt+F4 shows the box too"
key "$win" alt+F4
wait_trace "lock box"
wait_trace "window LockBox active"
box=$(wait_window '^porimogu$' 5) || fail "the lock's box is not on the screen"
key "$box" Return
wait_trace "grab on"

rule "the game lets go of the keyboard while its help is open, and takes it again after"
choose_item "$win" h k
wait_trace "window HelpBox active"
expect_said grab "off"
help=$(wait_window '^へるぷ$' 5) || fail "the help is not on the screen"
key "$help" Return
wait_trace "window HelpBox hidden"
wait_trace "grab on"

rule "F11, Alt+Tab and the Super key leave neither full screen nor the game"
key "$win" F11
xdotool key alt+Tab
xdotool key super
# The next key still reaches the game, and it says so; nothing was said of full screen.
xdotool keydown Return
wait_trace "state playing"
xdotool keyup Return
! traced "fullscreen off" || fail "F11 left full screen"
expect_front "$win" "the locked game"

rule "Ctrl+Shift+Q ends the game with status 0"
key "$win" ctrl+shift+q
wait_trace "end 0"
status=0
wait "$E2E_PID" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
E2E_PID=""

rule "the end of the session ends the game, the lock's box open or not"
open_game --child-lock
key "$win" alt+F4
wait_trace "window LockBox active"
kill -TERM "$E2E_PID"
wait_trace "end 0"
status=0
wait "$E2E_PID" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the game with status $status"
E2E_PID=""
echo "e2e childlock: 0 failed"
