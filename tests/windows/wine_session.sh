# shellcheck shell=bash
# Sourced by the Windows end-to-end test: a Wine prefix in the build tree, an Xvfb screen of a
# chosen size, the game started under Wine with a time limit, and waits that always end.
# Needs: wine, wine64, xvfb, x11-utils (xwininfo), xdotool, imagemagick (/usr/bin/import).

# shellcheck source=../support/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/virtual_display.sh"

# Never waits for anything longer than this, in seconds. Now and then Wine takes 20 s or more to
# show a window that it usually shows within 2 s, so the limit leaves room for that.
VORN_WAIT_LIMIT=${VORN_WAIT_LIMIT:-45}

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

# wait_until COMMAND...: retries the command until it succeeds or the limit has passed. A long
# wait is noted on standard error (standard output may be the answer being waited for).
wait_until() {
    local started=$SECONDS
    until "$@"; do
        [ $((SECONDS - started)) -lt "$VORN_WAIT_LIMIT" ] || return 1
        sleep 0.2
    done
    [ $((SECONDS - started)) -lt 5 ] || echo "# waited $((SECONDS - started)) s for: $*" >&2
}

# window_geometry TITLE: "WIDTH HEIGHT X Y" of the window's drawing area on the screen. Without a
# window manager, Wine's X window of a framed window is its client area alone.
window_geometry() {
    xwininfo -name "$1" 2>/dev/null | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {if (w != "") print w, h, x, y; else exit 1}'
}

window_viewable() {  # window_viewable TITLE
    xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# press TITLE XDOTOOL_KEY_COMMAND...: without a window manager the keyboard goes to the window
# under the pointer, so the pointer is put in the middle of the window, once it is shown.
press() {
    local title=$1 width height x y
    shift
    wait_until window_viewable "$title" || return 1
    read -r width height x y <<<"$(window_geometry "$title")"
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) && xdotool "$@"
}

screenshot() { /usr/bin/import -window root "$1"; }
