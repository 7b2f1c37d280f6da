#!/usr/bin/env bash
# The program's command line where there is no display at all (over ssh, in a script): --help and
# --version print on standard output and end with status 0, an unknown option is refused on
# standard error with status 2, and none of them reaches for a window.
#   check-command-line.sh PROGRAM
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" \
        > "$work/out" 2> "$work/err" < /dev/null
}
check() {  # check ARGUMENT STATUS STREAM_WITH_TEXT EMPTY_STREAM
    local status=0
    run "$1" || status=$?
    if [[ $status -ne $2 || ! -s "$work/$3" || -s "$work/$4" ]]; then
        echo "FAIL: $1 gave status $status (not $2), output: $(cat "$work/out")," \
             "errors: $(cat "$work/err")" >&2
        failures=$((failures + 1))
    fi
}
check --help 0 out err
check --version 0 out err
check --no-such-option 2 err out

[[ $failures -eq 0 ]] || exit 1
echo "--help, --version and a wrong option end as they should without a display"
