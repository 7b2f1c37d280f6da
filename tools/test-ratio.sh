#!/usr/bin/env bash
# Non-blank lines of tests against non-blank lines of code, as the project counts them: C++,
# shell, configured (.in) and CMake files and .ci/run; kept fuzz inputs are data and do not count.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    git ls-files -- "$@" | grep -E '\.(cpp|cc|h|hpp|sh|in)$|CMakeLists\.txt$|(^|/)run$' |
        xargs -r cat | grep -cv '^[[:space:]]*$'
}
tests=$(count tests)
code=$(count src tools benchmarks packaging resources .ci)
echo "tests ${tests} / code ${code} = $((100 * tests / code)) %"
