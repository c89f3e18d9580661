#!/usr/bin/env bash
# The two windowed programs of the unpacked Debian package (tests/cli/package_build.sh) start
# offscreen for a fresh user and show their main windows: each saves a picture of its window
# (SCX_GRAB_WINDOW) into ART_DIR and quits.
set -euo pipefail
root=$1/root
art=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$art" "$work/home" "$work/run"
chmod 700 "$work/run"
fail() { echo "$1"; exit 1; }

for program in scxagent scxhub; do
  png=$art/package-$program.png
  rm -f "$png"
  env -i HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
      XDG_RUNTIME_DIR="$work/run" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen SCX_GRAB_WINDOW="$png" \
      timeout 60 "$root/usr/bin/$program" > "$work/$program.log" 2>&1 || true
  [ -s "$png" ] || fail "$program showed no window: $(cat "$work/$program.log")"
  # PNG header: width and height, big-endian, at bytes 16 and 20.
  read -r width height < <(od -A n -t u1 -j 16 -N 8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$width" -ge 300 ] && [ "$height" -ge 200 ] || fail "$program: a ${width}x$height window is not its main window"
  echo "$program: $png (${width}x$height)"
done
[ -d "$work/data/scrutinex/CheckOut" ] || fail "the programs made no CheckOut in XDG_DATA_HOME"
[ -z "$(ls "$root/usr/bin" | grep -v '^scx')" ] || fail "files beside the programs: $(ls "$root/usr/bin")"
