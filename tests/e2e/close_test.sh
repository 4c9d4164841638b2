#!/usr/bin/env bash
# A close request ends the run with exit code 0: the close message a window manager sends
# (WM_DELETE_WINDOW), SIGTERM and SIGINT.
source "$(dirname "$0")/lib.sh"
: "${VORN_SEND_CLOSE:?path of the vorn_send_close helper}"

start_xvfb 800x600

start_game
window=$(wait_for_window VornGame)
"$VORN_SEND_CLOSE" "$window"
expect_exit 0
note "closed by WM_DELETE_WINDOW"

for signal in TERM INT; do
    start_game
    wait_for_window VornGame >/dev/null
    kill -s "$signal" "$game_pid"
    expect_exit 0
    note "closed by SIG$signal"
done
