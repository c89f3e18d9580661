#!/usr/bin/env bash
# scx encode and scx decode: a multi-megabyte Korean text round-trips byte for byte, and the
# error cases exit with the documented statuses.
set -euo pipefail
scx=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work/rows.txt" <<'PY'
import sys
names = ["한글 워드프로세서", "오피스 표준", "백신 프로그램", "Acme Office", "사진 편집기"]
with open(sys.argv[1], "w", encoding="utf-8", newline="") as f:
    f.write("#SWLIST_START\r\n")
    for i in range(90000):
        f.write(f"{i}\t{names[i % 5]} {i % 97}.0\t회사{i % 13}\t-\r\n")
    f.write("#SWLIST_END\r\n")
PY
size=$(stat -c %s "$work/rows.txt")
[ "$size" -gt 3000000 ] || { echo "fixture too small: $size"; exit 1; }

"$scx" encode "$work/rows.txt" "$work/rows.dat"
"$scx" decode "$work/rows.dat" > "$work/back.txt"
cmp "$work/rows.txt" "$work/back.txt"
# The stored file is scrambled code page 949, not the text itself.
! cmp -s "$work/rows.txt" "$work/rows.dat"

: > "$work/empty.dat"
set +e
"$scx" decode "$work/empty.dat" > /dev/null 2>&1; [ $? -eq 1 ] || { echo "empty file: want 1"; exit 1; }
"$scx" decode "$work/missing.dat" > /dev/null 2>&1; [ $? -eq 1 ] || { echo "missing file: want 1"; exit 1; }
"$scx" decode > /dev/null 2>&1; [ $? -eq 2 ] || { echo "no argument: want 2"; exit 1; }
"$scx" no-such-verb > /dev/null 2>&1; [ $? -eq 2 ] || { echo "unknown verb: want 2"; exit 1; }
"$scx" encode --help | grep -q "usage: scx encode" || { echo "help"; exit 1; }
echo "encode/decode round trip of $size bytes: ok"
