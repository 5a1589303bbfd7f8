#!/usr/bin/env bash
# Runs every libFuzzer target in $1 for $3 seconds, starting from its seed corpus in $2/<target>.
# New inputs go to a scratch folder, so the committed corpus stays as it is; with "merge" as
# $4, the inputs that reach new code are merged (minimised) into the corpus afterwards, so
# that it grows from run to run.
set -euo pipefail
bin_dir=$1
corpus_root=$2
seconds=${3:-30}
merge=${4:-}
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
    if [[ "$merge" == merge ]]; then
        before=$(find "$seeds" -type f | wc -l)
        "$target" -merge=1 -timeout=10 -rss_limit_mb=2048 "$seeds" "$scratch" 2>>"$scratch/log" >/dev/null
        echo "   corpus: $before -> $(find "$seeds" -type f | wc -l) inputs"
    fi
    rm -rf "$scratch"
done
exit $status
