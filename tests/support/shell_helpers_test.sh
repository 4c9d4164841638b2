#!/usr/bin/env bash
# The shell helpers the test scripts and the benchmark share: a private X screen of the size
# asked for, side by side with another, gone once stopped, and a refused screen reported in
# words with nothing left running; the check lines and their failure count.
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/virtual_display.sh"
# shellcheck source-path=SCRIPTDIR
source "$here/checks.sh"

# Whatever a failed line left running goes with the test.
trap 'kill $(jobs -p) 2>/dev/null' EXIT
failures=0
screen_of() { xwininfo -root | awk '/-geometry/ { print $2 }'; }
depth_of() { xwininfo -root | awk '/Depth:/ { print $2 }'; }

# --- Two screens at once, each where DISPLAY says.
virtual_display_start 320x200 || exit 1
first=$DISPLAY first_pid=$VIRTUAL_DISPLAY_PID
check "the screen is the size asked for, 24 bits deep" \
    equal "$(screen_of) $(depth_of)" "320x200+0+0 24"
virtual_display_start 640x480x16 || exit 1
check "a second screen beside the first has a display of its own" \
    test "$DISPLAY" != "$first"
check "the second screen has its own size and depth" \
    equal "$(screen_of) $(depth_of)" "640x480+0+0 16"
second_pid=$VIRTUAL_DISPLAY_PID
virtual_display_stop
check "a stopped screen's server is gone" eval "! kill -0 $second_pid 2>/dev/null"
check "stopping forgets the server" equal "${VIRTUAL_DISPLAY_PID:-}" ""
check "stopping twice is harmless" virtual_display_stop
VIRTUAL_DISPLAY_PID=$first_pid virtual_display_stop

# --- A screen Xvfb refuses: said in words, nothing left behind.
log=$(mktemp)
message=$(virtual_display_start 320x200x3 "$log" 2>&1)
status=$?
check "a refused screen answers 1" equal "$status" 1
check "and says which screen did not start" \
    equal "$message" "# Xvfb did not start on a 320x200x3 screen (its output: $log)"
check "and leaves no server running" eval "! pgrep -f 'Xvfb.*320x200x3' >/dev/null"
rm -f "$log"

# --- The check lines themselves, in a shell of their own.
lines=$(
    failures=0
    after_failed_check() { echo "kept what failed #$failures"; }
    check "holds" true
    check "fails" equal one two
    echo "failures: $failures"
)
check "check prints a line per check, and equal what it expected" equal "$lines" \
    "$(printf '%s\n' "ok - holds" '#   expected "two", got "one"' "not ok - fails" \
        "kept what failed #1" "failures: 1")"

echo "$failures failed"
[ "$failures" -eq 0 ]
