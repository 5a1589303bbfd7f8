#!/usr/bin/env bash
# Runs every benchmark program in $1 and ends with one table of the headline figures.
set -euo pipefail
bin_dir=$1
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
for program in "$bin_dir"/bench_*; do
    [[ -x "$program" ]] || continue
    echo "== $(basename "$program")"
    "$program" --benchmark_format=console --benchmark_out="$csv.part" --benchmark_out_format=csv
    grep -E '^"' "$csv.part" >> "$csv" || true
    rm -f "$csv.part"
done
echo
echo "Headline figures"
printf '%-40s %14s %6s %16s\n' "benchmark" "time" "unit" "items/s"
awk -F, '{ gsub(/"/, "", $1); rate = ($7 == "") ? "" : sprintf("%.3g", $7);
           printf "%-40s %14.1f %6s %16s\n", $1, $4, $5, rate }' "$csv"
