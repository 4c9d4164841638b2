#!/usr/bin/env bash
# The real program under valgrind memcheck on a private Xvfb: start, play a few keys, Escape.
# Passes when the program ends with exit code 0 and memcheck reports no error in the program's
# own processes (the guardian and the game): no invalid read or write, no use of undefined
# memory and no definitely or indirectly lost block, apart from what memcheck.supp puts down to
# Mesa, SDL, D-Bus, X and the dynamic loader.
#
# Usage: memcheck_run.sh SOURCE_DIR WORK_DIR VORNGAME (a program built without sanitizers)
set -euo pipefail
source_dir=$1
work_dir=$2
program=$3

command -v valgrind >/dev/null || { echo "FAIL: valgrind is not installed" >&2; exit 1; }
[ -x "$program" ] || { echo "FAIL: no program $program" >&2; exit 1; }
mkdir -p "$work_dir"
run_dir=$(dirname "$program")

# The end-to-end helpers: a private Xvfb, waiting for windows and frames, exit codes; each wait
# long enough for a program under memcheck.
export VORNGAME=$program VORN_RUN_DIR=$run_dir VORN_WAIT_LIMIT=300
source "$source_dir/tests/e2e/lib.sh"

# One report per process: memcheck follows every fork. Helpers that SDL may start are not the
# program's own: with no session bus, D-Bus would autolaunch one (dbus-launch closes every
# descriptor it inherits), so the run has no bus to find.
rm -f "$work_dir"/memcheck.*.log
log="$work_dir/memcheck.%p.log"
# The run is on X. Started by CTest under valgrind, SDL's own probing settled on its offscreen
# driver (the cause is not known: the same run from a shell finds X), so the driver is named.
cat >"$work/vorngame-under-memcheck" <<SCRIPT
#!/bin/sh
DBUS_SESSION_BUS_ADDRESS=disabled: SDL_VIDEODRIVER=x11 exec valgrind --tool=memcheck \\
    --error-exitcode=99 --leak-check=full \\
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \\
    --keep-debuginfo=yes --num-callers=40 --track-origins=yes \\
    --suppressions="$source_dir/tests/memcheck/memcheck.supp" --log-file="$log" "$program"
SCRIPT
chmod +x "$work/vorngame-under-memcheck"
VORNGAME="$work/vorngame-under-memcheck"

report() {
    local file
    for file in "$work_dir"/memcheck.*.log; do
        [ -e "$file" ] || continue
        echo "--- memcheck's report $file:" >&2
        grep -v "^==[0-9]*== Warning: invalid file descriptor" "$file" >&2 || true
    done
}
trap 'status=$?; [ $status -eq 0 ] || report; cleanup; exit $status' EXIT

start_xvfb 800x600
start_game
wait_for_window VornGame >/dev/null
wait_for_drawing
note "first frame drawn under memcheck"
for key in Left Right Up space Down Left; do
    xdotool key "$key"
    sleep 1
done
xdotool key Escape
expect_exit 0
main_log="$work_dir/memcheck.$game_pid.log"
[ -s "$main_log" ] || fail "no memcheck report for the program (pid $game_pid)"
# The program's own processes: the guardian, and the game it forked.
judged=("$main_log")
for file in "$work_dir"/memcheck.*.log; do
    grep -q "^==[0-9]*== Parent PID: $game_pid$" "$file" && judged+=("$file")
done
[ ${#judged[@]} -ge 2 ] || fail "no memcheck report for the game the guardian started"
for file in "${judged[@]}"; do
    grep -q "ERROR SUMMARY: 0 errors" "$file" || fail "memcheck found errors ($file)"
done
for file in "${judged[@]}"; do
    note "$(basename "$file"): $(grep -h "definitely lost\|indirectly lost\|ERROR SUMMARY" "$file" |
        sed 's/^==[0-9]*== *//' | paste -sd ';')"
done
