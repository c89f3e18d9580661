#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test, fuzz and run. Idempotent: when
# everything is there it changes nothing and asks no package server.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  # libraries
  qt6-base-dev libssl-dev libcurl4-openssl-dev libhivex-dev
  # tests, benchmarks, fuzzing (clang's libFuzzer runtime)
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev python3
  # Korean glyphs for windows, screenshots and printing
  fonts-nanum
  # version reader: exiftool as the reference reader, wine64's Windows libraries as real program
  # files and a real Wine prefix (wineboot) for the inspection-target tests, strace for the
  # benchmark's count of bytes read
  libimage-exiftool-perl wine64 strace
  # the Debian package: CPack's DEB generator finds the shared libraries with dpkg-shlibdeps and file
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
