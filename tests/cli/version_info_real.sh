#!/usr/bin/env bash
# scx version-info against exiftool on real Windows program files that a Debian package installs
# (wine64's PE32+ libraries and programs, and the PE32 zlib library beside them): a spread sample of
# them must read alike.
#
# Files whose version resource exists in several languages are left out of the comparison: this
# system takes the US-English resource where exiftool takes the first language present.
set -euo pipefail
scx=$1
shift
wine=/usr/lib/x86_64-linux-gnu/wine
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=("$wine/x86_64-windows" "$wine/i386-windows")
sample=${SCX_SAMPLE:-60}
if ! command -v exiftool > /dev/null || [ ! -d "${folders[0]}" ]; then
  echo "needs exiftool and ${folders[0]} (scripts/install-deps.sh installs both)"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find "${folders[@]}" -maxdepth 1 -type f \( -name '*.dll' -o -name '*.exe' \) | sort > "$work/all.txt"
total=$(grep -c '' "$work/all.txt")
# Every k-th file from the first on: the first is the PE32 library (i386 sorts before x86_64).
awk -v n="$total" -v k="$sample" '(NR - 1) % int((n + k - 1) / k) == 0' "$work/all.txt" > "$work/files.txt"
mapfile -t files < "$work/files.txt"

"$scx" version-info "${files[@]}" > "$work/scx.tsv"
exiftool -j -LanguageCode -CompanyName -ProductName -ProductVersion -OriginalFileName "${files[@]}" \
  > "$work/exif.json" 2> /dev/null
python3 - "$work/scx.tsv" "$work/exif.json" <<'PY'
# Number-like texts ("2.40") come unquoted; parsing them as text keeps them as written.
import json, sys
keys = ["CompanyName", "ProductName", "ProductVersion", "OriginalFileName"]
def flat(v):
    v = str(v).replace("\r\n", " ").replace("\t", " ").replace("\n", " ")
    return v if v else "-"
ours = {}
for line in open(sys.argv[1], encoding="utf-8"):
    fields = line.rstrip("\n").split("\t")
    ours[fields[0]] = fields[1:]
compared = with_version = other_language = bad = 0
for entry in json.load(open(sys.argv[2], encoding="utf-8"), parse_float=str, parse_int=str):
    path = entry["SourceFile"]
    theirs = [flat(entry.get(k, "")) for k in keys]
    language = entry.get("LanguageCode")
    if language not in (None, "English (U.S.)", "Neutral"):
        other_language += 1
        continue
    compared += 1
    with_version += theirs != ["-"] * 4
    if ours.get(path) != theirs:
        print(f"{path}: scx {ours.get(path)}, exiftool {theirs}")
        bad += 1
print(f"{compared} files compared ({with_version} with version texts), {other_language} in other "
      f"languages left out, {bad} differ")
sys.exit(1 if bad or with_version < 10 else 0)
PY
