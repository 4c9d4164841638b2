#!/usr/bin/env bash
# The real program started from a folder whose image files are spoilt every way a user's folder
# can spoil them: it must say which file is wrong and how, once each, then play and draw as
# usual and end with exit code 0 on Escape.
source "$(dirname "$0")/lib.sh"

folder="$work/spoilt"
mkdir -p "$folder"
cp "$VORN_RUN_DIR"/*.raw "$folder"/
rm "$folder/score.raw"                        # missing
: >"$folder/level.raw"                        # empty
truncate -s 1000 "$folder/digit0.raw"         # short
rm "$folder/digit1.raw"
mkdir "$folder/digit1.raw"                    # a directory
rm "$folder/digit2.raw"
ln -s /proc/self/mem "$folder/digit2.raw"     # cannot be read, not even by root
chmod 000 "$folder/digit3.raw"                # no read permission (root reads it anyway)
chmod 755 "$work" "$folder"

expected() {
    local tail="; its missing pixels are left blank"
    printf '%s\n' \
        "vorngame: image file \"score.raw\" cannot be opened: No such file or directory$tail" \
        "vorngame: image file \"level.raw\" is empty$tail" \
        "vorngame: image file \"digit0.raw\" is too short: 1000 of 4096 bytes$tail" \
        "vorngame: image file \"digit1.raw\" is a directory$tail" \
        "vorngame: image file \"digit2.raw\" cannot be read: Input/output error$tail"
    [ "$1" = root ] ||
        echo "vorngame: image file \"digit3.raw\" cannot be opened: Permission denied$tail"
}

# Plays one run as the given user ("root" runs as is) and checks what it printed.
play_as() {
    local user=$1
    if [ "$user" = "$(id -un)" ]; then
        VORN_RUN_DIR=$folder start_game
    else
        (cd "$folder" && exec setpriv --reuid="$user" --regid=nogroup --clear-groups \
            "$VORNGAME") >"$work/game.out" 2>"$work/game.err" &
        game_pid=$!
        started+=("$game_pid")
    fi
    wait_for_window VornGame >/dev/null
    wait_for_drawing
    check_well "$(shot "spoilt-$user")"
    xdotool key Escape
    expect_exit 0
    diff <(expected "$user") <(grep 'image file' "$work/game.err") ||
        fail "the warnings differ from the expected ones (above)"
    note "as $user: $(grep -c 'image file' "$work/game.err") warnings, the game played and ended"
}

start_xvfb 800x600
if [ "$(id -u)" -eq 0 ]; then
    play_as root
    # The program must be reachable for another user.
    if (cd "$folder" && setpriv --reuid=nobody --regid=nogroup --clear-groups test -x "$VORNGAME"); then
        play_as nobody
    else
        note "$VORNGAME is not reachable as nobody: the permission case is left out"
    fi
else
    play_as "$(id -un)"
fi
