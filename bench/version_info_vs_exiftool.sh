#!/usr/bin/env bash
# scx version-info against exiftool over the same 1,000 Windows program files, in the same run:
# times (best of three, warm cache), their ratio, and the bytes each tool reads per file.
#
#   bash bench/version_info_vs_exiftool.sh [SCX] [FOLDER]
#
# SCX defaults to the release build; FOLDER to wine64's PE libraries and programs. The 1,000 paths
# are symbolic links that go round the folder's files; without the folder, scx-make-pe writes
# 1,000 files of 64 KiB to 2 MiB instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scx=${1:-build/release/cli/scx}
folder=${2:-/usr/lib/x86_64-linux-gnu/wine/x86_64-windows}
count=1000
for tool in exiftool strace "$scx"; do
  command -v "$tool" > /dev/null || { echo "missing: $tool (scripts/install-deps.sh)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/files"
if [ -d "$folder" ]; then
  mapfile -t real < <(find "$folder" -maxdepth 1 -type f \( -name '*.dll' -o -name '*.exe' \) | sort)
  for ((i = 0; i < count; i++)); do ln -s "${real[i % ${#real[@]}]}" "$work/files/$(printf 'f%04d.exe' "$i")"; done
  source="$folder (${#real[@]} files, taken round)"
else
  make_pe=build/release/tests/support/scx-make-pe
  for ((i = 0; i < count; i++)); do
    "$make_pe" "$work/files/$(printf 'f%04d.exe' "$i")" --pad $(( (i % 32 + 1) * 65536 )) \
      "CompanyName=Acme $i" "ProductName=Product $i" ProductVersion=1.0.$i OriginalFilename=f$i.exe
  done
  source="files written by scx-make-pe"
fi
files=("$work"/files/*)
bytes=$(cat "${files[@]}" | wc -c)

# Best wall time of three runs, in seconds.
best_of_three() {
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1
    end=$(date +%s.%N)
    best=$(python3 -c "import sys; t=float(sys.argv[2])-float(sys.argv[1]); b=sys.argv[3]; print(t if not b or t < float(b) else b)" "$start" "$end" "$best")
  done
  echo "$best"
}

# Bytes that read and pread64 calls returned, over the whole run.
bytes_read() {
  strace -f -e trace=read,pread64 -o "$work/trace" "$@" > /dev/null 2>&1
  awk '/(read|pread64)\(/ && $NF ~ /^[0-9]+$/ { sum += $NF } END { print sum + 0 }' "$work/trace"
}

"$scx" version-info "${files[@]}" > "$work/scx.tsv"   # warm the cache
exiftool -q -f -T -CompanyName -ProductName -ProductVersion -OriginalFileName "${files[@]}" > /dev/null
scx_time=$(best_of_three "$scx" version-info "${files[@]}")
exif_time=$(best_of_three exiftool -q -f -T -CompanyName -ProductName -ProductVersion -OriginalFileName "${files[@]}")
scx_bytes=$(bytes_read "$scx" version-info "${files[@]}")
exif_bytes=$(bytes_read exiftool -q -f -T -CompanyName -ProductName -ProductVersion -OriginalFileName "${files[@]}")
with_version=$(awk -F'\t' '$2 != "-" || $3 != "-" || $4 != "-" || $5 != "-"' "$work/scx.tsv" | wc -l)

python3 - "$count" "$bytes" "$scx_time" "$exif_time" "$scx_bytes" "$exif_bytes" "$with_version" "$source" <<'PY'
import sys
count, size, scx_t, exif_t, scx_b, exif_b, with_version = (float(v) for v in sys.argv[1:8])
print(f"{int(count)} files from {sys.argv[8]}; {int(with_version)} carry version texts; "
      f"{size / count / 1024:.0f} KiB per file on average")
print(f"{'':24}{'time':>10}{'per file':>12}{'bytes read per file':>22}")
print(f"{'scx version-info':24}{scx_t:>9.3f}s{scx_t / count * 1e6:>10.0f}us{scx_b / count:>22,.0f}")
print(f"{'exiftool':24}{exif_t:>9.3f}s{exif_t / count * 1e6:>10.0f}us{exif_b / count:>22,.0f}")
print(f"scx is {exif_t / scx_t:.0f} times faster (target: at least 20); it reads "
      f"{scx_b / size * 100:.2f}% of the files' bytes")
PY
