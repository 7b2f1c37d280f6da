#!/usr/bin/env bash
# Prepares the user's runtime folder and starts the program in it.
set -euo pipefail
build_dir=$1
runtime_dir=$2

program="$build_dir/src/ui/sockwright"
if [[ ! -x "$program" ]]; then
    echo "Sockwright's model, engine and tests are built; the program window is not part of this build yet."
    exit 0
fi
exec "$program"
