# Shared by the end-to-end scripts: a private Xvfb, the program started from its run folder,
# and the screen read with tests/support/screen_reading.sh. Each script sources this, and
# everything it starts is stopped when the script exits, however it exits.
set -euo pipefail
# shellcheck source=../support/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/virtual_display.sh"
# SDL under Xvfb shows a window within seconds: a longer wait only delays a failing run's end.
VORN_WAIT_LIMIT=${VORN_WAIT_LIMIT:-30}
# shellcheck source=../support/screen_reading.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/screen_reading.sh"

: "${VORNGAME:?path of the vorngame program}"
: "${VORN_RUN_DIR:?the folder vorngame is started from}"

# System libraries (D-Bus, the GL driver) keep memory until exit; that is not ours to report.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work=$(mktemp -d)
started=()
game_pid=""

cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/game.err" ]; then
        echo "--- the program's standard error:" >&2
        grep -v '\.raw"' "$work/game.err" >&2 || true
    fi
    exit 1
}

note() { echo "e2e: $*"; }

# Starts Xvfb on a free display number of its own choosing, screen WIDTHxHEIGHT at 24 bits
# unless the size says otherwise (WIDTHxHEIGHTxDEPTH).
start_xvfb() {
    virtual_display_start "$1" "$work/xvfb.log" ||
        fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    started+=("$VIRTUAL_DISPLAY_PID")
    note "Xvfb $1 on $DISPLAY"
}

start_game() {
    (cd "$VORN_RUN_DIR" && exec "$VORNGAME") >"$work/game.out" 2>"$work/game.err" &
    game_pid=$!
    started+=("$game_pid")
}

game_running() { kill -0 "$game_pid" 2>/dev/null; }

# The id of the top-level window with this exact title, or nothing. A window destroyed while
# xwininfo walks the tree (SDL makes and drops windows as it starts) fails the whole walk with
# BadWindow, so the walk is tried again.
window_named() {
    local tree tries=0
    until tree=$(xwininfo -root -tree 2>/dev/null); do
        tries=$((tries + 1))
        [ $tries -lt 20 ] || fail "xwininfo cannot list the windows"
        sleep 0.05
    done
    awk -v name="\"$1\": " 'index($0, name) && !found { print $1; found = 1 }' <<<"$tree"
}

shown() {  # shown TITLE: while the program runs
    game_running || fail "the program ended before showing \"$1\""
    [ -n "$(window_named "$1")" ]
}

# Waits for a window with that title and prints its id.
wait_for_window() {
    wait_until shown "$1" || fail "no window \"$1\" within $VORN_WAIT_LIMIT s"
    window_named "$1"
}

# Waits for the game's window and checks that it is 800x600 at the screen's top-left corner.
game_window_at_origin() {
    local geometry
    wait_for_window VornGame >/dev/null
    geometry=$(window_geometry VornGame)
    [ "$geometry" = "800 600 0 0" ] || fail "window geometry $geometry, expected 800x600 at (0, 0)"
}

# Waits for the program to end and checks its exit code.
expect_exit() {
    local status=0
    wait_until eval '! game_running' || fail "the program did not end within $VORN_WAIT_LIMIT s"
    wait "$game_pid" || status=$?
    [ "$status" -eq "$1" ] || fail "exit code $status, expected $1"
    note "exit code $status"
}

# Waits for the first frame: the grey band of the well's bottom-left cell.
wait_for_drawing() { wait_until drawn || fail "nothing drawn within $VORN_WAIT_LIMIT s"; }
drawn() { [ "$(pixel "$(shot first)" 51 495)" = 63,63,63 ]; }

shot() { screenshot "$work/$1.png" && echo "$work/$1.png"; }

expect_pixel() {  # expect_pixel SHOT X Y R,G,B WHAT
    [ "$(pixel "$1" "$2" "$3")" = "$4" ] || fail "$5"
}

# Checks that a screenshot shows the empty cells of the well's bottom row and left column:
# a 3-pixel dark grey band on each cell's top and left, black inside; and black around.
check_well() {
    local column row x
    for column in 0 3 6 9; do
        x=$((50 + 30 * column))
        expect_pixel "$1" $((x + 1)) 495 63,63,63 "cell ($column, 15): no grey band on the top"
        expect_pixel "$1" $((x + 2)) 514 63,63,63 "cell ($column, 15): no grey band on the left"
        expect_pixel "$1" $((x + 15)) 509 0,0,0 "cell ($column, 15): not black inside"
    done
    for row in 8 12; do
        expect_pixel "$1" 51 $((45 + 30 * row)) 63,63,63 "cell (0, $row): no grey band"
    done
    expect_pixel "$1" 30 300 0,0,0 "not black left of the well"
    expect_pixel "$1" 200 560 0,0,0 "not black below the well"
    expect_pixel "$1" 49 300 0,0,0 "the well starts before x = 50"
    expect_pixel "$1" 200 525 0,0,0 "the well goes below y = 524"
    expect_pixel "$1" 352 300 0,0,0 "the well goes right of x = 349"
}
