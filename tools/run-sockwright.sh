#!/usr/bin/env bash
# Prepares the user's runtime folder and starts the program in it.
#   run-sockwright.sh BUILD_FOLDER RUNTIME_FOLDER
# The runtime folder gets the shipped data and pictures of the build where they are missing; a
# file already there (settings.dat, a portrait, a downloaded runewords.txt) is never replaced.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
runtime_dir=$2

program="$build_dir/src/ui/sockwright"
if [[ ! -x "$program" ]]; then
    echo "The program is not built in $build_dir." >&2
    exit 1
fi

seed_folder() {
    local name=$1
    local source="$build_dir/runtime/$name"
    mkdir -p "$runtime_dir/$name"
    [[ -d "$source" ]] || return 0
    (cd "$source" && find . -type f ! -name settings.dat -print0) |
        while IFS= read -r -d '' file; do
            local target="$runtime_dir/$name/${file#./}"
            if [[ ! -e "$target" ]]; then
                mkdir -p "$(dirname "$target")"
                cp "$source/$file" "$target"
            fi
        done
}

mkdir -p "$runtime_dir"
for folder in data bmp char; do
    seed_folder "$folder"
done

cd "$runtime_dir"
exec "$program"
