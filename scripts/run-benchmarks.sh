#!/usr/bin/env bash
# Runs every benchmark program in $1 and ends with one table of the headline figures. With a
# second folder holding bench_scale built against an earlier library, runs that too and
# ends with a table of the scale figures, then and now, beside their goals (bench/goals.tsv).
set -euo pipefail
bin_dir=$1 before_dir=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir "$out/before"

run() { # program, folder for its CSV report
    "$1" --benchmark_format=console --benchmark_out="$2/$(basename "$1").csv" --benchmark_out_format=csv
}

for program in "$bin_dir"/bench_*; do
    [[ -x "$program" ]] || continue
    echo "== $(basename "$program")"
    run "$program" "$out"
done
if [[ -x "$bin_dir/long_tests" ]]; then
    echo "== long_tests"
    "$bin_dir/long_tests"
fi
if [[ -n "$before_dir" && -x "$before_dir/bench_scale" ]]; then
    echo "== bench_scale, the library before"
    run "$before_dir/bench_scale" "$out/before"
fi

echo
echo "Headline figures"
printf '%-50s %14s %6s %16s\n' "benchmark" "time" "unit" "items/s"
cat "$out"/*.csv | grep -E '^"' | awk -F, '{ gsub(/"/, "", $1); rate = ($7 == "") ? "" : sprintf("%.3g", $7);
           printf "%-50s %14.1f %6s %16s\n", $1, $4, $5, rate }'

[[ -f "$out/bench_scale.csv" ]] || exit 0
echo
echo "Scale: medians before and now, and the goals"
printf '%-36s %12s %12s %10s\n' "benchmark" "before" "now" "goal"
touch "$out/before/bench_scale.csv"
# Google Benchmark's CSV: a header line naming the columns (name, iterations, real_time,
# cpu_time, time_unit, ..., then the counters), then one line per run.
awk -F'\t' -v before="$out/before/bench_scale.csv" -v now="$out/bench_scale.csv" '
    function load(file, table,    line, f, n, name, i, col) {
        while ((getline line < file) > 0) {
            n = split(line, f, ",")
            if (f[1] == "name") { for (i = 1; i <= n; i++) { gsub(/"/, "", f[i]); col[f[i]] = i }; continue }
            name = f[1]; gsub(/"/, "", name)
            if (name ~ /_median$/) { sub(/\/repeats:[0-9]+_median$/, "", name); table[name] = f[3] " " f[5] }
            if (name ~ /^BM_PeakMemory/) {
                sub(/\/iterations:[0-9]+$/, "", name)
                table[name] = f[col["peak_MB"]] " MB"; limit[name] = f[col["limit_MB"]]
            }
        }
        close(file)
    }
    /^#/ { next }
    { goal[$1] = $2; unit[$1] = $3; order[++rows] = $1; listed[$1] = 1 }
    END {
        load(before, then); load(now, current)
        # The figures without a goal of their own follow those with one.
        n = 0
        for (name in current) if (!(name in listed)) extra[++n] = name
        for (i = 2; i <= n; i++) for (j = i; j > 1 && extra[j - 1] > extra[j]; j--) {
            t = extra[j]; extra[j] = extra[j - 1]; extra[j - 1] = t
        }
        for (i = 1; i <= n; i++) order[++rows] = extra[i]
        for (r = 1; r <= rows; r++) {
            name = order[r]
            ran = (name in current)  # asked before the look-ups below make the entries
            split(current[name], c, " "); split(then[name], b, " ")
            g = goal[name]; u = unit[name]
            if (g == "limit") g = sprintf("%.1f", limit[name])
            verdict = !ran ? "not run" : (g == "") ? "" : (c[1] + 0 <= g + 0) ? "met" : "NOT MET"
            printf "%-36s %9.1f %-2s %9.1f %-2s %7s %-2s  %s\n", name, b[1], b[2], c[1], c[2], g, u, verdict
        }
    }' "$root/bench/goals.tsv"
