#!/usr/bin/env bash
# On a screen without an 800x600 mode the program asks before playing in a window: Return
# (Yes) gives an 800x600 window at (0, 0) with the game; Escape (No) gives "Program Will Now
# Close." and no game; a box whose own X connection is closed comes again. In the window, a key
# let go while another window has the keyboard focus does nothing. On a screen with no OpenGL
# pixel format at all, Yes leads to the message that says so.
source "$(dirname "$0")/lib.sh"

start_xvfb 1024x768

start_game
wait_for_window "Lumo GL" >/dev/null
grep -q "Use Windowed Mode Instead?" "$work/game.err" || fail "the question is not on stderr"
grep -q "closest is 1024x768" "$work/game.err" || fail "the reason is not on stderr"
press "Lumo GL" key Return
game_window_at_origin
window=$(window_named VornGame)
wait_for_drawing
check_well "$(shot windowed)"
note "Yes: the game in an 800x600 window at (0, 0)"

# Without a window manager the keyboard goes where the pointer is, unless a window has been
# given the focus; the root window with the pointer outside the game is "another window".
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
xdotool mousemove 400 300
xdotool keydown Escape
sleep 0.3
xdotool mousemove 1000 700
xdotool windowfocus "$root"
sleep 0.3
xdotool keyup Escape
sleep 1
game_running || fail "Escape let go while the focus was elsewhere ended the game"
note "Escape held across a focus change and let go elsewhere: the game goes on"
xdotool mousemove 400 300
xdotool windowfocus "$window"
sleep 0.3
xdotool key Escape
expect_exit 0

start_game
wait_for_window "Lumo GL" >/dev/null
press "Lumo GL" key Escape
wait_for_window ERROR >/dev/null
grep -q "^vorngame: ERROR: Program Will Now Close.$" "$work/game.err" ||
    fail "\"Program Will Now Close.\" is not on stderr"
[ -z "$(window_named VornGame)" ] || fail "a game window exists after No"
press ERROR key Return
expect_exit 1
! grep -q '\.raw"' "$work/game.err" || fail "the game was built (it read its image files) after No"
[ -z "$(window_named VornGame)" ] || fail "a game window exists after No"
root=$(xwininfo -root | awk '/-geometry/ { print $2 }')
[ "$root" = "1024x768+0+0" ] || fail "the screen is $root after the run"
note "No: the program closed without a game"

# The box is shown by a child process of SDL's with an X connection of its own. When the server
# closes that connection (as xkill would), the game's own display is still there: it does not
# say it lost it, and asks again.
start_game
question=$(wait_for_window "Lumo GL")
xdotool windowkill "$question"
wait_for_window "Lumo GL" >/dev/null
press "Lumo GL" key Return
wait_for_window VornGame >/dev/null
wait_for_drawing
! grep -q "connection to the X server" "$work/game.err" ||
    fail "the box's own connection was taken for the game's"
[ "$(grep -c "Use Windowed Mode Instead?" "$work/game.err")" = 1 ] ||
    fail "the question was printed more than once"
press VornGame key Escape
expect_exit 0
note "the box's connection closed: asked again, Yes played in a window"

# An 8-bit screen: the X server offers no OpenGL pixel format for the window.
start_xvfb 1024x768x8
start_game
wait_for_window "Lumo GL" >/dev/null
press "Lumo GL" key Return
wait_for_window ERROR >/dev/null
grep -q "^vorngame: ERROR: Can't Find A Suitable PixelFormat\. (" "$work/game.err" ||
    fail "no \"Can't Find A Suitable PixelFormat.\" on stderr"
press ERROR key Return
expect_exit 1
[ -z "$(window_named VornGame)" ] || fail "a game window exists after the failure"
note "no pixel format: $(grep -o "PixelFormat.*" "$work/game.err")"
