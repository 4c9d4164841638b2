# Shared by the end-to-end scripts: a private Xvfb, the program started from its run folder,
# and screenshot reading. Each script sources this, and everything it starts is stopped when
# the script exits, however it exits.
set -euo pipefail
# shellcheck source=../support/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/virtual_display.sh"

: "${VORNGAME:?path of the vorngame program}"
: "${VORN_RUN_DIR:?the folder vorngame is started from}"

# /usr/local/bin may hold a stand-in convert; these are ImageMagick's.
CONVERT=/usr/bin/convert
IMPORT=/usr/bin/import

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
    local size=$1
    virtual_display_start "$size" "$work/xvfb.log" ||
        fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    started+=("$VIRTUAL_DISPLAY_PID")
    note "Xvfb $size on $DISPLAY"
}

start_game() {
    (cd "$VORN_RUN_DIR" && exec "$VORNGAME") >"$work/game.out" 2>"$work/game.err" &
    game_pid=$!
    started+=("$game_pid")
}

# The id of the top-level window with this exact name, or nothing. A window destroyed while
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

# "WIDTHxHEIGHT+X+Y" of a window id.
geometry_of() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { printf "%sx%s+%s+%s\n", w, h, x, y }'
}

# Waits up to SECONDS for a window of that name and prints its id.
wait_for_window() {
    local name=$1 seconds=$2 id="" deadline=$((SECONDS + $2))
    while [ -z "$id" ]; do
        [ $SECONDS -le $deadline ] || fail "no window \"$name\" within $seconds s"
        game_running || fail "the program ended before showing \"$name\""
        sleep 0.2
        id=$(window_named "$name")
    done
    echo "$id"
}

game_running() { kill -0 "$game_pid" 2>/dev/null; }

# Waits up to SECONDS for the program to end and checks its exit code.
expect_exit() {
    local code=$1 seconds=$2 deadline=$((SECONDS + $2)) status=0
    while game_running; do
        [ $SECONDS -le $deadline ] || fail "the program did not end within $seconds s"
        sleep 0.1
    done
    wait "$game_pid" || status=$?
    [ "$status" -eq "$code" ] || fail "exit code $status, expected $code"
    note "exit code $status"
}

# Moves the pointer over a window (without a window manager, focus follows the pointer) and
# presses a key there.
key_in_window() {
    local id=$1 key=$2 geometry
    geometry=$(geometry_of "$id")
    local w=${geometry%%x*} rest=${geometry#*x}
    local h=${rest%%+*} x=${rest#*+}
    local y=${x#*+}
    x=${x%%+*}
    xdotool mousemove $((x + w / 2)) $((y + h / 2))
    sleep 0.3
    xdotool key "$key"
}

# Waits up to SECONDS for the first frame: the grey band of the well's bottom-left cell.
wait_for_drawing() {
    local seconds=$1 deadline=$(($SECONDS + $1))
    until [ "$(pixel "$(shot first)" 51 495)" = "63,63,63" ]; do
        [ $SECONDS -le $deadline ] || fail "nothing drawn within $seconds s"
        sleep 0.2
    done
}

shot() {
    "$IMPORT" -window root "$work/$1.png"
    echo "$work/$1.png"
}

# "x y r g b" for every pixel of a rectangle of a screenshot, in screen coordinates. Read as
# red, green and blue even when ImageMagick 7 keeps a colourless shot as one grey channel.
pixels() {
    local file=$1 x=$2 y=$3 w=$4 h=$5
    "$CONVERT" "$file" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 -colorspace sRGB \
        -type TrueColor txt:- |
        awk -v ox="$x" -v oy="$y" -F'[,:() ]+' 'NR > 1 { print $1 + ox, $2 + oy, $3, $4, $5 }'
}

# "r,g,b" of one pixel.
pixel() { pixels "$1" "$2" "$3" 1 1 | awk '{ print $3 "," $4 "," $5 }'; }

# "minx miny maxx maxy" of the pixels with a channel of 128 or more inside a rectangle, or
# "none": in the well that is the falling piece, since empty cells are black and dark grey.
bright_bounds() {
    pixels "$@" | awk '
        $3 >= 128 || $4 >= 128 || $5 >= 128 {
            if (n++ == 0) { x0 = x1 = $1; y0 = y1 = $2 }
            if ($1 < x0) x0 = $1; if ($1 > x1) x1 = $1
            if ($2 < y0) y0 = $2; if ($2 > y1) y1 = $2
        }
        END { if (n) print x0, y0, x1, y1; else print "none" }'
}

# Checks that a screenshot shows the empty cells of the well's bottom row and left column:
# a 3-pixel dark grey band on each cell's top and left, black inside; and black around.
check_well() {
    local file=$1 column row x y
    for column in 0 3 6 9; do
        x=$((50 + 30 * column))
        y=$((44 + 30 * 15))
        [ "$(pixel "$file" $((x + 1)) $((y + 1)))" = "63,63,63" ] ||
            fail "cell ($column, 15): no grey band at ($((x + 1)), $((y + 1)))"
        [ "$(pixel "$file" $((x + 2)) $((y + 20)))" = "63,63,63" ] ||
            fail "cell ($column, 15): no grey band on the left"
        [ "$(pixel "$file" $((x + 15)) $((y + 15)))" = "0,0,0" ] ||
            fail "cell ($column, 15): not black inside"
    done
    for row in 8 12; do
        y=$((44 + 30 * row))
        [ "$(pixel "$file" 51 $((y + 1)))" = "63,63,63" ] || fail "cell (0, $row): no grey band"
    done
    [ "$(pixel "$file" 30 300)" = "0,0,0" ] || fail "not black left of the well"
    [ "$(pixel "$file" 200 560)" = "0,0,0" ] || fail "not black below the well"
    [ "$(pixel "$file" 49 300)" = "0,0,0" ] || fail "the well starts before x = 50"
    [ "$(pixel "$file" 200 525)" = "0,0,0" ] || fail "the well goes below y = 524"
    [ "$(pixel "$file" 352 300)" = "0,0,0" ] || fail "the well goes right of x = 349"
}
