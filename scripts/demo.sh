#!/usr/bin/env bash
# The main job: builds scx and shows a record file's life: a Korean text stored as a scrambled
# code page 949 record file, and read back.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset release > /dev/null
cmake --build build/release -j "$(nproc)" --target scx
scx=build/release/cli/scx

out=build/demo
rm -rf "$out"
mkdir -p "$out"
printf '#HEADER_START\r\n1\t%s\r\n#HEADER_END\r\n#SWLIST_START\r\n1\t한글 워드프로세서\t2024\t상용\r\n2\t사진 편집기\t3.1\t프리\r\n#SWLIST_END\r\n' \
  "$(date +%Y%m%d)" > "$out/sample.txt"

"$scx" encode "$out/sample.txt" "$out/sample.ipt"
echo "stored $out/sample.ipt ($(stat -c %s "$out/sample.ipt") bytes, scrambled):"
od -A d -t x1 "$out/sample.ipt" | head -3
echo "read back with scx decode:"
"$scx" decode "$out/sample.ipt" | tr -d '\r'
"$scx" decode "$out/sample.ipt" | cmp - "$out/sample.txt" && echo "round trip: identical"

echo "== three sample PCs aggregated into a total list, then a result made from it"
home="$out/home"
mkdir -p "$home/CheckOut/IPT"
"$scx" db build data/sampledb "$home" > /dev/null
for pc in pc1 pc2 pc3; do "$scx" encode "data/samplepcs/$pc.txt" "$home/CheckOut/IPT/$pc.ipt"; done
"$scx" --home "$home" aggregate --no -o "$out/sample.tls" pc1.ipt pc2.ipt pc3.ipt
"$scx" --home "$home" result -o "$out/sample.rst" "$out/sample.tls"
"$scx" dump "$out/sample.rst"

echo "== usage reports and spreadsheet exports of the sample result"
reports="$out/reports"
mkdir -p "$reports"
"$scx" --home "$home" report "$out/sample.rst" -o "$reports" > /dev/null
"$scx" --home "$home" report "$out/sample.rst" --pc -o "$reports" > /dev/null
"$scx" export "$out/sample.rst" --per-sw -o "$reports" > /dev/null 2>&1
"$scx" export "$out/sample.rst" --per-pc -o "$reports" > /dev/null 2>&1
echo "written (HTML and .xls in code page 949; open them in a browser and a spreadsheet program):"
ls -1 "$reports" | sed "s|^|  $reports/|"
