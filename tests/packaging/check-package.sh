#!/usr/bin/env bash
# What the package holds and declares: the install layout, the icon at every size, the menu and
# catalogue entries against their validators, the computed dependencies, and lintian's verdict.
# Then the program as a user runs it: extracted from the package, started by its launcher on the
# offscreen platform with a fresh home, and ended as the desktop session ends it (SIGTERM). It
# must have prepared the user's folder from the shipped files, read its data and written the
# user's settings. A second user keeps data of their own, and files a user already has are never
# replaced.
#   check-package.sh PACKAGE_FOLDER BUILT_IN_IMAGE_FOLDER
set -euo pipefail
package=$(echo "$1"/*.deb)
built_in=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

root="$work/root"
dpkg-deb -x "$package" "$root"
usr="$root/usr"

# The layout: launcher, program, read-only shipped data, and nothing outside /usr.
[[ -x "$usr/bin/sockwright" ]] || fail "no launcher usr/bin/sockwright"
head -c 4 "$usr/lib/sockwright/sockwright" | grep -q ELF || fail "no program in usr/lib/sockwright"
for file in data/runes.txt data/runewords.txt data/realms.txt bmp/El.bmp bmp/selEl.bmp \
    bmp/Blank.bmp char/AMAZON.bmp; do
    [[ -f "$usr/share/sockwright/$file" ]] || fail "share/sockwright/$file is missing"
done
[[ -z "$(ls -A "$root" | grep -v '^usr$')" ]] || fail "files outside /usr: $(ls -A "$root")"
while IFS= read -r line; do
    fail "not root-owned or writable by others: $line"
done < <(dpkg-deb -c "$package" | awk '$1 !~ /^l/ && ($2 != "root/root" || $1 ~ /^.{8}w/)')

# The icon at each size, read from the PNG header; where the program has the same size built in,
# the very same picture.
icon() { echo "$usr/share/icons/hicolor/$1x$1/apps/net.sockwright.Sockwright.png"; }
for size in 16 22 24 32 48 64 128 256; do
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$(icon $size)" 2>&1) || true
    [[ "$width x $height" == "$size x $size" ]] || fail "${size}px icon is $width x $height"
done
for built_in_icon in Sockwright.png:256 Sockwright32.png:32 Sockwright16.png:16; do
    size=${built_in_icon#*:}
    cmp -s "$built_in/${built_in_icon%:*}" "$(icon $size)" ||
        fail "the ${size}px theme icon is not the program's own"
done

desktop-file-validate "$usr/share/applications/net.sockwright.Sockwright.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic \
    "$usr/share/metainfo/net.sockwright.Sockwright.metainfo.xml" || fail "appstreamcli validate"

# Dependencies: Qt from the program's libraries, the skin font's substitute face by its package.
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libc6 fonts-quattrocento; do
    [[ ",$depends," =~ [,\ ]$needed[\ ,] ]] || fail "Depends lacks $needed: $depends"
done

# Lintian: no error and no warning.
status=0
lintian --tag-display-limit 0 "$package" > "$work/lintian" 2>&1 || status=$?
if grep -E '^[EW]: ' "$work/lintian"; then
    fail "lintian reports errors or warnings"
elif [[ $status -ne 0 ]]; then
    cat "$work/lintian" >&2
    fail "lintian could not check the package"
fi

launcher="$usr/bin/sockwright"
shipped="$usr/share/sockwright"
program=$(readlink -f "$usr/lib/sockwright/sockwright")

# One wait of 0.1 s for the program $pid of run_until_terminated, the $waited-th; after the given
# number of them it is killed, and the wait fails with what the program did not do.
tick() {
    ((waited++ < $1)) || {
        kill -KILL "$pid"
        echo "the program did not $2" >&2
        return 124
    }
    sleep 0.1
}

# Starts the launcher with a clean environment plus the given variables on the offscreen
# platform, its output in $work/output, waits until it has become the program and the
# program catches SIGTERM (it then has its window or its first question up, or is about to),
# sends it, and gives the exit status.
run_until_terminated() {
    env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@" "$launcher" > "$work/output" 2>&1 &
    local pid=$! waited=0 mask
    while kill -0 "$pid" 2> /dev/null; do
        if [[ $(readlink "/proc/$pid/exe" 2> /dev/null) == "$program" ]]; then
            mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2> /dev/null || echo 0)
            (((0x${mask:-0} >> 14) & 1)) && break
        fi
        tick 300 "start within 30 s" || return
    done
    kill -TERM "$pid" 2> /dev/null
    waited=0
    while kill -0 "$pid" 2> /dev/null; do
        tick 200 "end within 20 s of SIGTERM" || return
    done
    wait "$pid"
}

# A user's run, which must end with status 0.
run_as() {
    local user=$1 status=0
    shift
    run_until_terminated "$@" || status=$?
    [[ $status -eq 0 ]] || fail "$user: exit status $status; output: $(cat "$work/output")"
}
count_files() { find "$1" -type f | wc -l; }

# A first user, with nothing of their own yet: everything is seeded, the settings are written.
mkdir -p "$work/first"
run_as "first user" HOME="$work/first"
first="$work/first/.local/share/sockwright"
for folder in data bmp char; do
    [[ $(count_files "$first/$folder") -ge $(count_files "$shipped/$folder") ]] ||
        fail "first user: $folder/ not seeded in full"
done
cmp -s "$shipped/data/runewords.txt" "$first/data/runewords.txt" ||
    fail "first user: runewords.txt is not the shipped one"
grep -qs DEFAULT "$first/data/settings.dat" || fail "first user: no default account saved on close"
first_settings=$(cksum < "$first/data/settings.dat" 2> /dev/null || true)

# A second user with a data home of their own, a downloaded runeword file and a portrait.
second="$work/second-data/sockwright"
mkdir -p "$work/second" "$second/data" "$second/char"
sed '1s/.*/1.0.7/' "$shipped/data/runewords.txt" > "$second/data/runewords.txt"
cp "$shipped/char/AMAZON.bmp" "$second/char/Lyra.bmp"
run_as "second user" HOME="$work/second" XDG_DATA_HOME="$work/second-data"
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

# Arguments reach the program through the launcher unchanged, and --version needs no display.
version=$(env -i PATH=/usr/bin:/bin HOME="$work/first" "$launcher" --version 2>&1) ||
    fail "--version through the launcher failed: $version"
[[ "$version" == "Sockwright $(dpkg-deb -f "$package" Version)" ]] ||
    fail "--version through the launcher printed: $version"

# A save file named relative to the folder the launcher was started in is read from there, though
# the program runs in the user's folder (its reason shows the file's own bytes were read).
mkdir -p "$work/saves"
printf 'not a save file' > "$work/saves/Broken.d2s"
status=0
listing=$(cd "$work/saves" &&
    env -i PATH=/usr/bin:/bin HOME="$work/first" "$launcher" --list-runes Broken.d2s 2>&1) ||
    status=$?
[[ $status -eq 1 && "$listing" == *"error: it is not a save file of the game"* ]] ||
    fail "--list-runes with a relative name: status $status, output: $listing"

[[ $failures -eq 0 ]] || exit 1
echo "package $(basename "$package") passes; its program kept each user's data apart"
