# shellcheck shell=bash
# Sourced by the shell checks that watch a program on an X screen (tests/e2e, tests/windows, the
# memcheck run): waits that always end, windows found by their title, keys sent to them, and the
# game's frame read from a screenshot. Frame positions are those of the 800x600 drawing area;
# X0 Y0 is where that area starts on the screen.
# Needs: x11-utils (xwininfo), xdotool, imagemagick (/usr/bin/import and /usr/bin/convert:
# /usr/local/bin may hold a stand-in convert).

SCREEN_CONVERT=/usr/bin/convert

# Never waits for anything longer than this, in seconds. Now and then Wine takes 20 s or more to
# show a window that it usually shows within 2 s, so the limit leaves room for that.
VORN_WAIT_LIMIT=${VORN_WAIT_LIMIT:-45}

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
# window manager, the X window of a framed window (Wine's, SDL's) is its drawing area alone.
window_geometry() {
    xwininfo -name "$1" 2>/dev/null | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {if (w != "") print w, h, x, y; else exit 1}'
}

window_viewable() {  # window_viewable TITLE
    xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# press TITLE XDOTOOL_COMMAND...: without a window manager the keyboard goes to the window under
# the pointer, so the pointer is put in the middle of the window, once it is shown.
press() {
    local title=$1 width height x y
    shift
    wait_until window_viewable "$title" || { echo "# no window \"$title\" shown" >&2; return 1; }
    read -r width height x y <<<"$(window_geometry "$title")"
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) && sleep 0.3 && xdotool "$@"
}

screenshot() { /usr/bin/import -window root "$1"; }

# "r,g,b" of one pixel of a screenshot, in screen coordinates. Always read as red, green and blue:
# ImageMagick 7 writes a shot with no colour in it (a black screen) as one grey channel.
pixel() {
    "$SCREEN_CONVERT" "$1" -crop "1x1+$2+$3" +repage -depth 8 -colorspace sRGB -type TrueColor \
        txt:- | awk -F'[,:() ]+' 'NR > 1 {print $3 "," $4 "," $5}'
}

# piece_in SHOT X0 Y0: "colour column row shape cells" of the well's cells that are not empty,
# each cell's colour read at its middle (r g y b m c w: red, green, yellow, blue, magenta, cyan,
# grey), the shape drawn from its own top-left cell, e.g. "w 3 0 #### 4" for a grey bar at
# column 3, row 0; "none" for an empty well.
piece_in() {
    "$SCREEN_CONVERT" "$1" -crop "300x480+$(($2 + 50))+$(($3 + 44))" +repage \
        -define sample:offset=50 -sample 10x16 -depth 8 -colorspace sRGB -type TrueColor txt:- |
        awk -F'[,:() ]+' 'NR > 1 {
                code = ($3 >= 96) + 2 * ($4 >= 96) + 4 * ($5 >= 96)
                if (code == 0) next
                colour = substr(".rgybmcw", code + 1, 1); cells[$2, $1] = 1; n++
                if (n == 1 || $1 < x0) x0 = $1; if (n == 1 || $2 < y0) y0 = $2
                if ($1 > x1) x1 = $1; if ($2 > y1) y1 = $2
            }
            END {
                if (n == 0) {print "none"; exit}
                for (y = y0; y <= y1; ++y) {
                    for (x = x0; x <= x1; ++x) shape = shape (((y, x) in cells) ? "#" : ".")
                    if (y < y1) shape = shape "/"
                }
                print colour, x0, y0, shape, n
            }'
}

# piece_at SHOT X0 Y0: takes the screenshot SHOT and answers piece_in of it.
piece_at() { screenshot "$1" && piece_in "$@"; }

# lit_box SHOT: "WIDTHxHEIGHT+X+Y" of everything that is not black.
lit_box() { "$SCREEN_CONVERT" "$1" -format '%@' info:; }

# lit_share SHOT GEOMETRY: the mean brightness of a region, 0 for black.
lit_share() { "$SCREEN_CONVERT" "$1" -crop "$2" +repage -format '%[fx:mean]' info:; }

# readout_shown SHOT X0 Y0: the score label with its five digits and the level label with its
# digit are drawn, and the strip between the well and the read-out is black.
readout_shown() {
    local region w h x y share
    for region in "64 32 400 100" "160 32 464 100" "64 32 400 140" "32 32 464 140"; do
        read -r w h x y <<<"$region"
        share=$(lit_share "$1" "${w}x${h}+$((x + $2))+$((y + $3))")
        awk -v s="$share" 'BEGIN {exit !(s > 0.05)}' || return 1
    done
    share=$(lit_share "$1" "30x200+$((360 + $2))+$((100 + $3))")
    awk -v s="$share" 'BEGIN {exit !(s == 0)}'
}
