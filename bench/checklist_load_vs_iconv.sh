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

# Best of five runs of a command: "wall cpu" in seconds (cpu = user + system). On a shared machine
# the processor time is the steadier figure; both are printed.
best_of_five() {
  local best_wall="" best_cpu=""
  for _ in 1 2 3 4 5; do
    local times
    times=$( { TIMEFORMAT='%R %U %S'; time "$@" > /dev/null 2>&1; } 2>&1 )
    read -r best_wall best_cpu < <(awk -v t="$times" -v w="$best_wall" -v c="$best_cpu" 'BEGIN {
      split(t, f, " "); cpu = f[2] + f[3]
      if (w == "" || f[1] < w) w = f[1]
      if (c == "" || cpu < c) c = cpu
      printf "%.3f %.3f\n", w, c }')
  done
  echo "$best_wall $best_cpu"
}

read -r load_wall load_cpu < <(best_of_five "$probe" load "$work/windowchecklist.dat")
read -r ref_wall ref_cpu < <(best_of_five iconv -f CP949 -t UTF-8 "$work/decoded.cp949")
rss_kb=$("$probe" load "$work/windowchecklist.dat" | awk '/peak_rss_kb/ {print $2}')

awk -v size="$size" -v lw="$load_wall" -v lc="$load_cpu" -v rw="$ref_wall" -v rc="$ref_cpu" -v rss="$rss_kb" 'BEGIN {
  printf "file: 200000 rows, %.1f MB\n", size / 1e6
  printf "                              wall      cpu\n"
  printf "load + indexes (whole run)   %6.3f s  %6.3f s\n", lw, lc
  printf "iconv CP949 -> UTF-8 (ref)   %6.3f s  %6.3f s\n", rw, rc
  printf "ratio (target <= 2.0)        %6.2f    %6.2f\n", lw / rw, lc / rc
  printf "peak memory of the load: %.1f MB = %.2f x the file (target <= 5)\n", rss * 1024 / 1e6, rss * 1024 / size
}'
echo "lookups (one core):"
"$build/bench/bench_checklist_lookup" --benchmark_min_time=0.5 2>/dev/null | grep -E '^BM_'
