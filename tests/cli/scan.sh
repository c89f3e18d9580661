#!/usr/bin/env bash
# scx scan on a sample PC laid out as a Wine prefix: the result file under the system's name, the
# rows as found, the name filter, the checks and the overwrite question, the registry values.
set -euo pipefail
scx=$1 make_target=$2 sampledb=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
home=$work/home
"$scx" db build "$sampledb" "$home" > /dev/null
"$make_target" "$work/pc" --windows10 KIM-PC \
  --exe 'C:\Program Files\Zip\zipster.exe|Bluefin Labs|Zipster|6.0.2|Zipster.exe' \
  --exe 'C:\Program Files\Gom\gomzip.exe|Gomdori Soft|Gomdori Zip|9, 1, 0, 3|GomZip.exe' \
  --file 'C:\Tools\billing.exe=MZ in-house' \
  --exe 'C:\Windows\System32\zipster.exe|Bluefin Labs|Zipster|6.0.2|Zipster.exe'
scan() { "$scx" --home "$home" scan --target "wine:$work/pc" "$@"; }

out=$(scan --group Sales --user 'Kim_Lee' --suffix 20261211 2> "$work/err")
echo "$out"
grep -q '파일 이름에는 다음 문자를 사용할 수 없습니다' "$work/err"
ipt=$home/CheckOut/IPT/Sales_KimLee_20261211.ipt
grep -qx "saved $ipt (4 rows)" <<<"$out"
grep -qP '^1\t1052\t블루핀랩스\t집스터 6\tzipster.exe\tC:\\Program Files\\Zip\\$' <<<"$out"
grep -qP '^1\t1081\t.*\tgomzip.exe\t' <<<"$out"   # key 2: "9, 1, 0, 3" is version 9
grep -qP '^2\t5002\t' <<<"$out"                   # user checklist by name
dump=$("$scx" dump "$ipt")
grep -qP '^Sales\tKIM-PC\tKimLee\t-\t-\t0\t' <<<"$dump"
grep -qP '^1\t1081\t.*\t4\t80\t곰돌이 압축\t1\t기업유료/개인무료\t' <<<"$dump"
# The four values, stored as UTF-16 text without a terminating zero ("Sales" below).
reg=$XDG_CONFIG_HOME/scrutinex/user.reg
grep -q '^\[Software\\\\Scrutinex\]' "$reg"
for value in FileName FilePath UserName; do grep -q "^\"$value\"=hex(1):" "$reg"; done
grep -qx '"GroupName"=hex(1):53,00,61,00,6c,00,65,00,73,00' "$reg"

# The file exists: --no keeps it (exit 1), --yes replaces it.
if scan --group Sales --user KimLee --suffix 20261211 --no 2> "$work/err"; then exit 1; fi
grep -q '는(은) 이미 있습니다' "$work/err"
scan --group Sales --user KimLee --suffix 20261211 --yes --quiet > "$work/out"
[ "$(wc -l < "$work/out")" = 1 ]

# Checks: no group name; a drive the target lacks; -o elsewhere.
if scan --user Kim 2> "$work/err"; then exit 1; fi
grep -q '회사(부서)명을 입력해 주세요' "$work/err"
set +e; scan --group G --disks Q > /dev/null 2>&1; rc=$?; set -e
[ "$rc" = 2 ]
scan --group G --user U --quiet -o "$work/elsewhere.ipt" | grep -qx "saved $work/elsewhere.ipt (4 rows)"
# The inspection options default to ScxSetting.ini: fonts only (the PC has none).
printf '[Setting]\r\nIsFontOnly=1\r\n' > "$home/ScxSetting.ini"
scan --group G --user U --quiet -o "$work/fonts.ipt" | grep -qx "saved $work/fonts.ipt (0 rows)"
echo "scan: ok"
