#!/usr/bin/env bash
# Makes the Debian package of this build with CPack and unpacks it with dpkg -x into OUT_DIR/root,
# as the package checks (cli.package, gui.package_windows) use it.
set -euo pipefail
config=$1     # CPackConfig.cmake of the build
out=$2
rm -rf "$out"
mkdir -p "$out"
cpack --config "$config" -B "$out" > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one .deb in $out"; ls "$out"; exit 1; }
dpkg -x "${debs[0]}" "$out/root"
echo "${debs[0]}: $(stat -c %s "${debs[0]}") bytes"
dpkg-deb -f "${debs[0]}" Package Version Depends
