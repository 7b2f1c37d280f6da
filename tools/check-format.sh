#!/usr/bin/env bash
# Checks (or with --fix, applies) the project's clang-format style on every C++ source file.
set -euo pipefail
cd "$(dirname "$0")/.."
# New files count before they are added, so a commit never meets an unformatted one.
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run --Werror "${files[@]}"
fi
