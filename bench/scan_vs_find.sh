#!/usr/bin/env bash
# scx scan against find and sha1sum over the same generated PC, in the same run (warm cache, best
# of three): a Wine-prefix target of 200,000 files in 2,000 folders, 2,000 of them *.exe, 500 of
# those named and versioned as checklist entries of the sample database.
#
#   bash bench/scan_vs_find.sh [BUILD_DIR]      (default build/release)
#
# Prints the times, the ratios (normal scan / find -iname '*.exe'; scan with hashing / sha1sum of
# the hashed files) and scx's peak memory. The tree is built once under /tmp and kept.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
scx=$build/cli/scx make_target=$build/tests/support/scx-make-target make_pe=$build/tests/support/scx-make-pe
cmake --build "$build" --target scx scx-make-target scx-make-pe > /dev/null
tree=/tmp/scx-bench-scan
if [ ! -f "$tree/ready" ]; then
  rm -rf "$tree"
  "$make_target" "$tree/pc" --windows10 BENCH-PC
  "$make_pe" "$tree/word.exe" CompanyName="Acme Corporation" ProductName="Acme Word" \
    ProductVersion=17.0.1.2 OriginalFilename=WORD.EXE --pad 200000
  "$make_pe" "$tree/zipster.exe" CompanyName="Bluefin Labs" ProductName=Zipster ProductVersion=6.1 \
    OriginalFilename=Zipster.exe --pad 100000
  python3 - "$tree" <<'PY'
import os, sys
tree = sys.argv[1]
root = os.path.join(tree, "pc", "drive_c", "Program Files")
images = [open(os.path.join(tree, n), "rb").read() for n in ("word.exe", "zipster.exe")]
other = os.urandom(512 * 1024)  # hashing then outweighs the walk, as on a real PC
small = b"x" * 512
exe = 0
for f in range(2000):
    folder = os.path.join(root, "Vendor%02d" % (f // 100), "App%04d" % f)
    os.makedirs(folder)
    for i in range(100):
        if i == 0:
            # One *.exe per folder: every fourth is a checklist program, the rest unknown.
            name, data = (("word.exe", images[0]) if f % 8 == 0 else ("zipster.exe", images[1])) if f % 4 == 0 \
                else ("tool%04d.exe" % f, other)
            exe += 1
        else:
            name, data = "part%02d.dll" % i if i % 3 else "readme%02d.txt" % i, small
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
print("generated", 2000 * 100, "files,", exe, "*.exe")
PY
  "$scx" db build data/sampledb "$tree/home" > /dev/null
  touch "$tree/ready"
fi
drive=$tree/pc/drive_c
find "$drive" -iname '*.exe' > "$tree/exe.list"

# best of three wall-clock seconds of a command
best() {
  python3 - "$@" <<'PY'
import resource, subprocess, sys, time
times = []
for _ in range(3):
    start = time.perf_counter()
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    times.append(time.perf_counter() - start)
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
print("%.3f %.1f" % (min(times), peak))
PY
}
scan=("$scx" --home "$tree/home" scan --target "wine:$tree/pc" --group Bench --user Bench --quiet --yes
      -o "$tree/out.ipt")
best find "$drive" -iname '*.exe' > /dev/null   # warm the cache
read -r t_find _ < <(best find "$drive" -iname '*.exe')
read -r t_scan m_scan < <(best "${scan[@]}")
read -r t_sha _ < <(best xargs -d '\n' -a "$tree/exe.list" sha1sum)
read -r t_hash m_hash < <(best "${scan[@]}" --hash)
echo "tree: $tree (200,000 files, $(wc -l < "$tree/exe.list") *.exe)"
printf 'find -iname *.exe   %6.3f s\n' "$t_find"
printf 'scx scan            %6.3f s   ratio %.2f (target <= 1.30)   peak %.1f MB\n' "$t_scan" \
  "$(python3 -c "print($t_scan / $t_find)")" "$m_scan"
printf 'sha1sum of the exe  %6.3f s\n' "$t_sha"
printf 'scx scan --hash     %6.3f s   ratio %.2f (target <= 1.25)   peak %.1f MB\n' "$t_hash" \
  "$(python3 -c "print($t_hash / $t_sha)")" "$m_hash"
