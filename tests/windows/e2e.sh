#!/usr/bin/env bash
# The Windows program end to end, under Wine on Xvfb (no window manager), as a player meets it:
# full screen on an 800x600 screen, the question and both answers on a 1024x768 one, keys that
# act on release, Escape and Alt+F4; on Xorg's dummy driver (as root), a real switch to 800x600
# with the desktop's mode back at the end; and the installer: installed silently, started from
# its Start-menu shortcut, removed silently. Prints one "ok"/"not ok" line per check;
# screenshots and logs stay in BUILD_DIR/e2e. Usage: tests/windows/e2e.sh BUILD_DIR START_SHORTCUT
# (the cross-build tree, with its packages in BUILD_DIR/packages, and its vorn_start_shortcut.exe).
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/wine_session.sh"
# shellcheck source-path=SCRIPTDIR
source "$here/../support/xorg_dummy.sh"
# shellcheck source-path=SCRIPTDIR
source "$here/../support/checks.sh"

build=$(cd "${1:?usage: e2e.sh BUILD_DIR START_SHORTCUT}" && pwd)
start_shortcut=${2:?usage: e2e.sh BUILD_DIR START_SHORTCUT}
run_dir=$build/run
work=$build/e2e
[ -f "$run_dir/vorngame.exe" ] || { echo "not ok - no $run_dir/vorngame.exe: build first"; exit 1; }
mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.log "$work"/*.txt

readonly kQuestionCaption="Lumo GL"
failures=0

# What was on the screen at that moment, for whoever reads the failure.
after_failed_check() {
    xwininfo -root -tree >"$work/failure-$failures-windows.txt" 2>&1
    screenshot "$work/failure-$failures.png" 2>/dev/null
}

logged() {  # logged LOG TEXT: the program printed TEXT (its logs come with CRLF line ends)
    tr -d '\r' <"$1" | grep -qF "$2"
}

# frame_up SHOT X0 Y0: takes a screenshot and answers whether a piece is in the well yet.
frame_up() { [ "$(piece_at "$@")" != none ]; }

# Colour, column and shape of piece_in's answer (colour column row shape cells): the row depends
# on how long the piece has been falling.
identity_of() { cut -s -d' ' -f1,2,4 <<<"$1"; }

# ends_on TITLE KEY CODE WHAT: the key pressed in that window ends the program with that code.
ends_on() {
    press "$1" key "$2"
    game_wait
    check "$4" equal "$VORN_GAME_RC" "$3"
}

finish() {
    if [ -n "${VORN_GAME_PID:-}" ]; then kill "$VORN_GAME_PID" 2>/dev/null; fi
    screen_stop
    xorg_dummy_stop
}
trap finish EXIT

full_screen_cases() {
    virtual_display_start 800x600 || return 1
    game_start "$run_dir" "$work/fullscreen-escape.log"
    check "full screen: the window covers the 800x600 screen" \
        equal "$(wait_until window_geometry VornGame)" "800 600 0 0"
    check "full screen: the first frame is shown" wait_until frame_up "$work/first.png" 0 0
    local first
    first=$(piece_in "$work/first.png" 0 0)
    fullscreen_box=$(lit_box "$work/first.png")
    echo "# first piece: $first; lit area: $fullscreen_box"
    check "the well starts at (50, 44)" equal "${fullscreen_box#*+}" "50+44"
    check "the first piece has four cells, spawned at column 5" \
        equal "$(cut -d' ' -f2,5 <<<"$first")" "5 4"
    check "the read-out shows the score and the level" readout_shown "$work/first.png" 0 0

    press VornGame keydown Left
    sleep 0.5
    check "holding Left does not move the piece" \
        equal "$(piece_at "$work/left-held.png" 0 0 | cut -s -d' ' -f2)" 5
    press VornGame keyup Left
    sleep 0.5
    check "releasing Left moves the piece one column left" \
        equal "$(piece_at "$work/left-released.png" 0 0 | cut -s -d' ' -f2)" 4
    ends_on VornGame Escape 0 "Escape ends the program with exit code 0"

    game_start "$run_dir" "$work/fullscreen-altf4.log"
    check "second run: the first frame is shown" wait_until frame_up "$work/second.png" 0 0
    check "two runs start with the same piece" \
        equal "$(identity_of "$(piece_in "$work/second.png" 0 0)")" "$(identity_of "$first")"
    ends_on VornGame alt+F4 0 "Alt+F4 ends the program with exit code 0"
    screen_stop
}

# answer_question KEY LOG: starts the program on the current screen and answers its question.
answer_question() {
    game_start "$run_dir" "$2"
    check "the question is shown (key $1)" wait_until window_viewable "$kQuestionCaption"
    check "its text is the question" logged "$2" "Use Windowed Mode Instead?"
    press "$kQuestionCaption" key "$1"
}

windowed_cases() {
    virtual_display_start 1024x768 || return 1
    answer_question Return "$work/windowed-yes.log"
    local width height x y
    read -r width height x y <<<"$(wait_until window_geometry VornGame)"
    echo "# windowed: drawing area ${width}x${height} at (${x:=0}, ${y:=0}) on the screen"
    check "Yes: a window whose drawing area is 800x600" equal "$width $height" "800 600"
    check "the game is drawn in the window" wait_until frame_up "$work/windowed.png" "$x" "$y"
    check "at full size, not scaled: the lit area is the full-screen one, moved" \
        equal "$(lit_box "$work/windowed.png")" \
        "${fullscreen_box%%+*}+$((x + 50))+$((y + 44))"
    check "the read-out is shown in the window" readout_shown "$work/windowed.png" "$x" "$y"
    ends_on VornGame Escape 0 "windowed: Escape ends the program with exit code 0"

    answer_question y "$work/windowed-y.log"
    check "y: the window is shown" wait_until window_viewable VornGame
    check "y: the game is drawn" wait_until frame_up "$work/windowed-y.png" "$x" "$y"
    ends_on VornGame alt+F4 0 "windowed: Alt+F4 ends the program with exit code 0"

    answer_question n "$work/windowed-no.log"
    check "No: the closing message is shown" wait_until window_viewable ERROR
    check "its text is \"Program Will Now Close.\"" \
        logged "$work/windowed-no.log" "Program Will Now Close."
    check "No: no game window" bash -c "! xwininfo -name VornGame >/dev/null 2>&1"
    ends_on ERROR Return 1 "No: the program ends, with exit code 1"
    screen_stop
}

# Windows gives a full-screen mode back when the process ends; Wine does not, so the program
# does it at the end of its run.
display_mode_cases() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "# display-mode cases skipped: Xorg needs root"
        return 0
    fi
    xorg_dummy_start "$work" || return 1
    local ending
    for ending in Escape alt+F4; do
        game_start "$run_dir" "$work/mode-$ending.log"
        check "$ending run: the display is switched to 800x600" \
            screen_size_becomes 800x600 "$VORN_WAIT_LIMIT"
        check "$ending run: the first frame is shown" \
            wait_until frame_up "$work/mode-$ending.png" 0 0
        ends_on VornGame "$ending" 0 "$ending ends the program with exit code 0"
        check "after $ending the desktop's 1024x768 is back" screen_size_becomes 1024x768 5
    done
    wine_settle
    xorg_dummy_stop
}

# Everything on drive C: but the user's temporary folder, one path a line. The uninstaller runs
# from a copy of itself there, the way NSIS uninstallers remove their own program file.
drive_c_files() {
    (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o -print | sort)
}

# Wine 8 prints the list on standard output, Wine 10 on standard error.
installed_programs() { wine uninstaller --list 2>&1 | tr -d '\r'; }

installer_cases() {
    local setup folder link before
    setup=$(ls "$build"/packages/vorngame-*-setup.exe 2>/dev/null)
    [ -f "$setup" ] || { echo "not ok - no installer in $build/packages"; return 1; }
    folder="$WINEPREFIX/drive_c/Program Files/VornGame"
    link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/VornGame.lnk"
    # What a failed earlier run left installed goes first.
    if [ -f "$folder/Uninstall.exe" ]; then
        wine "$folder/Uninstall.exe" /S
        wine_settle
    fi
    virtual_display_start 800x600 || return 1
    local started=$SECONDS
    before=$(drive_c_files)

    timeout -k 5 120 wine "$setup" /S
    check "the installer ends with exit code 0 when run silently (/S)" equal $? 0
    wine_settle
    check "it puts the program, its images, README.txt and LICENSE.txt in Program Files\\VornGame" \
        equal "$(cd "$folder" 2>/dev/null && LC_ALL=C ls | tr '\n' ' ')" \
        "LICENSE.txt README.txt Uninstall.exe digit0.raw digit1.raw digit2.raw digit3.raw \
digit4.raw digit5.raw digit6.raw digit7.raw digit8.raw digit9.raw level.raw score.raw vorngame.exe "
    check "a Start-menu shortcut" test -f "$link"
    check "an entry in the list of installed programs" \
        equal "$(installed_programs | grep -c '|||VornGame$')" 1

    # Started from elsewhere: only the shortcut's own folder holds the images. Not with
    # `wine start /wait`: under Wine 10 it returns at once for a shortcut, with a code of its own.
    (cd "$work" && exec timeout -k 5 120 wine "$start_shortcut" "$(winepath -w "$link")" \
        >/dev/null 2>"$work/installed.log") &
    VORN_GAME_PID=$!
    check "the shortcut starts the installed game, which draws its well" \
        wait_until frame_up "$work/installed.png" 0 0
    check "in the installed folder: it finds its images and shows the read-out" \
        readout_shown "$work/installed.png" 0 0
    ends_on VornGame Escape 0 "Escape ends the installed game with exit code 0"

    timeout -k 5 120 wine "$folder/Uninstall.exe" /S
    check "the uninstaller ends with exit code 0 when run silently (/S)" equal $? 0
    wine_settle
    check "it leaves none of the installed files, folders and shortcut behind" \
        equal "$(diff <(echo "$before") <(drive_c_files) | grep '^[<>]')" ""
    check "and takes the entry out of the list of installed programs" \
        equal "$(installed_programs | grep -c '|||VornGame$')" 0
    echo "# installer: installed, played and removed in $((SECONDS - started)) s"
    screen_stop
}

started=$SECONDS
wine_setup "$build/wineprefix" || { echo "not ok - a Wine prefix in $build/wineprefix"; exit 1; }
fullscreen_box=unknown
full_screen_cases || check "an 800x600 screen" false
windowed_cases || check "a 1024x768 screen" false
display_mode_cases || check "Xorg's dummy driver" false
installer_cases || check "the installer on an 800x600 screen" false
echo "# $failures failed; $((SECONDS - started)) s; screenshots and logs in $work"
[ "$failures" -eq 0 ]
