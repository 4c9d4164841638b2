#!/usr/bin/env bash
# On an 800x600 screen: the game covers the screen, shows the well, the first piece near the
# top middle and (when the image files are there) the read-out; releasing Left moves the piece
# one column; Escape ends the run with exit code 0.
source "$(dirname "$0")/lib.sh"

start_xvfb 800x600
start_game
game_window_at_origin
wait_for_drawing

before=$(shot before)
check_well "$before"
read -r _ column row _ cells <<<"$(piece_in "$before" 0 0)"
[ -n "$column" ] || fail "no piece in the well"
[ "$cells" = 4 ] || fail "the piece shows $cells cells, not 4"
# The piece's cells may start a column left of column 5.
[ "$column" -ge 4 ] && [ "$column" -le 6 ] || fail "piece starts at column $column, not near 5"
[ "$row" -lt 8 ] || fail "piece at row $row, not near the top"
note "piece at column $column, row $row"

if [ -f "$VORN_RUN_DIR/score.raw" ]; then
    readout_shown "$before" 0 0 || fail "the read-out is blank although the image files are there"
else
    note "no image files in $VORN_RUN_DIR yet: read-out not checked"
fi

# moved SHOT FROM: the piece in a new screenshot has left column FROM (a loaded machine may take
# a while to draw the next frame); `now` is where it went.
moved() { read -r _ now _ <<<"$(piece_at "$work/$1.png" 0 0)"; [ "$now" != "$2" ]; }
xdotool key Left
wait_until moved after "$column" || true
[ "$now" = $((column - 1)) ] || fail "after Left the piece is at column $now, not $((column - 1))"
# The keypad's 6 is the Right arrow while NumLock is off, as it starts here.
xdotool key KP_Right
wait_until moved keypad "$now" || true
[ "$now" = "$column" ] || fail "after the keypad's Right the piece is at column $now, not $column"
note "Left moved the piece to column $((column - 1)), the keypad's Right back to $now"
# The README's screenshot is this one: VORN_SCREENSHOT_DIR=docs ctest -L e2e -R play
[ -z "${VORN_SCREENSHOT_DIR:-}" ] || cp "$work/after.png" "$VORN_SCREENSHOT_DIR/screenshot.png"

xdotool key Escape
expect_exit 0
[ -z "$(window_named VornGame)" ] || fail "the window is still there"
