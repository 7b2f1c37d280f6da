#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source file under src/, in parallel,
# against a configured and built build folder (for compile_commands.json and Qt's generated
# headers). Fails on any finding.
#   run-clang-tidy.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
if [[ ! -f "$build_dir/compile_commands.json" ]]; then
    echo "No compile_commands.json in $build_dir: build first." >&2
    exit 1
fi
git ls-files 'src/*.cpp' | xargs -P "$(nproc)" -n 4 "$tidy" -p "$build_dir" --quiet
