# shellcheck shell=bash
# Sourced by the scripts that need a private X screen: Xvfb on a display number it picks itself
# (so that runs side by side never meet), the same way for every script.
# Needs: xvfb.

# virtual_display_start SCREEN [LOG]: SCREEN is WIDTHxHEIGHT (24 bits) or WIDTHxHEIGHTxDEPTH; the
# server's own output goes to LOG (none kept without one). Waits until the server accepts
# clients, then exports DISPLAY and sets VIRTUAL_DISPLAY_PID. When it does not start within
# 20 s, says so on standard error, stops it, and answers 1.
virtual_display_start() {
    local screen=$1 log=${2:-/dev/null} number
    [[ $screen == *x*x* ]] || screen="${screen}x24"
    number=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number" >"$log" 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    local deadline=$((SECONDS + 20))
    until [ -s "$number" ]; do
        if [ $SECONDS -gt $deadline ] || ! kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null; then
            echo "# Xvfb did not start on a $screen screen${2:+ (its output: $log)}" >&2
            rm -f "$number"
            virtual_display_stop
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$number")"
    export DISPLAY
    rm -f "$number"
}

# Stops the server virtual_display_start started, if it runs; safe under set -e, in a trap too.
virtual_display_stop() {
    if [ -n "${VIRTUAL_DISPLAY_PID:-}" ]; then
        kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
        wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    fi
    VIRTUAL_DISPLAY_PID=
    return 0
}
