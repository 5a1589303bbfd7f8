#!/usr/bin/env bash
# Runs every libFuzzer target in $1 for $3 seconds, starting from its seed corpus in $2/<target>.
# New inputs go to a scratch folder, so the committed corpus stays as it is.
set -euo pipefail
bin_dir=$1
corpus_root=$2
seconds=${3:-30}
status=0
for target in "$bin_dir"/fuzz_*; do
    [[ -x "$target" ]] || continue
    name=$(basename "$target")
    scratch=$(mktemp -d)
    seeds="$corpus_root/${name#fuzz_}"
    mkdir -p "$seeds"
    echo "== $name for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$scratch/" "$scratch" "$seeds" 2>"$scratch/log"; then
        tail -50 "$scratch/log"
        echo "!! $name found a failure; the input is in $scratch"
        status=1
        continue
    fi
    grep -E 'stat::number_of_executed_units' "$scratch/log" || true
    rm -rf "$scratch"
done
exit $status
