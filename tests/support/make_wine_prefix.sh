#!/usr/bin/env bash
# make_wine_prefix.sh PREFIX: a fresh Wine prefix made by Wine itself (wineboot), headless and
# without the Mono and Gecko installers, bounded in time. Prints nothing on success.
set -euo pipefail
prefix=$1
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$wine" ] || { echo "wine64 is not installed" >&2; exit 1; }
export WINEPREFIX=$prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all DISPLAY=
timeout 300 "$wine" wineboot -i > /dev/null 2>&1
# The registry files are written when the wine server ends.
timeout 120 "$server" -w
[ -f "$prefix/system.reg" ] || { echo "wineboot wrote no system.reg" >&2; exit 1; }
