#!/usr/bin/env bash
# Runs a Windows program that opens windows (scripts/wine-xvfb-run.sh) with the screen of the Wine
# prefix at the given resolution in dots per inch, and sets the prefix back to 96 afterwards:
#   wine-dpi-run.sh 144 program.exe [arguments]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dpi="$1"
shift
build=$(cd "$(dirname "$1")/.." && pwd)
export TARVEL_WINEPREFIX="${TARVEL_WINEPREFIX:-$build/wineprefix-display}"
set_dpi() {
    TARVEL_WINESERVER_PERSIST=0 bash "$root/scripts/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1 || true
    # The server writes the registry when it ends; a program started later reads the resolution then.
    WINEPREFIX="$TARVEL_WINEPREFIX" wineserver -w 2>/dev/null || true
}
set_dpi "$dpi"
trap 'set_dpi 96' EXIT
status=0
TARVEL_EXPECTED_DPI="$dpi" bash "$root/scripts/wine-xvfb-run.sh" "$@" || status=$?
exit "$status"
