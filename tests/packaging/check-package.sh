#!/usr/bin/env bash
# What the package holds and declares: the install layout, the icon at every size, the menu and
# catalogue entries against their validators, the computed dependencies, and lintian's verdict.
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
for size in 16 22 24 32 48 64 128 256; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/net.sockwright.Sockwright.png"
    if [[ ! -f "$icon" ]]; then
        fail "no ${size}px icon"
        continue
    fi
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$icon")
    [[ "$width x $height" == "$size x $size" ]] || fail "${size}px icon is $width x $height"
done
for built_in_icon in Sockwright.png:256 Sockwright32.png:32 Sockwright16.png:16; do
    size=${built_in_icon#*:}
    cmp -s "$built_in/${built_in_icon%:*}" \
        "$usr/share/icons/hicolor/${size}x${size}/apps/net.sockwright.Sockwright.png" ||
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

[[ $failures -eq 0 ]] || exit 1
echo "package $(basename "$package") passes"
