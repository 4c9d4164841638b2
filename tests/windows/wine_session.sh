# shellcheck shell=bash
# Sourced by the Windows end-to-end test: a Wine prefix in the build tree, an Xvfb screen of a
# chosen size, and the game started under Wine with a time limit; the screen is read with
# tests/support/screen_reading.sh. Needs: wine, wine64, xvfb.

# shellcheck source=../support/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/virtual_display.sh"
# shellcheck source=../support/screen_reading.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/screen_reading.sh"

wine_setup() {  # wine_setup PREFIX_DIR
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine copies every Start-menu shortcut into the desktop's own menu (.desktop files, icons);
    # those go beside the prefix, not into the home folder of whoever runs the tests.
    export XDG_DATA_HOME=$WINEPREFIX-desktop/data XDG_CONFIG_HOME=$WINEPREFIX-desktop/config
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "# making a Wine prefix in $WINEPREFIX (about 10 s, once)"
        timeout -k 5 180 wine wineboot -i >/dev/null 2>&1 || true
    fi
    wine_settle
    [ -f "$WINEPREFIX/system.reg" ]
}

# The wineserver remembers the screen it started on: it must be gone before another screen.
wine_settle() {
    timeout -k 5 60 wineserver -w >/dev/null 2>&1 || timeout 10 wineserver -k >/dev/null 2>&1
    return 0
}

# A screen is started with virtual_display_start WIDTHxHEIGHT, and stopped with this.
screen_stop() {
    wine_settle
    virtual_display_stop
}

# game_start RUN_DIR STDERR_LOG: the program from its run folder, where its images are.
game_start() {
    (cd "$1" && exec timeout -k 5 120 wine ./vorngame.exe >/dev/null 2>"$2") &
    VORN_GAME_PID=$!
}

# game_wait: sets VORN_GAME_RC to the program's exit code, or to 124 after killing it when it
# has not ended in time. Not to be called in a subshell: only this shell can wait for the program.
# shellcheck disable=SC2034  # VORN_GAME_RC is read by the caller
game_wait() {
    local deadline=$((SECONDS + VORN_WAIT_LIMIT))
    while kill -0 "$VORN_GAME_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
    done
    if kill -0 "$VORN_GAME_PID" 2>/dev/null; then
        kill -TERM "$VORN_GAME_PID" 2>/dev/null
        wait "$VORN_GAME_PID" 2>/dev/null
        timeout 10 wineserver -k >/dev/null 2>&1
        VORN_GAME_RC=124
    else
        wait "$VORN_GAME_PID"
        VORN_GAME_RC=$?
    fi
    VORN_GAME_PID=
}
