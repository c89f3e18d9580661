#!/usr/bin/env bash
# Builds the three programs (release) and their Debian package with CPack:
# build/package/scrutinex_<version>_<arch>.deb. Install it with
#   sudo apt install ./build/package/scrutinex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build build/release -j "$(nproc)" --target scx scxagent scxhub scx-man-page
cpack --config build/release/CPackConfig.cmake -B build/package
ls -1 build/package/*.deb
