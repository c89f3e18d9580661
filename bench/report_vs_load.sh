#!/usr/bin/env bash
# Both usage reports of a large result against only loading that result, each job in a fresh
# process on the same generated file (best of three): reports / load, limit 2. The per-software
# export of every software is timed beside them.
# usage: bench/report_vs_load.sh [BUILD_DIR=build/release] [PCS=10000] [PROGRAMS=3000] [RECORDS=1000000]
set -euo pipefail
build=${1:-build/release}
pcs=${2:-10000}
programs=${3:-3000}
records=${4:-1000000}
probe="$build/bench/report_vs_load"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rst="$work/big.rst"

"$probe" generate "$rst" "$pcs" "$programs" "$records"
"$probe" load "$rst" > /dev/null   # the file into the page cache
best() {  # the best of three runs of one job
  for _ in 1 2 3; do "$probe" "$@"; done | sort -n | head -1
}
load=$(best load "$rst")
reports=$(best reports "$rst")
export=$(best export "$rst")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "$pcs PCs, $programs programs, $records install records; result file $(du -h "$rst" | cut -f1) (best of 3)"
echo "load only        $load s"
echo "both reports     $reports s   $(ratio "$reports" "$load") x load   (limit 2)   pages: $(du -ch "$rst.out"/*.html | tail -1 | cut -f1)"
echo "export per SW    $export s   $(ratio "$export" "$load") x load"
