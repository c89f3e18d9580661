#!/usr/bin/env bash
# The sample PCs through scx aggregate, scx result and scx dump: install counts, install records
# and package rows as the counting rules give them; then scx add-ipt and scx merge, with the
# questions answered by --yes / --no.
set -euo pipefail
scx=$1
src=$2        # data/ of the repository
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SCX_HOME="$work/home"
mkdir -p "$SCX_HOME/CheckOut/IPT" "$work/in"

"$scx" db build "$src/sampledb" "$SCX_HOME" > /dev/null
for pc in pc1 pc2 pc3; do "$scx" encode "$src/samplepcs/$pc.txt" "$SCX_HOME/CheckOut/IPT/$pc.ipt"; done

"$scx" aggregate -o "$work/all.tls" pc1.ipt pc2.ipt "$SCX_HOME/CheckOut/IPT/pc3.ipt" 2> "$work/progress.txt" > /dev/null
grep -qx '3/3 (100.00%) .*pc3.ipt' "$work/progress.txt" || { echo "progress"; cat "$work/progress.txt"; exit 1; }
"$scx" dump "$work/all.tls" > "$work/tls.dump"
want() { grep -qxF -- "$1" "$2" || { echo "missing in $2: $1"; cat "$2"; exit 1; }; }
# Sorted by GUBUN, then company: packages (0) first, each counted once.
want $'0\t0\t9001\tAcme Corporation\tAcme Office 2019(Standard)\t420000\t1\t-\t0\t-\t-\t-' "$work/tls.dump"
want $'4\t0\t9001\tAcme Corporation\tAcme Office 2019(Professional)\t520000\t1\t-\t0\t-\t-\t-' "$work/tls.dump"
want $'5\t0\t9002\tHanbit Soft Inc.\tHanbit Office 2020\t390000\t1\t-\t0\t-\t-\t-' "$work/tls.dump"
! grep -qF $'Windows\tWindows 10 Pro\t10.0.19045' "$work/tls.dump" || { echo "OS row in #KEYLIST"; exit 1; }
want $'Tiny Tools\tTiny Clock\t1.0\tclock.exe\tclock.exe' "$work/tls.dump"
# pc1's package record joins its parts' values, last part first.
want $'0\t0\tslides.exe;sheet.exe;word.exe;\tC:\\Program Files\\Acme\\Office17\\;C:\\Program Files\\Acme\\Office17\\;C:\\Program Files\\Acme\\Office17\\;\t2026-12-01;2026-12-01;2026-12-01;\t-;-;AW19-1111;\t2025-03-02;2025-03-02;2025-03-02;' "$work/tls.dump"

"$scx" result -o "$work/r.rst" "$work/all.tls" > "$work/result.txt"
"$scx" dump "$work/r.rst" > "$work/rst.dump"
# Free viewer: licences = installs; OS: the two brand PCs; the GUBUN 2 program is not marked.
grep -P '^\d+\t1\t1071\t새봄시스템즈\t새봄 PDF 뷰어\t0\t3\t-\t2\t-\t-\t-\t3$' "$work/rst.dump" > /dev/null || { echo "viewer"; exit 1; }
grep -P '^\d+\t1\t0\tWindows\tWindows 10 Pro\t0\t3\tOS\t0\t-\t-\t-\t2$' "$work/rst.dump" > /dev/null || { echo "OS"; exit 1; }
grep -P '^\d+\t1\t1002\t애크미\t애크미 워드 2019\t280000\t1\t-\t0\t-\t-\t-\t0$' "$work/rst.dump" > /dev/null || { echo "word"; exit 1; }
! grep -q 'Tiny Clock' "$work/rst.dump" || { echo "GUBUN 2 row copied"; exit 1; }
want $'-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t3\t-\t-\t-\t-' "$work/rst.dump"
"$scx" result -o "$work/all.rst" "$work/all.tls" --mark all > /dev/null
grep -q 'Tiny Clock' <("$scx" dump "$work/all.rst") || { echo "--mark all"; exit 1; }

