#!/usr/bin/env bash
# A real display-mode switch, on Xorg's dummy driver (a 1024x768 desktop that also offers
# 800x600): the game plays full screen at 800x600, and the desktop's 1024x768 is back however
# the game process ends: Escape, SIGTERM, a crash (SIGSEGV), an abort (SIGABRT) or SIGKILL; and
# when the process that was started (the guardian) is killed, the game ends with it.
# Xorg needs root: elsewhere the test is skipped.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/xorg_dummy.sh"

if [ "$(id -u)" -ne 0 ]; then
    note "skipped: Xorg needs root"
    exit 77
fi
# A sanitized build would catch the crash itself and end with 1; here it must end as a player's
# build does.
export ASAN_OPTIONS="$ASAN_OPTIONS:handle_segv=0"
xorg_dummy_start "$work" || fail "Xorg did not start: $(tail -n 5 "$work/xorg.log")"
started+=("$XORG_DUMMY_PID")
[ "$(screen_size)" = 1024x768 ] || fail "the desktop is $(screen_size), not 1024x768"

# Starts the game and waits until it plays full screen at 800x600.
play_full_screen() {
    start_game
    wait_for_window VornGame >/dev/null
    screen_size_becomes 800x600 20 || fail "the screen is $(screen_size), not 800x600"
    wait_for_drawing
}

# The process the program runs the game in (the program itself outlives it).
game_process() { pgrep -P "$game_pid" | head -n 1; }

desktop_is_back() {
    screen_size_becomes 1024x768 2 || fail "after $1 the screen is still $(screen_size)"
    note "$1: 1024x768 is back"
}

play_full_screen
game_window_at_origin
check_well "$(shot full-screen)"
press VornGame key Escape
expect_exit 0
desktop_is_back Escape

play_full_screen
kill -TERM "$(game_process)"
expect_exit 0
desktop_is_back SIGTERM

for ending in SEGV:139 ABRT:134 KILL:137; do
    signal=${ending%%:*}
    play_full_screen
    kill "-$signal" "$(game_process)"
    expect_exit "${ending#*:}"
    desktop_is_back "SIG$signal"
    grep -q "^vorngame: the game ended by signal .*; the display mode was put back$" \
        "$work/game.err" || fail "no line on stderr saying how the game ended: $(cat "$work/game.err")"
done

# Killing what the user started (a task manager's kill, the out-of-memory killer) takes the game
# down with it, by the game's own clean end.
play_full_screen
game=$(game_process)
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null || true
gone_by=$((SECONDS + 2))
# A zombie waiting for its new parent to reap it has ended too.
until [ ! -e "/proc/$game" ] || [ "$(awk '{ print $3 }' "/proc/$game/stat" 2>/dev/null)" = Z ]; do
    [ $SECONDS -le $gone_by ] || fail "the game (pid $game) still runs 2 s after its guardian was killed"
    sleep 0.1
done
desktop_is_back "SIGKILL to the started process"
