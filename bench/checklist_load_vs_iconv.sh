#!/usr/bin/env bash
# Loading a 200,000-row window checklist (rows and lookup indexes) against iconv converting the
# same decoded text from code page 949 to UTF-8, in the same run; then the peak memory of the load
# and the lookup rates.
#   bash bench/checklist_load_vs_iconv.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
probe=$build/bench/checklist_load_probe
scx=$build/cli/scx
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$probe" make "$work/windowchecklist.dat" 200000
"$scx" decode "$work/windowchecklist.dat" | iconv -f UTF-8 -t CP949 > "$work/decoded.cp949"
size=$(stat -c %s "$work/windowchecklist.dat")

# Best of five wall-clock times of a command, in seconds.
best_of_five() {
  local best=""
  for _ in 1 2 3 4 5; do
    local t0=$EPOCHREALTIME
    "$@" > /dev/null
    best=$(awk -v t0="$t0" -v t1="$EPOCHREALTIME" -v best="$best" \
      'BEGIN { t = t1 - t0; if (best == "" || t < best) best = t; printf "%.3f", best }')
  done
  echo "$best"
}

load=$(best_of_five "$probe" load "$work/windowchecklist.dat")
ref=$(best_of_five iconv -f CP949 -t UTF-8 "$work/decoded.cp949")
rss_kb=$("$probe" load "$work/windowchecklist.dat" | awk '/peak_rss_kb/ {print $2}')

awk -v size="$size" -v load="$load" -v ref="$ref" -v rss="$rss_kb" 'BEGIN {
  printf "file: 200000 rows, %.1f MB\n", size / 1e6
  printf "load + indexes (scx):        %s s\n", load
  printf "iconv CP949 -> UTF-8 (ref):  %s s\n", ref
  printf "ratio:                       %.2f (target <= 2.0)\n", load / ref
  printf "peak memory of the load:     %.1f MB = %.2f x the file (target <= 5)\n", rss * 1024 / 1e6, rss * 1024 / size
}'
echo "lookups (one core):"
"$build/bench/bench_checklist_lookup" --benchmark_min_time=0.5 2>/dev/null | grep -E '^BM_'
