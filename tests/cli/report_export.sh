#!/usr/bin/env bash
# scx report and scx export on the sample result: the fixed report names in CheckOut/RST or -o DIR,
# chosen columns, export names with the date and time, a second export in the same second kept
# beside the first, and the usage errors.
set -euo pipefail
scx=$1
src=$2        # data/ of the repository
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/sample_result.sh"
sample_result "$scx" "$src" "$work" "$work/home/CheckOut/RST/r.rst"
fail() { echo "$1"; exit 1; }

[ "$("$scx" report r.rst)" = "$SCX_HOME/CheckOut/RST/SW별 사용현황.html" ] || fail "SW report path"
[ "$("$scx" report r.rst --pc -o "$work/rep")" = "$work/rep/PC별 사용현황.html" ] || fail "PC report path"
iconv -f CP949 -t UTF-8 "$SCX_HOME/CheckOut/RST/SW별 사용현황.html" | grep -qF "<td align='center' colspan = 2><b>총 3대(PC), SW 7종, 7개</td>" \
  || fail "SW report totals (shareware and freeware left out by default)"
"$scx" report r.rst --columns 1,2 -o "$work/rep" > /dev/null
iconv -f CP949 -t UTF-8 "$work/rep/SW별 사용현황.html" | grep -qF "<tr height='30'><td align='center' colspan = 2><b>총 3대(PC), SW 7종, 11개</td>  </tr>" \
  || fail "--columns"

a=$("$scx" export r.rst --per-sw -o "$work/x" 2> "$work/msg")
b=$("$scx" export r.rst --per-sw -o "$work/x" 2>> "$work/msg")
[[ "$a" =~ ^"$work/x/SW별 설치내역_"[0-9]{4}년[0-9]{2}월[0-9]{2}일[0-9]{2}시[0-9]{2}분[0-9]{2}초\.xls$ ]] || fail "export name: $a"
[ "$a" != "$b" ] && [ -s "$a" ] && [ -s "$b" ] || fail "a second export replaced the first"
[ "$(sort -u "$work/msg")" = "엑셀 저장완료" ] || fail "message: $(cat "$work/msg")"
c=$("$scx" export r.rst --per-pc --rows 2 -o "$work/x" 2> /dev/null)
[ "$(iconv -f CP949 -t UTF-8 "$c" | grep -o '<bold>[^<]*' | tail -1)" = "<bold>박민수 10.0.0.21(00-11-22-33-44-03)" ] || fail "--rows"

set +e
"$scx" export r.rst -o "$work/x" 2> /dev/null; [ $? -eq 2 ] || fail "no --per-sw/--per-pc"
"$scx" export r.rst --per-pc --rows 3 -o "$work/x" 2> /dev/null; [ $? -eq 2 ] || fail "row out of range"
"$scx" report r.rst --columns 9 2> /dev/null; [ $? -eq 2 ] || fail "column out of range"
"$scx" report missing.rst 2> /dev/null; [ $? -eq 1 ] || fail "missing result"
exit 0
