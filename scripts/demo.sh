#!/usr/bin/env bash
# The main job: one inspection as an examiner runs it, without a display. Three sample PCs are
# inspected with scx scan, their results aggregated into a total list (취합), a result made from
# it (결과작성), licence counts entered for two programs (정품수량), and the usage reports and a
# spreadsheet export written. Everything goes into one data folder, build/demo/home; a second run
# starts afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset release > /dev/null
cmake --build build/release -j "$(nproc)" --target scx scx-make-target scxagent scxhub
scx=build/release/cli/scx
make_target=build/release/tests/support/scx-make-target

started=$(date +%s%N)
out=$PWD/build/demo
home=$out/home          # the data folder: database files, ScxSetting.ini, CheckOut/
pcs=$out/pcs            # the three PCs, laid out as Wine prefixes
rm -rf "$out"
mkdir -p "$pcs"
export SCX_HOME=$home
export XDG_CONFIG_HOME=$out/config   # the agent's registry values of the inspections go here
quietly() { "$@" > "$out/last.log" 2>&1 || { cat "$out/last.log"; exit 1; }; }

echo "== the sample checklist database"
"$scx" db build data/sampledb | sed 's/^/  /'

echo "== three PCs laid out"
# PC 1, brand PC: the parts of Acme Office 2019 (folded into one package), a serial number, a font.
quietly "$make_target" "$pcs/sales-01" --windows10 SALES-01 \
  --exe 'C:\Program Files\Acme\Office17\word.exe|Acme Corporation|Acme Word|17.0.10000.2000|WORD.EXE' \
  --exe 'C:\Program Files\Acme\Office17\sheet.exe|Acme Corporation|Acme Sheet|17.0.10000.2000|SHEET.EXE' \
  --exe 'C:\Program Files\Acme\Office17\slides.exe|Acme Corporation|Acme Slides|17.0.10000.2000|SLIDES.EXE' \
  --exe 'C:\Program Files\Zipster\zipster.exe|Bluefin Labs|Zipster|6.1.0|Zipster.exe' \
  --string 'HKEY_LOCAL_MACHINE\SOFTWARE\Acme\Office\17.0\Registration|ProductID|ACME-17-0042' \
  --font HanbitGothic.ttf
# PC 2, assembled PC: a suite without editions, a conditional program, registered application paths.
quietly "$make_target" "$pcs/design-02" --windows10 DESIGN-02 \
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
# PC 3, brand PC: in-house programs of the user checklist, one found only by its content (SHA-1).
quietly "$make_target" "$pcs/acct-03" --windows10 ACCT-03 \
  --file 'C:\Apps\logiclient.exe=MZ logistics' \
  --file 'C:\Apps\Studio\studio-renamed.exe=scx fixture: pixel forge studio 4
' \
  --exe 'C:\Program Files\Hanbit\hwriter.exe|Hanbit Soft Inc.|Hanbit Writer|10.0.0.1234|HWriter.exe' \
  --string 'HKEY_CURRENT_USER\Software\HanbitSoft\Writer\10.0|SerialNo|HB-10-5521'
ls -1 "$pcs" | sed "s|^|  $pcs/|"

echo "== 점검: each PC inspected with scx scan (GUBUN 0 package, 1 checklist/Windows/font, 2 user checklist/application path)"
scan() {
  local ipt=$1; shift
  "$scx" scan --suffix demo --quiet --yes "$@" > /dev/null 2> "$out/scan.log" || { cat "$out/scan.log"; exit 1; }
  "$scx" dump "$home/CheckOut/IPT/$ipt" | awk -F'\t' -v f="$home/CheckOut/IPT/$ipt" '
    BEGIN { print "  " f } /^#SWLIST/ { on = 1; next } /^#/ { on = 0 } on && /^GUBUN/ { next }
    on && NF >= 19 { printf "    %s  %s %s\n", $1, $9, ($13 != "-" ? "[" $13 "]" : "") }'
  sed 's/^/    /' "$out/scan.log"   # the edition chosen for a package
}
scan 영업부_Kim_demo.ipt --target "wine:$pcs/sales-01" --group 영업부 --user Kim --font --packaging --edition 1
scan 디자인팀_Lee_demo.ipt --target "wine:$pcs/design-02" --group 디자인팀 --user Lee --pc-kind 1 --packaging
scan 회계부_Park_demo.ipt --target "wine:$pcs/acct-03" --group 회계부 --user Park --hash

echo "== 취합: the three inspection results aggregated into a total list"
tls=$home/CheckOut/TLS/demo.tls
quietly "$scx" aggregate --no -o "$tls" 영업부_Kim_demo.ipt 디자인팀_Lee_demo.ipt 회계부_Park_demo.ipt
echo "  $tls"

echo "== 결과작성: a result made from the software a fresh total-list window marks"
rst=$home/CheckOut/RST/demo.rst
"$scx" result -o "$rst" "$tls" | sed 's/^/  /'

echo "== 정품수량: licences held entered for two programs"
"$scx" licence "$rst" --set 'Acme Office 2019(Standard)=1' --set 'Orion Creative Suite 8=1' > "$out/licences.txt"
sed 's/^/  /' "$out/licences.txt"

echo "== usage reports and a spreadsheet export"
# The report per software with its type column, so it sums every program as the totals above do.
sw_report=$("$scx" report "$rst" --columns 0,1,2,3,4,5,6,8)
pc_report=$("$scx" report "$rst" --pc)
export_file=$("$scx" export "$rst" --per-sw -o "$home/CheckOut/RST" 2> /dev/null)
printf '  %s\n' "$sw_report" "$pc_report" "$export_file"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))

# "합계: PC 3대, SW 8종, 설치 10, 정품 5, 복제 5, 복제율 50.00%" of scx licence
read -r pcs_n sw_n installs licences copies ratio < <(grep '^합계' "$out/licences.txt" | tr -dc '0-9. \n' |
  awk '{ print $1, $2, $3, $4, $5, $6 }')
echo
echo "== summary"
echo "  PCs (PC):                $pcs_n"
echo "  programs (SW):           $sw_n"
echo "  installs (설치수량):     $installs"
echo "  licences (정품수량):     $licences"
echo "  copies (복제수량):       $copies"
echo "  copy ratio (복제율):     $ratio%"
echo "  written:"
for f in "$home"/*.dat "$home"/CheckOut/IPT/*.ipt "$tls" "$rst" "$sw_report" "$pc_report" "$export_file"; do
  echo "    $f"
done
echo "  open the report in a browser:  xdg-open '$sw_report'"
echo "  or look at the files in the workstation:  SCX_HOME='$home' build/release/hub/scxhub"
printf '  took %d.%d s after the build\n' $((elapsed_ms / 1000)) $((elapsed_ms % 1000 / 100))
