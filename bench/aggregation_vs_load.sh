#!/usr/bin/env bash
# The aggregation run and adding inspection results to a result, against only loading the same
# files, each job in a fresh process on the same generated data:
#   aggregate(1,000 files) / load(1,000)    and  aggregate(10,000) / aggregate(1,000)
#   add(1,000) / load(1,000)                and  add(10,000) / add(1,000)
# (200 programs per file; the 10,000-file jobs take each of the 1,000 files ten times).
# usage: bench/aggregation_vs_load.sh [BUILD_DIR=build/release] [FILES=1000] [ROWS=200]
set -euo pipefail
build=${1:-build/release}
files=${2:-1000}
rows=${3:-200}
probe="$build/bench/aggregation_vs_load"
export SCX_HOME=$(mktemp -d)
trap 'rm -rf "$SCX_HOME"' EXIT

"$probe" generate "$files" "$rows"
"$probe" load "$files" 1 > /dev/null   # the files into the page cache
best() {  # the best of three runs of one job
  for _ in 1 2 3; do "$probe" "$@"; done | sort -n | head -1
}
load=$(best load "$files" 1)
aggregate=$(best aggregate "$files" 1)
aggregate10=$("$probe" aggregate "$files" 10)
add=$(best add "$files" 1)
add10=$("$probe" add "$files" 10)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "$files files x $rows programs (best of 3; x10 runs once)"
echo "load only      $load s"
echo "aggregate      $aggregate s   $(ratio "$aggregate" "$load") x load   (limit 1.5)"
echo "aggregate x10  $aggregate10 s   $(ratio "$aggregate10" "$aggregate") x aggregate   (limit 11)"
echo "add            $add s   $(ratio "$add" "$load") x load   (limit 1.5)"
echo "add x10        $add10 s   $(ratio "$add10" "$add") x add   (limit 11)"
