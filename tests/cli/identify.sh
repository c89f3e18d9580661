#!/usr/bin/env bash
# scx identify on a Wine prefix laid out by hand: the facts come from its registry, one
# "key: value" line each; bad targets exit 1 with the reason, bad arguments 2.
set -euo pipefail
scx=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=$work/prefix
mkdir -p "$prefix/drive_c/windows" "$prefix/dosdevices"
ln -s ../drive_c "$prefix/dosdevices/c:"
printf 'Data\n' > "$prefix/drive_c/.windows-label"
cat > "$prefix/system.reg" <<'REG'
WINE REGISTRY Version 2
;; All keys relative to \\Machine

[Software\\Microsoft\\Windows NT\\CurrentVersion] 1700000000
"CurrentVersion"="6.1"
"EditionID"="Enterprise"

[System\\CurrentControlSet\\Control\\ComputerName\\ComputerName] 1700000000
"ComputerName"="KIM-PC"

[System\\CurrentControlSet\\Control\\ProductOptions] 1700000000
"ProductType"="WinNT"
REG

out=$("$scx" identify --target "wine:$prefix")
echo "$out"
grep -qx "target: wine:$prefix" <<<"$out"
grep -qx "product: Windows 7(Ent)" <<<"$out"
grep -qx "pc_name: KIM-PC" <<<"$out"
grep -q "^user_name: " <<<"$out"
grep -q "^ip_address: " <<<"$out"
grep -q "^hardware_address: " <<<"$out"
grep -qE '^disk: C:\\ - Data\[[0-9]+GB\]$' <<<"$out"
[ "$(grep -c '^disk: ' <<<"$out")" -eq 1 ]

# The automatic choice follows WINEPREFIX.
WINEPREFIX=$prefix "$scx" identify | grep -qx "pc_name: KIM-PC"

printf 'WINE REGISTRY Version 2\n[Software]\n"x"=hex:zz\n' > "$prefix/system.reg"
set +e
err=$("$scx" identify --target "wine:$prefix" 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || { echo "bad system.reg: want 1, got $rc"; exit 1; }
grep -q "system.reg: line 3: bad hex byte list" <<<"$err" || { echo "unclear failure: $err"; exit 1; }
"$scx" identify --target nowhere > /dev/null 2>&1; [ $? -eq 1 ] || { echo "unknown target: want 1"; exit 1; }
"$scx" identify extra > /dev/null 2>&1; [ $? -eq 2 ] || { echo "extra argument: want 2"; exit 1; }
"$scx" identify --target host > /dev/null || { echo "host target failed"; exit 1; }
echo ok
