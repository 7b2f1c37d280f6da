#!/usr/bin/env bash
# The command line where there is no display at all (over ssh, in a script): --help prints on
# standard output and ends with status 0, and a wrong option is refused on standard error.
#   check-command-line.sh PROGRAM
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check() {  # check ARGUMENT STATUS STREAM_WITH_TEXT EMPTY_STREAM
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$1" \
        > "$work/out" 2> "$work/err" < /dev/null || status=$?
    [[ $status -eq $2 && -s "$work/$3" && ! -s "$work/$4" ]] && return
    echo "FAIL: $1 gave status $status, output: $(cat "$work/out"), errors: $(cat "$work/err")" >&2
    return 1
}
program=$1
check --help 0 out err && check --no-such-option 2 err out || exit 1
echo "--help and a wrong option end as they should without a display"
