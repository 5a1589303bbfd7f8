#!/usr/bin/env bash
# Runs every benchmark program in $1 and ends with one table of the headline figures. With a
# second folder holding bench_scale built against an earlier library, runs that too and
# ends with a table of the scale figures, then and now, beside their goals (bench/goals.tsv).
set -euo pipefail
bin_dir=$1 before_dir=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
csv=$(mktemp) before_csv=$(mktemp)
trap 'rm -f "$csv" "$csv.part" "$before_csv"' EXIT

run() { # program, csv file to append to
    "$1" --benchmark_format=console --benchmark_out="$csv.part" --benchmark_out_format=csv
    grep -E '^"' "$csv.part" >> "$2" || true
    rm -f "$csv.part"
}

for program in "$bin_dir"/bench_*; do
    [[ -x "$program" ]] || continue
    echo "== $(basename "$program")"
    run "$program" "$csv"
done
if [[ -x "$bin_dir/long_tests" ]]; then
    echo "== long_tests"
    "$bin_dir/long_tests"
fi
if [[ -n "$before_dir" && -x "$before_dir/bench_scale" ]]; then
    echo "== bench_scale, the library before"
    run "$before_dir/bench_scale" "$before_csv"
fi

echo
echo "Headline figures"
printf '%-50s %14s %6s %16s\n' "benchmark" "time" "unit" "items/s"
awk -F, '{ gsub(/"/, "", $1); rate = ($7 == "") ? "" : sprintf("%.3g", $7);
           printf "%-50s %14.1f %6s %16s\n", $1, $4, $5, rate }' "$csv"

echo
echo "Scale: medians before and now, and the goals"
printf '%-36s %12s %12s %10s  %s\n' "benchmark" "before" "now" "goal" ""
# Fields of Google Benchmark's CSV: name, iterations, real_time, cpu_time, time_unit, ...,
# then the counters by name (the header line says which column).
awk -F'\t' -v before="$before_csv" -v now="$csv" '
    function load(file, table,    line, f, n, name, i, col) {
        while ((getline line < file) > 0) {
            n = split(line, f, ",")
            if (f[1] == "name") { for (i = 1; i <= n; i++) col[f[i]] = i; continue }
            name = f[1]; gsub(/"/, "", name)
            if (name ~ /_median$/) { sub(/\/repeats:[0-9]+_median$/, "", name); table[name] = f[3] " " f[5] }
            if (name ~ /^BM_PeakMemory/) {
                sub(/\/iterations:[0-9]+$/, "", name)
                table[name] = f[col["peak_MB"]] " MB"; limit[name] = f[col["limit_MB"]]
            }
        }
    }
    /^#/ { next }
    { goal[$1] = $2; unit[$1] = $3; order[++rows] = $1 }
    END {
        load(before, then); load(now, current)
        for (name in limit) { goal[name] = sprintf("%.1f", limit[name]); unit[name] = "MB"; order[++rows] = name }
        for (r = 1; r <= rows; r++) {
            name = order[r]
            split(current[name], c, " "); split(then[name], b, " ")
            verdict = (name in current) ? ((c[1] + 0 <= goal[name] + 0) ? "met" : "NOT MET") : "not run"
            printf "%-36s %9.1f %-2s %9.1f %-2s %7s %-2s  %s\n", name, b[1], b[2], c[1], c[2], goal[name], unit[name], verdict
        }
    }' "$root/bench/goals.tsv"
