#!/usr/bin/env bash
# With no display at all the program says why on standard error and ends non-zero.
source "$(dirname "$0")/lib.sh"

status=0
(cd "$VORN_RUN_DIR" && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$VORNGAME") \
    >"$work/game.out" 2>"$work/game.err" || status=$?
[ "$status" -ne 0 ] || fail "exit code 0 with no display"
[ "$status" -ne 124 ] || fail "the program hung with no display"
grep -q "^vorngame: ERROR: Failed To Register The Window Class. (SDL_Init: .\+)$" \
    "$work/game.err" || fail "no message with its reason on stderr"
note "exit code $status; $(grep 'Register' "$work/game.err")"
