#!/usr/bin/env bash
# The main job: builds scx, shows a record file's life (a Korean text stored as a scrambled
# code page 949 record file, and read back), then inspects three sample PCs with scx scan,
# and aggregates three stored sample results into a total list and a result.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset release > /dev/null
cmake --build build/release -j "$(nproc)" --target scx scx-make-target
scx=build/release/cli/scx
make_target=build/release/tests/support/scx-make-target

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

echo "== three sample PCs inspected with scx scan"
# A fresh data folder with the sample checklist database, and three PCs as Wine-prefix targets.
scan_home="$out/scan-home"
pcs="$out/pcs"
mkdir -p "$pcs"
export XDG_CONFIG_HOME="$out/config"   # the registry values of the inspections go here
"$scx" db build data/sampledb "$scan_home" > /dev/null
# PC 1, brand PC: the parts of Acme Office 2019 (folded into one package), a serial number, a font.
"$make_target" "$pcs/sales-01" --windows10 SALES-01 \
  --exe 'C:\Program Files\Acme\Office17\word.exe|Acme Corporation|Acme Word|17.0.10000.2000|WORD.EXE' \
  --exe 'C:\Program Files\Acme\Office17\sheet.exe|Acme Corporation|Acme Sheet|17.0.10000.2000|SHEET.EXE' \
  --exe 'C:\Program Files\Acme\Office17\slides.exe|Acme Corporation|Acme Slides|17.0.10000.2000|SLIDES.EXE' \
  --exe 'C:\Program Files\Zipster\zipster.exe|Bluefin Labs|Zipster|6.1.0|Zipster.exe' \
  --string 'HKEY_LOCAL_MACHINE\SOFTWARE\Acme\Office\17.0\Registration|ProductID|ACME-17-0042' \
  --font HanbitGothic.ttf
# PC 2, assembled PC: a suite without editions, a conditional program, registered application paths.
"$make_target" "$pcs/design-02" --windows10 DESIGN-02 \
  --exe 'C:\Program Files\Orion\photocraft.exe|Orion Graphics|PhotoCraft|8.2.1|PhotoCraft.exe' \
  --exe 'C:\Program Files\Orion\vectorcraft.exe|Orion Graphics|VectorCraft|8.0.5|VectorCraft.exe' \
  --exe 'C:\Program Files\Gomdori\gomzip.exe|Gomdori Soft|Gomdori Zip|9, 2, 0, 1|GomZip.exe' \
  --exe 'C:\Tools\Note\opennote.exe|OpenNote Project|OpenNote|2.1|opennote.exe' \
  --exe 'C:\Tools\Viewer\imgview.exe|Pixel Tools|Image Viewer|3.2.0|imgview.exe' \
  --exe 'C:\Program Files\Zipster\zipupd.exe|Bluefin Labs|Zipster Update Agent|6.0.1|ZipUpd.exe' \
  --app-path 'imgview.exe|"%SystemDrive%\Tools\Viewer\imgview.exe"' \
  --string 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Environment|SystemDrive|C:' \
  --app-path 'zipupd.exe|C:\Program Files\Zipster\zipupd.exe' \
  --string 'HKEY_LOCAL_MACHINE\SOFTWARE\Orion\PhotoCraft\8|Serial|ORN8-7781'
# PC 3: in-house programs of the user checklist, one found only by its content (SHA-1).
"$make_target" "$pcs/acct-03" --windows10 ACCT-03 \
  --file 'C:\Apps\logiclient.exe=MZ logistics' \
  --file 'C:\Apps\Studio\studio-renamed.exe=scx fixture: pixel forge studio 4
' \
  --exe 'C:\Program Files\Hanbit\hwriter.exe|Hanbit Soft Inc.|Hanbit Writer|10.0.0.1234|HWriter.exe' \
  --string 'HKEY_CURRENT_USER\Software\HanbitSoft\Writer\10.0|SerialNo|HB-10-5521'

scan() { "$scx" --home "$scan_home" scan --suffix demo --yes "$@"; }
scan --target "wine:$pcs/sales-01" --group 영업부 --user Kim --font --packaging --edition 1
scan --target "wine:$pcs/design-02" --group 디자인팀 --user Lee --pc-kind 1 --packaging
scan --target "wine:$pcs/acct-03" --group 회계부 --user Park --hash
echo "-- summary (GUBUN 0 package, 1 checklist/Windows/font, 2 user checklist/application path)"
for ipt in "$scan_home"/CheckOut/IPT/*.ipt; do
  "$scx" dump "$ipt" | awk -F'\t' -v f="$ipt" '
    BEGIN { print f } /^#SWLIST/ { on = 1; next } on && /^GUBUN/ { next }
    on && NF >= 19 { printf "  %s  %s %s\n", $1, $9, ($13 != "-" ? "[" $13 "]" : "") }'
done

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
