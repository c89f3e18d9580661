#!/usr/bin/env bash
# The reports and exports as their users see them: the usage reports of the sample result and of
# a result with hostile values are opened in a real browser (headless Chromium: screenshot and the
# parsed page), the exports in a real spreadsheet program (headless LibreOffice Calc, converted to
# CSV and compared cell by cell with the result's rows).
#
#   bash tests/cli/reports_as_seen.sh SCX DATA_DIR [OUT_DIR] [--install]
#
# Needs the Debian packages chromium, libreoffice-calc-nogui and fonts-nanum; --install installs
# them (as root or through sudo). Without them the check is skipped (exit 77). Screenshots and
# CSV files stay in OUT_DIR (default: a temporary folder, printed).
set -euo pipefail
scx=$(realpath "$1")
data=$(realpath "$2")
out=${3:-$(mktemp -d)}
[ "${3:-}" = "--install" ] && out=$(mktemp -d)
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
out=$(realpath "$out")

if [[ " $* " == *" --install "* ]]; then
  sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends chromium libreoffice-calc-nogui fonts-nanum > /dev/null
fi
if ! command -v chromium > /dev/null || ! command -v soffice > /dev/null; then
  echo "skipped: needs chromium and soffice (run with --install, or apt-get install chromium libreoffice-calc-nogui fonts-nanum)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home="$work/home"
mkdir -p "$home/CheckOut/IPT"
"$scx" db build "$data/sampledb" "$home" > /dev/null
for pc in pc1 pc2 pc3; do "$scx" encode "$data/samplepcs/$pc.txt" "$home/CheckOut/IPT/$pc.ipt"; done
"$scx" --home "$home" aggregate --no -o "$work/sample.tls" pc1.ipt pc2.ipt pc3.ipt > /dev/null 2>&1
"$scx" --home "$home" result -o "$work/sample.rst" "$work/sample.tls" > /dev/null

# Values an inspected PC could carry: a version string with a script, a user with markup.
hostile='1.0<script>document.title="pwned"</script>&<b>bold</b>'
{
  printf '#HEADER_START\r\n2\r\n#HEADER_END\r\n#BASEINFO_START\r\n#BASEINFO_END\r\n'
  printf '#USERINFO_START\r\n0\t<i>영업부</i>\tPC-1\tA&B<img src=x onerror=alert(1)>\t-\t-\t0\t10.0.0.1\r\n#USERINFO_END\r\n'
  printf '#SWLIST_START\r\n0\t1\t0\tAcme & Sons\t%s\t1000\t1\t<u>OS</u>\t0\t-\t-\t-\t0\r\n#SWLIST_END\r\n' "$hostile"
  printf '#PCHISTORY_START\r\n0\t0\ta<b>.exe\tC:\\\\<x>\\\\\t-\t<serial>&\t-\r\n#PCHISTORY_END\r\n'
} > "$work/hostile.txt"
"$scx" encode "$work/hostile.txt" "$work/hostile.rst"

browse() {  # page.html name: screenshot and the page as the browser parsed it
  local url
  url=$(python3 -c 'import pathlib,sys; print(pathlib.Path(sys.argv[1]).resolve().as_uri())' "$1")
  local flags=(--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking
               --disable-component-update --disable-sync --hide-scrollbars --window-size=1000,760)
  timeout 120 chromium "${flags[@]}" --user-data-dir="$(mktemp -d -p "$work")" --screenshot="$out/$2.png" "$url" > /dev/null 2>&1
  timeout 120 chromium "${flags[@]}" --user-data-dir="$(mktemp -d -p "$work")" --dump-dom "$url" 2> /dev/null > "$out/$2.dom.html"
  [ -s "$out/$2.png" ] || { echo "no screenshot of $1"; exit 1; }
}
want_dom() { grep -qF -- "$2" "$out/$1.dom.html" || { echo "$1: the browser's page lacks: $2"; exit 1; }; }
refuse_dom() { ! grep -qF -- "$2" "$out/$1.dom.html" || { echo "$1: the browser's page has: $2"; exit 1; }; }

failed=0
for doc in sample hostile; do
  sw=$("$scx" --home "$home" report "$work/$doc.rst" --columns 0,1,2,3,4,5,6,7,8 -o "$work/$doc")
  pc=$("$scx" --home "$home" report "$work/$doc.rst" --pc --columns 0,1,2,3,4,5,6 -o "$work/$doc")
  browse "$sw" "$doc-sw-report"
  browse "$pc" "$doc-pc-report"
  # The browser decoded the code page 949 page (its title is Hangul) and found the tables.
  want_dom "$doc-sw-report" "<title>SW별 사용현황 - Scrutinex8.0</title>"
  want_dom "$doc-pc-report" "<title>PC별 사용현황 - Scrutinex8.0</title>"
  want_dom "$doc-sw-report" "영리 및 민/형사상 증거자료로 활용할 수 없습니다."

  "$scx" dump "$work/$doc.rst" > "$work/$doc.dump"
  for kind in sw pc; do
    xls=$("$scx" export "$work/$doc.rst" "--per-$kind" -o "$work/$doc-xls" 2> /dev/null)
    cp "$xls" "$work/$doc-$kind.xls"
    timeout 180 soffice --headless "-env:UserInstallation=file://$work/lo" --infilter="HTML (StarCalc)" \
      --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir "$out" "$work/$doc-$kind.xls" > /dev/null 2>&1
    python3 "$here/export_cells.py" "$work/$doc.dump" "$kind" "$out/$doc-$kind.csv" || failed=1
  done
done

# Hostile values reach the page as text, never as elements.
for page in hostile-sw-report hostile-pc-report; do
  refuse_dom "$page" "<script>document.title"
  refuse_dom "$page" "pwned</title>"
done
want_dom hostile-sw-report '1.0&lt;script&gt;document.title="pwned"&lt;/script&gt;&amp;&lt;b&gt;bold&lt;/b&gt;'
refuse_dom hostile-pc-report "<img"
want_dom hostile-pc-report "A&amp;B&lt;img src=x onerror=alert(1)&gt;"

[ $failed -eq 0 ] || exit 1
echo "reports and exports as seen: screenshots and CSV files in $out"
