#!/usr/bin/env bash
# Makes the Debian package from the build, as `make package` does, into a folder of its own.
#   build-package.sh CPACK CPACK_CONFIG OUTPUT_FOLDER
set -euo pipefail
cpack=$1 config=$2 output=$3

rm -rf "$output"
mkdir -p "$output"
"$cpack" --config "$config" -B "$output" > "$output/cpack.log" 2>&1 || {
    cat "$output/cpack.log" >&2
    exit 1
}
packages=("$output"/*.deb)
[[ ${#packages[@]} -eq 1 && -f "${packages[0]}" ]] || {
    echo "expected one package in $output" >&2
    exit 1
}
echo "made ${packages[0]}"
