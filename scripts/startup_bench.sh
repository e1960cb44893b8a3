#!/usr/bin/env bash
# Start-up to page 1: the demo (--first-page) against a bare toolkit dialog of the same size, on the
# same platform plugin (QT_QPA_PLATFORM; offscreen when unset). Each whole process is run RUNS times
# (default 9, after one warm-up), in turn; prints the median peak memory and CPU time of each and
# the medians of the pairwise ratios. Uses a Release build in build-release/.
#
#   bash scripts/startup_bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
bash scripts/deps.sh $(cat scripts/packages.txt) time
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCORVALE_BENCHMARKS=ON >/dev/null
cmake --build build-release -j "$(nproc)" --target corvale-manager-demo bare-dialog >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The demo keeps its settings file under HOME: a scratch one leaves the user's alone.
export HOME=$scratch

# One run: "peak_KiB cpu_seconds".
measure() {
  /usr/bin/time -f '%M %U %S' -o "$scratch/time" "$@" >/dev/null 2>&1
  awk '{ printf "%d %.3f\n", $1, $2 + $3 }' "$scratch/time"
}

program=(build-release/corvale-manager-demo --first-page)
bare=(build-release/bare-dialog)
measure "${program[@]}" >/dev/null
measure "${bare[@]}" >/dev/null
for ((i = 0; i < runs; i++)); do
  a=$(measure "${program[@]}")
  b=$(measure "${bare[@]}")
  echo "$a $b"
done >"$scratch/runs"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_median() { awk -v c="$1" '{ print $c }' "$scratch/runs" | median; }
ratio_median() { awk -v a="$1" -v b="$2" '{ printf "%.3f\n", $a / $b }' "$scratch/runs" | median; }

echo "platform $QT_QPA_PLATFORM, $runs runs each, medians"
printf '%-12s %14s %14s %8s\n' "" "program" "bare dialog" "ratio"
printf '%-12s %10.1f MiB %10.1f MiB %8.2f\n' "peak memory" \
  "$(column_median 1 | awk '{ print $1 / 1024 }')" "$(column_median 3 | awk '{ print $1 / 1024 }')" "$(ratio_median 1 3)"
printf '%-12s %12.2f s %12.2f s %8.2f\n' "CPU time" "$(column_median 2)" "$(column_median 4)" "$(ratio_median 2 4)"
