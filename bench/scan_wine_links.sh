#!/usr/bin/env bash
# What it measures: `scx scan` of a real Wine prefix made by wineboot whose user folders link into
# a populated home folder that holds the prefix itself (Wine links Desktop, Documents ... to the
# home's folders and, when it finds no folder of that kind, to the home folder; dosdevices/z:
# maps "/"). The home folder gets 3,000 ordinary files and 60 program files (checklist programs of
# the sample database); drive C gets 20 more. For the disks C and then C,Z it prints the rows
# found (scan with --no-exist, so a program met twice would give two rows) and the wall time
# (best of three), for the scx of BUILD_DIR and, when given, side by side for the scx of
# OTHER_BUILD_DIR (for example a build of main). As reference it prints how many *.exe lie on
# drive C (find) and how many a walk from drive C that follows every link meets on the file system
# of "/" (find -L -xdev: through Videos -> $HOME -> .wine/dosdevices/z: -> / it reaches the whole
# machine, and programs reached by two paths count twice).
#
#   bash bench/scan_wine_links.sh [BUILD_DIR] [OTHER_BUILD_DIR]     (default build/release)
#
# Needs wine (scripts/install-deps.sh). Everything lives under /tmp/scx-bench-wine-links and is
# kept for the next run; WINEDEBUG=-all.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
other=${2:-}
cmake --build "$build" --target scx scx-make-pe > /dev/null
export WINEDEBUG=-all
tree=/tmp/scx-bench-wine-links
home=$tree/home
prefix=$home/.wine
make_pe=$build/tests/support/scx-make-pe

if [ ! -f "$tree/ready" ]; then
  rm -rf "$tree"
  mkdir -p "$home"/{Desktop,Documents,Downloads,Music,Pictures}
  HOME=$home bash tests/support/make_wine_prefix.sh "$prefix"
  "$make_pe" "$tree/word.exe" CompanyName="Acme Corporation" ProductName="Acme Word" \
    ProductVersion=17.0.1.2 OriginalFilename=WORD.EXE --pad 100000
  "$make_pe" "$tree/zipster.exe" CompanyName="Bluefin Labs" ProductName=Zipster ProductVersion=6.1 \
    OriginalFilename=Zipster.exe --pad 50000
  python3 - "$tree" "$home" "$prefix/drive_c" <<'PY'
import os, shutil, sys
tree, home, drive_c = sys.argv[1:]
programs = [os.path.join(tree, n) for n in ("word.exe", "zipster.exe")]
for i in range(3000):  # ordinary files in the home's folders
    folder = os.path.join(home, ("Documents", "Downloads", "Music", "Pictures", "Desktop", "src")[i % 6],
                          "set%02d" % (i // 100))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "file%04d.%s" % (i, ("txt", "dat", "jpg", "exe")[i % 4])), "wb") as out:
        out.write(b"x" * 256)
for i in range(60):  # checklist programs in the home folder, off drive C
    folder = os.path.join(home, ("Desktop", "Documents", "Downloads", "apps")[i % 4], "prog%02d" % i)
    os.makedirs(folder, exist_ok=True)
    shutil.copy(programs[i % 2], folder)
for i in range(20):  # and on drive C
    folder = os.path.join(drive_c, "Program Files", "Vendor%02d" % i)
    os.makedirs(folder, exist_ok=True)
    shutil.copy(programs[i % 2], folder)
PY
  "$build/cli/scx" db build data/sampledb "$tree/data" > /dev/null
  touch "$tree/ready"
fi

echo "prefix: $prefix (links of its user folders:)"
for link in "$prefix"/drive_c/users/*/*; do
  [ -L "$link" ] && echo "  ${link#"$prefix"/} -> $(readlink "$link")"
done
echo "drive C: $(find "$prefix/drive_c" -iname '*.exe' | wc -l) *.exe on it;" \
  "a walk following every link meets $(find -L "$prefix/drive_c" -xdev -iname '*.exe' 2>/dev/null | wc -l)"

# "ROWS SECONDS" of a scan of the disks $2 with the scx of build folder $1: rows of the last run,
# best wall time of three.
measure() {
  local scx=$1/cli/scx disks=$2 out=$tree/out-$$.ipt
  python3 - "$scx" "$tree/data" "$prefix" "$disks" "$out" <<'PY'
import subprocess, sys, time
scx, data, prefix, disks, out = sys.argv[1:]
cmd = [scx, "--home", data, "scan", "--target", "wine:" + prefix, "--group", "Bench", "--user", "Bench",
       "--disks", disks, "--no-exist", "--quiet", "--yes", "-o", out]
best = None
for _ in range(3):
    start = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=1800)
    took = time.perf_counter() - start
    best = took if best is None else min(best, took)
text = subprocess.run([scx, "decode", out], capture_output=True, text=True, check=True).stdout.splitlines()
start, end = text.index("#SWLIST_START"), text.index("#SWLIST_END")
print(end - start - 2, "%.3f" % best)  # less the column line
PY
  rm -f "$out"
}

printf '%-8s %-34s %8s %10s\n' disks build rows seconds
for disks in C C,Z; do
  for b in "$build" ${other:+"$other"}; do
    read -r rows secs < <(measure "$b" "$disks")
    printf '%-8s %-34s %8s %10s\n' "$disks" "$b" "$rows" "$secs"
  done
done
