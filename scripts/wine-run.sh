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
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
fi
exec wine "$exe" "$@"
