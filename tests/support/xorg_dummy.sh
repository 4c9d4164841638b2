# shellcheck shell=bash
# Sourced by the tests that switch a real display mode: Xvfb offers only its screen's own size,
# so they run on Xorg with its dummy video driver (xorg-dummy.conf: a 1024x768 desktop that also
# offers 800x600). Xorg needs root. It is kept off the virtual consoles: it shares the current
# one and never switches, so a run on a desktop machine leaves its screen alone.
# Needs: xserver-xorg-core, xserver-xorg-video-dummy, x11-xserver-utils (xrandr).

# shellcheck source=virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"

# xorg_dummy_start DIR: starts the server on a free display number, its log and the files it
# reads (none but the config) in DIR, and exports DISPLAY. Sets XORG_DUMMY_PID.
xorg_dummy_start() {
    local dir=$1 conf
    conf="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/xorg-dummy.conf"
    rm -f "$dir/xorg.display"
    Xorg -config "$conf" -configdir "$dir" -noreset -nolisten tcp -sharevts -novtswitch \
        -keeptty -logfile "$dir/xorg.log" -displayfd 3 3>"$dir/xorg.display" \
        >"$dir/xorg.out" 2>&1 &
    XORG_DUMMY_PID=$!
    x_server_display "$XORG_DUMMY_PID" "$dir/xorg.display" ||
        { echo "# Xorg did not start; see $dir/xorg.log" >&2; return 1; }
}

xorg_dummy_stop() {
    x_server_stop "${XORG_DUMMY_PID:-}"
    XORG_DUMMY_PID=
}

# The screen's size as xrandr reports it: "WIDTHxHEIGHT".
screen_size() {
    xrandr 2>/dev/null | awk '/ current / { sub(",", "", $10); print $8 "x" $10; exit }'
}

# screen_size_becomes SIZE SECONDS: waits for the screen to have that size.
screen_size_becomes() {
    local deadline=$((SECONDS + $2))
    until [ "$(screen_size)" = "$1" ]; do
        [ $SECONDS -le "$deadline" ] || return 1
        sleep 0.1
    done
}
