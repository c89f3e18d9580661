#!/usr/bin/env bash
# scx version-info on program files written by scx-make-pe: the exact output lines (translated
# table first, then the US-English 1252 table, "-" for missing or empty texts, line breaks made
# spaces), exit 0 for files without version information, and, where exiftool is installed, that an
# independent reader finds in the written files the texts that were put there.
set -euo pipefail
scx=$1
make_pe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$make_pe" acme32.exe "CompanyName=Acme Corp." 'ProductName=Acme\r\nOffice' ProductVersion= \
  OriginalFilename=acme.exe
"$make_pe" hangul64.exe --pe32plus "CompanyName=한글과컴퓨터" "ProductName=한글 2024" \
  ProductVersion=13.0.0.1 OriginalFilename=Hwp.exe
"$make_pe" fallback.exe --translation 04120000 --table 040904E4 "CompanyName=Fallback Co" \
  ProductName=Fallback ProductVersion=2.0 OriginalFilename=fb.exe
"$make_pe" two-tables.exe --pe32plus --translation 041204b0 --table 040904b0 CompanyName=English \
  ProductName=E --table 041204B0 CompanyName=Korean ProductName=K 'ProductVersion=1\t2'
"$make_pe" none.exe --no-version

printf '%s\t%s\t%s\t%s\t%s\n' \
  acme32.exe "Acme Corp." "Acme Office" - acme.exe \
  hangul64.exe "한글과컴퓨터" "한글 2024" 13.0.0.1 Hwp.exe \
  fallback.exe "Fallback Co" Fallback 2.0 fb.exe \
  two-tables.exe Korean K "1 2" - \
  none.exe - - - - \
  missing.exe - - - - > want.txt
"$scx" version-info acme32.exe hangul64.exe fallback.exe two-tables.exe none.exe missing.exe \
  > got.txt 2> err.txt
diff want.txt got.txt
grep -q "missing.exe" err.txt || { echo "no message for the missing file"; exit 1; }

set +e
"$scx" version-info > /dev/null 2>&1; [ $? -eq 2 ] || { echo "no argument: want 2"; exit 1; }
set -e
"$scx" version-info --help | grep -q "usage: scx version-info" || { echo "help"; exit 1; }

if ! command -v exiftool > /dev/null; then
  echo "exiftool not installed: independent read skipped"
  exit 0
fi
# exiftool reads the first string table of a file.
exiftool -j -CompanyName -ProductName -ProductVersion -OriginalFileName \
  acme32.exe hangul64.exe fallback.exe two-tables.exe > exif.json
python3 - exif.json <<'PY'
# Number-like texts ("2.40") come unquoted; parsing them as text keeps them as written.
import json, sys
want = {
    "acme32.exe": {"CompanyName": "Acme Corp.", "ProductName": "Acme\r\nOffice", "ProductVersion": "",
                   "OriginalFileName": "acme.exe"},
    "hangul64.exe": {"CompanyName": "한글과컴퓨터", "ProductName": "한글 2024",
                     "ProductVersion": "13.0.0.1", "OriginalFileName": "Hwp.exe"},
    "fallback.exe": {"CompanyName": "Fallback Co", "ProductName": "Fallback", "ProductVersion": "2.0",
                     "OriginalFileName": "fb.exe"},
    "two-tables.exe": {"CompanyName": "English", "ProductName": "E"},
}
bad = 0
for entry in json.load(open(sys.argv[1], encoding="utf-8"), parse_float=str, parse_int=str):
    name = entry.pop("SourceFile")
    got = {k: str(v) for k, v in entry.items()}
    if got != want[name]:
        print(f"exiftool reads {name} as {got}, written {want[name]}")
        bad += 1
sys.exit(1 if bad else 0)
PY
echo "version-info: scx and exiftool read what was written"
