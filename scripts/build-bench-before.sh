#!/usr/bin/env bash
# Builds bench_scale against the library as it was at commit $1 (the benchmark's own source
# is today's), in $2, so that `make bench` can set the figures of then beside those of now.
# The build is kept: later runs only rebuild what changed.
set -euo pipefail
rev=$1 dir=$2
root=$(git rev-parse --show-toplevel)
if [[ ! -d "$dir/source" ]]; then
    mkdir -p "$dir"
    git -C "$root" worktree add --detach "$(realpath "$dir")/source" "$rev" >/dev/null
fi
cp "$root/bench/bench_scale.cpp" "$dir/source/bench/bench_scale.cpp"
# The benchmark reaches the engine through today's door; an older tree gets one.
[[ -f "$dir/source/src/engine/editor_internals.h" ]] ||
    cp "$root/scripts/bench-before/editor_internals.h" "$dir/source/src/engine/editor_internals.h"
cmake -S "$dir/source" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELEDIT_TESTS=OFF \
    -DZELEDIT_BENCH=ON >/dev/null
cmake --build "$dir/build" --target bench_scale -j "$(nproc)"
