#!/usr/bin/env bash
# On an 800x600 screen: the game covers the screen, shows the well, the first piece near the
# top middle and (when the image files are there) the read-out; releasing Left moves the piece
# one column; Escape ends the run with exit code 0.
source "$(dirname "$0")/lib.sh"

start_xvfb 800x600
start_game
window=$(wait_for_window VornGame 20)
geometry=$(geometry_of "$window")
[ "$geometry" = "800x600+0+0" ] || fail "window geometry $geometry, expected 800x600+0+0"
note "window $window at $geometry"
wait_for_drawing 20

before=$(shot before)
check_well "$before"
read -r x0 y0 x1 y1 <<<"$(bright_bounds "$before" 50 44 300 480)" || true
[ "$x0" != none ] || fail "no piece in the well"
# Column 5 is x = 200; the piece's cells may start a column to its left.
[ "$x0" -ge 170 ] && [ "$x0" -le 230 ] || fail "piece starts at x = $x0, not near column 5"
[ "$y0" -lt $((44 + 30 * 8)) ] || fail "piece at y = $y0, not near the top"
note "piece at ($x0, $y0)-($x1, $y1)"

if [ -f "$VORN_RUN_DIR/score.raw" ]; then
    lit=$(pixels "$before" 400 100 192 72 | awk '$3 + $4 + $5 > 0' | wc -l)
    [ "$lit" -gt 100 ] || fail "the read-out at x >= 400 is blank although the image files are there"
    note "read-out: $lit lit pixels"
else
    note "no image files in $VORN_RUN_DIR yet: read-out not checked"
fi

xdotool key Left
# A loaded machine may take a while to draw the next frame; the piece must not go further.
deadline=$((SECONDS + 10))
moved=$x0
while [ "$moved" = "$x0" ] && [ $SECONDS -le $deadline ]; do
    sleep 0.2
    read -r moved _ <<<"$(bright_bounds "$(shot after)" 50 44 300 480)" || true
done
[ "$moved" = $((x0 - 30)) ] || fail "after Left the piece starts at x = $moved, expected $((x0 - 30))"
note "Left moved the piece from x = $x0 to $moved"

# The keypad's 6 is the Right arrow while NumLock is off, as it starts here.
xdotool key KP_Right
deadline=$((SECONDS + 10))
while [ "$moved" != "$x0" ] && [ $SECONDS -le $deadline ]; do
    sleep 0.2
    read -r moved _ <<<"$(bright_bounds "$(shot keypad)" 50 44 300 480)" || true
done
[ "$moved" = "$x0" ] || fail "after the keypad's Right the piece starts at x = $moved, expected $x0"
note "the keypad's Right moved it back to x = $moved"
# The README's screenshot is this one: VORN_SCREENSHOT_DIR=docs ctest -L e2e -R play
[ -z "${VORN_SCREENSHOT_DIR:-}" ] || cp "$work/after.png" "$VORN_SCREENSHOT_DIR/screenshot.png"

xdotool key Escape
expect_exit 0 15
[ -z "$(window_named VornGame)" ] || fail "the window is still there"
