#!/usr/bin/env bash
# Start-up of Sockwright against a bare Qt dialog of the same size with one QLabel: the time from
# starting the process to its window being mapped on the X server, measured from outside by
# sockwright_start_to_window. Each round runs every program once, every other round in reverse
# order (bare, program, program, bare, ...), so that all see the same machine; the medians and
# their ratios are printed, of the wall-clock time and of the processor time used by then.
#
#   benchmarks/startup-comparison.sh [-n RUNS] [-p NAME=PROGRAM]... [BUILD_FOLDER]
#
#   BUILD_FOLDER  the build to measure (default: build); Release or RelWithDebInfo gives the
#                 figures worth comparing
#   -n RUNS       measured runs of each program (default 9, at least 7), after one unmeasured
#                 run of each that brings the files into the page cache
#   -p NAME=PATH  one more Sockwright binary to measure in the same rounds, e.g. a patched build
#
# The programs run on a private Xvfb when Xvfb is installed (the figures are defined there: no
# window manager, no compositor), otherwise on $DISPLAY; with neither, the comparison is skipped.
# Sockwright runs as a new user's copy would: in a fresh copy of the build's runtime folder,
# whose settings say not to remind of the missing font (the question would stop the start) and
# not to check for updates (the start is measured, not the network).
set -euo pipefail

runs=9
extra_names=()
extra_programs=()
while getopts "n:p:h" option; do
    case "$option" in
        n) runs="$OPTARG" ;;
        p) extra_names+=("${OPTARG%%=*}"); extra_programs+=("$(realpath "${OPTARG#*=}")") ;;
        *) sed -n '2,20s/^# \{0,1\}//p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
build="$(realpath "${1:-build}")"

if ! [[ "$runs" =~ ^[0-9]+$ ]] || (( runs < 7 )); then
    echo "startup-comparison: at least 7 runs are needed for a median worth reading" >&2
    exit 2
fi

program="$build/src/ui/sockwright"
bare="$build/benchmarks/ui/sockwright_bare_dialog_start"
timer="$build/benchmarks/ui/sockwright_start_to_window"
# A build without the user interface, or without libxcb for the timer, has nothing to compare.
for needed in "$program" "$bare" "$timer" "$build/runtime/data"; do
    if [[ ! -e "$needed" ]]; then
        echo "startup-comparison: skipped, $needed has not been built (targets sockwright," \
             "sockwright_bare_dialog_start, sockwright_start_to_window and runtime_data)"
        exit 0
    fi
done

work="$(mktemp -d "${TMPDIR:-/tmp}/sockwright-startup.XXXXXX")"
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# ---- The display ------------------------------------------------------------------------------
if command -v Xvfb >/dev/null 2>&1; then
    number=90
    while [[ -e "/tmp/.X$number-lock" || -e "/tmp/.X11-unix/X$number" ]]; do
        number=$((number + 1))
    done
    # -noreset: the server must not reset itself each time the last program has ended.
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -e "/tmp/.X11-unix/X$number" ]] && break
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "startup-comparison: Xvfb :$number did not start:" >&2
            cat "$work/xvfb.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    export DISPLAY=":$number"
    display_name="a private Xvfb ($DISPLAY)"
elif [[ -n "${DISPLAY:-}" ]]; then
    display_name="the display $DISPLAY"
else
    echo "startup-comparison: skipped, there is no X display and Xvfb is not installed"
    exit 0
fi
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/xdg-runtime"
export XDG_RUNTIME_DIR="$work/xdg-runtime"

# ---- The program's runtime folder ------------------------------------------------------------
runtime="$work/runtime"
cp -r "$build/runtime" "$runtime"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null)"
# Version line, check for updates (no), remind of the missing font (no), current account name,
# realm and character; no account follows, so the program makes its default account.
printf '%s\n0\n0\nx\nx\n0\n' "${version:-1.1.0}" >"$runtime/data/settings.dat"

# ---- Measuring ---------------------------------------------------------------------------------
names=("bare dialog" "sockwright" "${extra_names[@]}")
measure() {  # measure INDEX: prints "wall-ms processor-ms" from start to the window mapped
    local index=$1
    local status=0
    local result
    if (( index == 0 )); then
        result="$(cd "$work" && "$timer" --title "Bare Qt dialog" --size 708x557 \
                  -- "$bare" 2>>"$work/timer.log")" || status=$?
    else
        local binary="$program"
        (( index >= 2 )) && binary="${extra_programs[index - 2]}"
        result="$(cd "$runtime" && "$timer" --title "Brannoch's Sockwright" --size 708x557 \
                  -- "$binary" 2>>"$work/timer.log")" || status=$?
    fi
    if (( status != 0 )); then
        echo "startup-comparison: ${names[index]} was not measured (status $status):" >&2
        cat "$work/timer.log" >&2
        exit 1
    fi
    echo "$result"
}

median() {  # median of the numbers given as arguments
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR % 2) printf "%.1f", v[(NR + 1) / 2]; else printf "%.1f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

count=${#names[@]}
for (( index = 0; index < count; ++index )); do measure "$index" >/dev/null; done

declare -A walls processor
echo "Start-up, process start to the 708 x 557 window mapped, on $display_name"
echo "(wall-clock ms of each run; the processor time the program had used by then in brackets)"
printf '%-6s' "run"
for name in "${names[@]}"; do printf '%20s' "$name"; done
echo
for (( run = 1; run <= runs; ++run )); do
    # Every other round runs the programs in reverse order, so that neither always goes first.
    order=()
    for (( index = 0; index < count; ++index )); do order+=("$index"); done
    if (( run % 2 == 0 )); then
        reversed=()
        for (( at = count - 1; at >= 0; --at )); do reversed+=("${order[at]}"); done
        order=("${reversed[@]}")
    fi
    declare -A round=()
    for index in "${order[@]}"; do round[$index]="$(measure "$index")"; done
    printf '%-6s' "$run"
    for (( index = 0; index < count; ++index )); do
        read -r wall used <<<"${round[$index]}"
        printf '%11.1f (%5.1f)' "$wall" "$used"
        walls[$index]+="$wall "
        processor[$index]+="$used "
    done
    echo
done

wall_medians=()
processor_medians=()
printf '%-6s' "median"
for (( index = 0; index < count; ++index )); do
    # shellcheck disable=SC2086
    wall_medians+=("$(median ${walls[$index]})")
    # shellcheck disable=SC2086
    processor_medians+=("$(median ${processor[$index]})")
    printf '%11s (%5s)' "${wall_medians[index]}" "${processor_medians[index]}"
done
echo
for (( index = 1; index < count; ++index )); do
    awk -v name="${names[index]}" -v wall="${wall_medians[index]}" -v bare="${wall_medians[0]}" \
        -v used="${processor_medians[index]}" -v bare_used="${processor_medians[0]}" \
        'BEGIN { printf "%s against the bare dialog: %.2fx wall-clock (goal: 1.25x or less), %.2fx processor time\n",
                        name, wall / bare, used / bare_used }'
done
