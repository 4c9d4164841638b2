# shellcheck shell=bash
# Sourced by the test scripts that print one "ok"/"not ok" line per check and count the
# failures in `failures` (set it to 0 first). A script that wants to keep what led to a failure
# defines after_failed_check, which runs after each "not ok" line.

check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok - $what"
    else
        echo "not ok - $what"
        failures=$((failures + 1))
        if declare -F after_failed_check >/dev/null; then
            after_failed_check
        fi
    fi
}

equal() {  # equal ACTUAL EXPECTED
    [ "$1" = "$2" ] && return 0
    echo "#   expected \"$2\", got \"$1\""
    return 1
}
