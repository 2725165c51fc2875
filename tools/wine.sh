#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: WINE_BUILD_DIR (default build-win) holds the
# Wine prefix ("wine", made on first use); no display, and no .NET or browser parts are
# installed into a new prefix. Usage: tools/wine.sh PROGRAM.exe [arguments]
set -euo pipefail
build_dir="${WINE_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build-win}"
export WINEPREFIX="$build_dir/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1
  wineserver --wait
fi
exec wine "$@"
