#!/usr/bin/env bash
# scx licence on the sample result: the listing with copy counts, ratios and totals; entries by
# product name (any letter case) and by row, a count lowered to the install count with its
# message; entries that name nothing or several rows change nothing.
set -euo pipefail
scx=$1
src=$2        # data/ of the repository
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rst=$work/home/CheckOut/RST/r.rst
source "$(dirname "$0")/sample_result.sh"
sample_result "$scx" "$src" "$work" "$rst"
fail() { echo "$1"; exit 1; }
has() { grep -qxF "$1" "$2" || { echo "missing: $1"; cat "$2"; exit 1; }; }

cp "$rst" "$work/before.rst"
"$scx" licence r.rst > "$work/list"
cmp -s "$rst" "$work/before.rst" || fail "a listing changed the result"
has $'ROW\tCOMPANY\tPRODUCT\t설치\t정품\t복제\t복제율(%)' "$work/list"
has $'3\tWindows\tWindows 10 Pro\t3\t2\t1\t33.3' "$work/list"
has $'5\t새봄시스템즈\t새봄 PDF 뷰어\t3\t3\t0\t0' "$work/list"
has '합계: PC 3대, SW 7종, 설치 11, 정품 5, 복제 6, 복제율 54.55%' "$work/list"

"$scx" licence r.rst --set 'acme office 2019(standard)=1' --set 'WINDOWS 10 PRO=9' --set-row 6=0 \
  > "$work/list" 2> "$work/err"
has 'Windows 10 Pro: 설치 수량만큼만 입력됩니다..' "$work/err"
[ "$(wc -l < "$work/err")" -eq 1 ] || fail "messages: $(cat "$work/err")"
has $'0\tAcme Corporation\tAcme Office 2019(Standard)\t1\t1\t0\t0' "$work/list"
has $'3\tWindows\tWindows 10 Pro\t3\t3\t0\t0' "$work/list"
has '합계: PC 3대, SW 7종, 설치 11, 정품 7, 복제 4, 복제율 36.36%' "$work/list"
# Stored: RIGHT_CNT is the last column of #SWLIST.
"$scx" dump "$rst" > "$work/dump"
grep -qP '^\d+\t1\t0\tWindows\tWindows 10 Pro\t0\t3\tOS\t0\t-\t-\t-\t3$' "$work/dump" || fail "RIGHT_CNT not stored"

# Entries that name nothing, several rows or no count: exit 2, nothing stored.
"$scx" decode "$rst" | awk -F'\t' 'BEGIN { OFS = "\t" } { print } /^#SWLIST_START/ { on = 1 }
  on && $5 == "Windows 10 Pro" { $1 = 90; $4 = "Other"; print; on = 0 }' > "$work/twice.txt"
"$scx" encode "$work/twice.txt" "$work/twice.rst"
cp "$rst" "$work/before.rst"
set +e
for bad in "--set Nothing=1" "--set Windows=abc" "--set =1" "--set-row 7=1" "--set-row x=1" "--set Acme"; do
  # shellcheck disable=SC2086
  "$scx" licence r.rst $bad > /dev/null 2>&1; [ $? -eq 2 ] || fail "$bad: want exit 2"
done
"$scx" licence "$work/twice.rst" --set 'Windows 10 Pro=1' > /dev/null 2> "$work/err"
[ $? -eq 2 ] && grep -q 'names several rows' "$work/err" || fail "two rows of one name: $(cat "$work/err")"
"$scx" licence missing.rst > /dev/null 2>&1; [ $? -eq 1 ] || fail "missing result: want 1"
set -e
cmp -s "$rst" "$work/before.rst" || fail "a refused entry changed the result"
echo "licence: ok"
