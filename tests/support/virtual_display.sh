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
    x_server_display "$VIRTUAL_DISPLAY_PID" "$number" && rm -f "$number" && return 0
    echo "# Xvfb did not start on a $screen screen${2:+ (its output: $log)}" >&2
    rm -f "$number"
    virtual_display_stop
    return 1
}

# Stops the server virtual_display_start started, if it runs; safe under set -e, in a trap too.
virtual_display_stop() {
    x_server_stop "${VIRTUAL_DISPLAY_PID:-}"
    VIRTUAL_DISPLAY_PID=
}

# x_server_display PID FILE: waits up to 20 s for the X server PID (Xvfb, or Xorg in
# xorg_dummy.sh) to write its display number into FILE (-displayfd), and exports DISPLAY.
x_server_display() {
    local deadline=$((SECONDS + 20))
    until [ -s "$2" ]; do
        [ $SECONDS -le $deadline ] && kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$2")"
    export DISPLAY
}

x_server_stop() {  # x_server_stop PID: none when PID is empty
    [ -z "$1" ] || { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }
    return 0
}
