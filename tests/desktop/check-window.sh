#!/usr/bin/env bash
# The program's windows as a desktop sees them: on a private Xvfb with openbox managing it, the
# program runs in a copy of the build's runtime folder and its window properties are read with
# xprop. The main window must be a normal top-level window (type NORMAL, neither modal nor
# transient for any window, in the window manager's client list) whose icon is set and whose
# WM_CLASS names the menu entry's StartupWMClass; a dialog opened from it (the Rune Planner, by
# its Alt+P) must be transient for it. The window manager's close (Alt+F4) then ends the program
# as the close box does: settings saved, exit status 0.
#   check-window.sh PROGRAM RUNTIME_FOLDER DESKTOP_FILE
# Exits 77 (a skipped test for ctest) when Xvfb is missing or cannot start.
set -uo pipefail
program=$(realpath -- "$1")
runtime_source=$2
desktop_file=$3

work=$(mktemp -d)
pids=()
cleanup() {  # the program first, the X server last
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2> /dev/null && wait "${pids[i]}" 2> /dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
die() {
    fail "$*"
    exit 1
}
skip() {
    echo "SKIPPED: $*"
    exit 77
}

# Runs the command every 0.1 s until it succeeds; false after the given number of seconds.
wait_for() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}

command -v Xvfb > /dev/null || skip "Xvfb is not installed"
for needed in openbox xprop xdotool; do
    command -v "$needed" > /dev/null || die "$needed is not installed (tools/install-deps.sh installs it)"
done

# The server picks a free display number and writes it to the descriptor given.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
pids+=($!)
display_written() { [[ -s "$work/display" ]] && grep -q $'\n' "$work/display"; }
wait_for 20 display_written || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset XAUTHORITY SESSION_MANAGER

openbox --sm-disable > "$work/openbox.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id"; }
wait_for 20 wm_running || die "openbox did not start: $(cat "$work/openbox.log")"

# A new user's folder whose settings ask neither about the font nor the update server.
runtime="$work/runtime"
cp -r "$runtime_source" "$runtime"
printf '1.1.3\n0\n0\nx\nx\n0\n' > "$runtime/data/settings.dat"
(cd "$runtime" && exec "$program") > "$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The managed windows of the program, in the order the window manager lists them.
program_windows() {
    local window
    for window in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
        xprop -id "$window" _NET_WM_PID 2> /dev/null | grep -q "= $program_pid\$" &&
            echo "$window"
    done
}
windows_listed() { [[ $(program_windows | wc -l) -ge $1 ]]; }
wait_for 30 windows_listed 1 ||
    die "no window of the program in _NET_CLIENT_LIST: $(cat "$work/program.log")"
main=$(program_windows | head -n 1)
property() { xprop -id "$1" "$2" 2> /dev/null; }

[[ $(property "$main" _NET_WM_WINDOW_TYPE) == *"= _NET_WM_WINDOW_TYPE_NORMAL" ]] ||
    fail "main window type: $(property "$main" _NET_WM_WINDOW_TYPE)"
[[ $(property "$main" WM_TRANSIENT_FOR) == *"not found"* ]] ||
    fail "main window is transient: $(property "$main" WM_TRANSIENT_FOR)"
[[ $(property "$main" _NET_WM_STATE) != *_NET_WM_STATE_MODAL* ]] ||
    fail "main window is modal: $(property "$main" _NET_WM_STATE)"
[[ $(property "$main" _NET_WM_ICON | head -c 100) == *"= "* ]] || fail "main window has no icon"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[[ -n "$wm_class" && $(property "$main" WM_CLASS) == *", \"$wm_class\"" ]] ||
    fail "WM_CLASS $(property "$main" WM_CLASS) is not the menu entry's \"$wm_class\""

# A dialog over it: transient for the main window.
xdotool windowactivate --sync "$main" key alt+p
if wait_for 20 windows_listed 2; then
    dialog=$(program_windows | grep -v "^$main\$" | head -n 1)
    [[ $(property "$dialog" WM_TRANSIENT_FOR) == *"window id # $main" ]] ||
        fail "the dialog is not transient for the main window: $(property "$dialog" WM_TRANSIENT_FOR)"
    xdotool windowactivate --sync "$dialog" key Escape
    wait_for 20 eval '! windows_listed 2' || fail "the dialog did not end with Escape"
else
    fail "Alt+P opened no dialog"
fi

# The window manager's close request.
xdotool windowactivate --sync "$main" key alt+F4
status=0
if wait_for 20 eval "! kill -0 $program_pid 2> /dev/null"; then
    wait "$program_pid" || status=$?
    [[ $status -eq 0 ]] || fail "exit status $status after the close: $(cat "$work/program.log")"
    grep -q DEFAULT "$runtime/data/settings.dat" || fail "the close did not save the settings"
else
    fail "the program did not end at the window manager's close"
fi

[[ $failures -eq 0 ]] || exit 1
echo "the main window is a normal desktop window; its dialog is transient for it"
