#!/usr/bin/env bash
# Builds and runs every test: the debug build with all tests, the sanitizer build (ASan + UBSan)
# of the libraries' tests, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${SCX_FUZZ_SECONDS:-20}

echo "== debug build and all tests"
cmake --preset debug > /dev/null
cmake --build build/debug -j "$jobs"
ctest --test-dir build/debug -j "$jobs" --output-on-failure

echo "== sanitizer build (ASan + UBSan) and the libraries' tests"
cmake --preset asan > /dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan -j "$jobs" --output-on-failure -L 'unit|cli'

echo "== fuzz targets, ${fuzz_seconds}s each"
cmake --preset fuzz > /dev/null
cmake --build build/fuzz -j "$jobs"
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/$name"
  [ -d "$seeds" ] || seeds=""
  "$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=0 "$corpus" $seeds \
    > "build/fuzz/$name.log" 2>&1 || { tail -50 "build/fuzz/$name.log"; echo "fuzz target $name failed"; exit 1; }
  echo "$name: $(grep -c '' "build/fuzz/$name.log") log lines, no crash"
done
echo "all tests passed"