# Adding pc1 again: a file of that name is in CheckOut/IPT, so it is skipped; a new file moves in.
cp "$SCX_HOME/CheckOut/IPT/pc1.ipt" "$work/in/pc1.ipt"
cp "$SCX_HOME/CheckOut/IPT/pc3.ipt" "$work/in/pc4.ipt"
"$scx" add-ipt "$work/r.rst" "$work/in/pc1.ipt" "$work/in/pc4.ipt" > "$work/add.txt" 2> "$work/add.err"
grep -q 'pc1.ipt: skipped' "$work/add.err" || { echo "skip"; exit 1; }
[ -e "$work/in/pc1.ipt" ] && [ ! -e "$work/in/pc4.ipt" ] && [ -e "$SCX_HOME/CheckOut/IPT/pc4.ipt" ] || { echo "move"; exit 1; }
"$scx" dump "$work/r.rst" > "$work/rst2.dump"
grep -P '^\d+\t1\t1071\t새봄시스템즈\t새봄 PDF 뷰어\t0\t4\t-\t2\t-\t-\t-\t3$' "$work/rst2.dump" > /dev/null || { echo "add counts"; exit 1; }
want $'-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t4\t-\t-\t-\t-' "$work/rst2.dump"

# A file that cannot be added: --yes stops (exit 1), --no goes on.
printf 'not a record file' > "$work/in/junk.ipt"
cp "$SCX_HOME/CheckOut/IPT/pc2.ipt" "$work/in/pc5.ipt"
set +e
"$scx" add-ipt "$work/r.rst" --yes "$work/in/junk.ipt" "$work/in/pc5.ipt" > /dev/null 2> "$work/err.txt"; rc=$?
set -e
[ $rc -eq 1 ] || { echo "--yes: want 1, got $rc"; exit 1; }
grep -qF 'junk.ipt 파일을 취합할 수 없습니다. 중지하시겠습니까?' "$work/err.txt" || { echo "question"; exit 1; }

# Merging the result into a copy of the total-list result: PCs add up, counts are summed.
cp "$work/r.rst" "$work/copy.rst"
"$scx" merge "$work/copy.rst" --no "$work/all.rst" "$work/missing.rst" > "$work/merge.txt" 2> "$work/merge.err"
grep -qF 'missing.rst 파일을 병합할 수 없습니다. 중지하시겠습니까?' "$work/merge.err" || { echo "merge question"; exit 1; }
"$scx" dump "$work/copy.rst" > "$work/merged.dump"
grep -P '^\d+\t1\t1071\t새봄시스템즈\t새봄 PDF 뷰어\t0\t7\t-\t2\t-\t-\t-\t6$' "$work/merged.dump" > /dev/null || { echo "merge counts"; exit 1; }
want $'-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t7\t-\t-\t-\t-' "$work/merged.dump"

# Usage errors and failures.
set +e
"$scx" aggregate pc1.ipt > /dev/null 2>&1; [ $? -eq 2 ] || { echo "aggregate without -o: want 2"; exit 1; }
"$scx" merge "$work/r.rst" --yes --no x.rst > /dev/null 2>&1; [ $? -eq 2 ] || { echo "--yes --no: want 2"; exit 1; }
"$scx" result -o "$work/x.rst" "$work/all.tls" --mark 99 > /dev/null 2>&1; [ $? -eq 2 ] || { echo "bad row: want 2"; exit 1; }
"$scx" result -o "$work/x.rst" "$work/missing.tls" > /dev/null 2>&1; [ $? -eq 1 ] || { echo "missing tls: want 1"; exit 1; }
rm "$SCX_HOME/package.dat"
"$scx" aggregate --yes -o "$work/x.tls" pc2.ipt > /dev/null 2> "$work/err.txt"; [ $? -eq 1 ] || { echo "no package stop: want 1"; exit 1; }
grep -qF '패키지 파일이 없습니다.' "$work/err.txt" || { echo "package question"; exit 1; }
set -e
"$scx" aggregate --no -o "$work/x.tls" pc2.ipt > /dev/null 2>&1
[ "$("$scx" dump "$work/x.tls" | grep -c $'\t1\t-\t0\t-\t-\t-$')" -ge 7 ] || { echo "unfolded parts"; exit 1; }
echo "aggregate, result, add-ipt, merge: ok"
