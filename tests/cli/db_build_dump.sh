#!/usr/bin/env bash
# scx db build of the shipped sample database, then scx dump of every file it wrote: each source
# row comes back. Then dump's kinds, skipped lines and error statuses.
set -euo pipefail
scx=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$scx" db build "$src" "$work/db" > "$work/build.txt"
for name in windowchecklist fontchecklist userchecklist package filter; do
  "$scx" dump "$work/db/$name.dat" > "$work/$name.dump"
  # Every data line of the source (not a comment, section or column line) is a row of the dump.
  rows=0
  while IFS= read -r line; do
    case "$line" in ''|'# '*|'#'[A-Z]*) continue ;; esac
    grep -qxF -- "$line" "$work/$name.dump" || { echo "$name: row missing from dump: $line"; exit 1; }
    rows=$((rows + 1))
  done < "$src/$name.tsv"
  [ "$rows" -gt 2 ] || { echo "$name: too few rows checked"; exit 1; }
done
grep -qxF "$work/db/windowchecklist.dat: 22 rows" "$work/build.txt"
grep -qx $'DB_ID\tCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\tEXE_FILE\tDISP_COMPANY\tDISP_PRODUCT\tPRICE\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tREG_PATH' \
  "$work/windowchecklist.dump"

# A result file with a software line of the wrong length: the line is reported, the rest shown.
printf '#HEADER_START\r\n0\t20261211_091500\t-\r\n#HEADER_END\r\n#USERINFO_START\r\n총무팀\tPC1\t김철수\r\n#USERINFO_END\r\n#SWLIST_START\r\n1\t1001\tAcme\r\n#SWLIST_END\r\n' \
  > "$work/pc.txt"
"$scx" encode "$work/pc.txt" "$work/pc.ipt"
"$scx" dump "$work/pc.ipt" > "$work/pc.dump"
grep -qxF $'총무팀\tPC1\t김철수\t-\t-\t-\t-' "$work/pc.dump"
grep -qxF $'skipped line 8 (3 of 19 values): 1\t1001\tAcme' "$work/pc.dump"
grep -qF '#SWLIST (lines 7-9, 0 rows, 1 skipped)' "$work/pc.dump"
# The same file read as a total list: its sections are missing.
cp "$work/pc.ipt" "$work/pc.bin"
set +e
"$scx" dump "$work/pc.bin" > /dev/null 2>&1; [ $? -eq 2 ] || { echo "unknown kind: want 2"; exit 1; }
"$scx" dump "$work/pc.bin" --kind tls 2> "$work/err.txt" > /dev/null; [ $? -eq 1 ] || { echo "wrong kind: want 1"; exit 1; }
grep -qF 'no #PCHISTORY_START line' "$work/err.txt" || { echo "reason not given"; exit 1; }
"$scx" dump "$work/pc.bin" --kind nonsense > /dev/null 2>&1; [ $? -eq 2 ] || { echo "bad kind: want 2"; exit 1; }
"$scx" dump "$work/missing.ipt" > /dev/null 2>&1; [ $? -eq 1 ] || { echo "missing file: want 1"; exit 1; }
# A broken source builds nothing.
mkdir "$work/bad" && cp "$src"/*.tsv "$work/bad/"
printf '1\t2\n' >> "$work/bad/filter.tsv"
"$scx" db build "$work/bad" "$work/out" 2> "$work/err.txt"; [ $? -eq 1 ] || { echo "bad source: want 1"; exit 1; }
grep -qF 'filter.tsv: line' "$work/err.txt" || { echo "no line number"; exit 1; }
[ ! -e "$work/out" ] || { echo "bad source wrote files"; exit 1; }
set -e
echo "db build and dump: ok"
