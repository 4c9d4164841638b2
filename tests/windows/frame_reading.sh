# shellcheck shell=bash
# Sourced by the Windows end-to-end test: reads the game's frame from a screenshot. Positions
# are those of the drawing area; X0 Y0 is where that area starts on the screen.
# Needs: imagemagick (/usr/bin/convert; /usr/local/bin/convert may be something else).

VORN_CONVERT=/usr/bin/convert

# well_text SHOT X0 Y0: the well as 16 lines of 10 cells, one letter per cell from the colour at
# its middle: "." empty, r g y b m c w for red, green, yellow, blue, magenta, cyan, grey.
# Always read as red, green and blue: ImageMagick 7 writes a shot with no colour in it (a black
# screen) as one grey channel, which the parser below would take for lit cells.
well_text() {
    "$VORN_CONVERT" "$1" -crop "300x480+$(($2 + 50))+$(($3 + 44))" +repage \
        -define sample:offset=50 -sample 10x16 -depth 8 -colorspace sRGB -type TrueColor txt:- |
        awk -F'[,:() ]+' 'NR > 1 {
                code = ($3 >= 96) + 2 * ($4 >= 96) + 4 * ($5 >= 96)
                row[$2] = row[$2] substr(".rgybmcw", code + 1, 1)
            }
            END {for (y = 0; y < 16; ++y) print row[y]}'
}

# piece_of WELL_TEXT: "colour column row shape" of the cells that are not empty, the shape drawn
# from its own top-left cell, e.g. "w 5 3 ####" for a grey bar at column 5, row 3.
piece_of() {
    awk '{
            for (x = 1; x <= length($0); ++x) {
                c = substr($0, x, 1)
                if (c == ".") continue
                colour = c; cells[NR - 1, x - 1] = 1; n++
                if (minX == "" || x - 1 < minX) minX = x - 1
                if (minY == "" || NR - 1 < minY) minY = NR - 1
                if (x - 1 > maxX) maxX = x - 1
                if (NR - 1 > maxY) maxY = NR - 1
            }
        }
        END {
            if (n == 0) {print "none"; exit}
            shape = ""
            for (y = minY; y <= maxY; ++y) {
                for (x = minX; x <= maxX; ++x) shape = shape (((y, x) in cells) ? "#" : ".")
                if (y < maxY) shape = shape "/"
            }
            print colour, minX, minY, shape, n
        }' <<<"$1"
}

# lit_box SHOT: "WIDTHxHEIGHT+X+Y" of everything that is not black.
lit_box() { "$VORN_CONVERT" "$1" -format '%@' info:; }

# lit_share SHOT GEOMETRY: the mean brightness of a region, 0 for black.
lit_share() { "$VORN_CONVERT" "$1" -crop "$2" +repage -format '%[fx:mean]' info:; }

# readout_shown SHOT X0 Y0: the score label with its five digits and the level label with its
# digit are drawn, and the strip between the well and the read-out is black.
readout_shown() {
    local region share
    for region in 64x32+400+100 160x32+464+100 64x32+400+140 32x32+464+140; do
        local w=${region%%x*} rest=${region#*x}
        local h=${rest%%+*} xy=${rest#*+}
        share=$(lit_share "$1" "${w}x${h}+$((${xy%%+*} + $2))+$((${xy#*+} + $3))")
        awk -v s="$share" 'BEGIN {exit !(s > 0.05)}' || return 1
    done
    share=$(lit_share "$1" "30x200+$((360 + $2))+$((100 + $3))")
    awk -v s="$share" 'BEGIN {exit !(s == 0)}'
}
