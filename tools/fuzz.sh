#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang and libFuzzer and runs each for a while,
# niced, one after another.
#   tools/fuzz.sh BUILD_DIR SECONDS [TARGET...]      (no target: all of them)
# Each target grows a working corpus in BUILD_DIR/corpus/<target>, starting from its kept inputs
# in tests/fuzz/inputs/<target>, which it never changes. An input that breaks a target is left in
# BUILD_DIR/crashes/<target>/; keep it in tests/fuzz/inputs/<target>/ once mended, so that
# `make test` replays it. libFuzzer's full output is in BUILD_DIR/logs/<target>.log.
# The kept inputs beyond the seeds (min-*) are a set that reaches every edge the working corpus
# reached; a longer run may add to them:
#   BUILD_DIR/tests/fuzz/fuzz_<target> -merge=1 -use_counters=0 NEW_FOLDER \
#       tests/fuzz/inputs/<target> BUILD_DIR/corpus/<target>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    for folder in tests/fuzz/inputs/*/; do targets+=("$(basename "$folder")"); done
fi

tools/install-deps.sh fuzz
if [[ ! -f $build/build.ninja ]]; then
    CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSOCKWRIGHT_FUZZ=ON
fi
cmake --build "$build" --parallel 2 --target "${targets[@]/#/fuzz_}"

broken=()
mkdir -p "$build/logs"
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    crashes=$build/crashes/$target
    log=$build/logs/$target.log
    mkdir -p "$corpus" "$crashes"
    echo "fuzzing $target for $seconds s"
    if nice "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$corpus" "tests/fuzz/inputs/$target" > "$log" 2>&1; then
        grep -E '^#[0-9]+.*DONE|^stat::number_of_executed_units' "$log" || true
    else
        broken+=("$target")
        grep -E 'ERROR|broken:|SUMMARY|Test unit written' "$log" || tail -n 20 "$log"
    fi
done
if [[ ${#broken[@]} -gt 0 ]]; then
    echo "broken: ${broken[*]} (inputs in $build/crashes/)" >&2
    exit 1
fi
