#!/usr/bin/env bash
# Runs one Windows program under Wine on a fresh Xvfb screen and answers its exit code (124
# when it had to be stopped). Usage: run_on_screen.sh WINE_PREFIX WIDTHxHEIGHT PROGRAM.exe [ARGS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/wine_session.sh"

wine_setup "$1" || { echo "no Wine prefix in $1" >&2; exit 1; }
virtual_display_start "$2" || exit 1
shift 2
trap screen_stop EXIT
timeout -k 5 120 wine "$@"
