#!/usr/bin/env bash
# The installed game played briefly, as a player starts it: PROGRAM started in WORK_DIR on a
# private 800x600 screen shows its window and draws its well; then Escape, and it must end with
# exit code 0. Prints "read-out brightness: N", the brightest channel (0..255) over the score and
# level read-out, and then the program's standard error.
# Usage: play_briefly.sh WORK_DIR PROGRAM
export VORN_RUN_DIR=${1:?usage: play_briefly.sh WORK_DIR PROGRAM}
export VORNGAME=${2:?usage: play_briefly.sh WORK_DIR PROGRAM}
# shellcheck source=../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"

start_xvfb 800x600
start_game
wait_for_window VornGame >/dev/null
wait_for_drawing
echo "read-out brightness: $("$SCREEN_CONVERT" "$work/first.png" -crop 224x72+400+100 +repage \
    -format '%[fx:round(255*maxima)]' info:)"
xdotool mousemove 400 300 key Escape
# The key is not what this run checks; a lost one must not leave the game running.
VORN_WAIT_LIMIT=5 wait_until eval '! game_running' || kill -TERM "$game_pid"
expect_exit 0
cat "$work/game.err"
