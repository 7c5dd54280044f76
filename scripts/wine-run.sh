#!/usr/bin/env bash
# Runs a Windows test program under Wine with a prefix of the build tree's own; never lets Wine try to
# download Mono or Gecko.
set -euo pipefail
exe="$1"
shift
build=$(cd "$(dirname "$exe")/.." && pwd)
export WINEPREFIX="${TARVEL_WINEPREFIX:-$build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Russian Windows: code page 1251 for the TXT export, Russian date and time formats.
export LANG="${TARVEL_WINE_LANG:-ru_RU.UTF-8}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
fi
exec wine "$exe" "$@"
