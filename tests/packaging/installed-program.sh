#!/usr/bin/env bash
# The program as a user runs it: extracted from the package into a temporary root, started by its
# launcher on the offscreen platform with a fresh home, and ended as the desktop session ends it
# (SIGTERM). It must have prepared the user's folder from the shipped files, read its data and
# written the user's settings. A second user keeps data of their own, and files a user already
# has are never replaced.
#   installed-program.sh PACKAGE_FOLDER
set -euo pipefail
package=$(echo "$1"/*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

dpkg -x "$package" "$work/root"
launcher="$work/root/usr/bin/sockwright"
shipped="$work/root/usr/share/sockwright"

program=$(readlink -f "$work/root/usr/lib/sockwright/sockwright")

# Starts the launcher with a clean environment plus the given variables, waits until the launcher
# has become the program and the program catches SIGTERM (it then has its window or its first
# question up, or is about to), sends it, and gives the exit status.
run_until_terminated() {
    env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@" "$launcher" \
        > "$work/output" 2>&1 &
    local pid=$! waited=0 mask
    while :; do
        if ! kill -0 "$pid" 2> /dev/null; then
            wait "$pid" || return $?
            return 0
        fi
        if [[ $(readlink "/proc/$pid/exe" 2> /dev/null) == "$program" ]]; then
            mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2> /dev/null || echo 0)
            (((0x${mask:-0} >> 14) & 1)) && break
        fi
        ((waited++ < 300)) || {
            kill -KILL "$pid"
            echo "the program did not start within 30 s" >&2
            return 124
        }
        sleep 0.1
    done
    kill -TERM "$pid"
    waited=0
    while kill -0 "$pid" 2> /dev/null; do
        ((waited++ < 200)) || {
            kill -KILL "$pid"
            echo "the program did not end within 20 s of SIGTERM" >&2
            return 124
        }
        sleep 0.1
    done
    wait "$pid"
}

count_files() { find "$1" -type f | wc -l; }

# A first user, with nothing of their own yet: everything is seeded, the settings are written.
first_home="$work/first"
mkdir -p "$first_home"
status=0
run_until_terminated HOME="$first_home" || status=$?
[[ $status -eq 0 ]] || fail "first user: exit status $status; output: $(cat "$work/output")"
first="$first_home/.local/share/sockwright"
for folder in data bmp char; do
    [[ $(count_files "$first/$folder") -ge $(count_files "$shipped/$folder") ]] ||
        fail "first user: $folder/ not seeded in full"
done
cmp -s "$shipped/data/runewords.txt" "$first/data/runewords.txt" ||
    fail "first user: runewords.txt is not the shipped one"
if [[ -f "$first/data/settings.dat" ]]; then
    grep -q DEFAULT "$first/data/settings.dat" || fail "first user: no default account saved"
else
    fail "first user: no settings.dat written on close"
fi
first_settings=$(cksum < "$first/data/settings.dat" 2> /dev/null || true)

# A second user with a data home of their own, a downloaded runeword file and a portrait.
second="$work/second-data/sockwright"
mkdir -p "$work/second" "$second/data" "$second/char"
sed '1s/.*/1.0.7/' "$shipped/data/runewords.txt" > "$second/data/runewords.txt"
cp "$shipped/char/AMAZON.bmp" "$second/char/Lyra.bmp"
status=0
run_until_terminated HOME="$work/second" XDG_DATA_HOME="$work/second-data" || status=$?
[[ $status -eq 0 ]] || fail "second user: exit status $status; output: $(cat "$work/output")"
[[ $(head -n 1 "$second/data/runewords.txt") == 1.0.7 ]] ||
    fail "second user: the downloaded runewords.txt was replaced"
[[ -f "$second/char/Lyra.bmp" && -f "$second/data/settings.dat" && -f "$second/data/runes.txt" ]] ||
    fail "second user: portrait, settings or seeded data missing"
[[ ! -e "$work/second/.local/share/sockwright" ]] || fail "second user: XDG_DATA_HOME ignored"
[[ ! -e "$first/char/Lyra.bmp" ]] || fail "the second user's portrait reached the first user"
[[ $(cksum < "$first/data/settings.dat") == "$first_settings" ]] ||
    fail "the second user's run changed the first user's settings"

# A data home that cannot hold the folder: the launcher says so and the program never starts.
touch "$work/not-a-folder"
status=0
env -i PATH=/usr/bin:/bin HOME="$work/first" XDG_DATA_HOME="$work/not-a-folder" \
    QT_QPA_PLATFORM=offscreen "$launcher" > "$work/output" 2>&1 || status=$?
[[ $status -eq 1 ]] && grep -q "cannot create" "$work/output" ||
    fail "unusable data home: status $status, output: $(cat "$work/output")"

[[ $failures -eq 0 ]] || exit 1
echo "the installed program prepared, read and saved each user's own data"
