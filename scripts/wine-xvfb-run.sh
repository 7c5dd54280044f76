#!/usr/bin/env bash
# Runs a Windows program that opens windows under Wine (scripts/wine-run.sh). Without a display it starts
# its own virtual X server for the length of the run, so the UI tests need no screen (CI has none).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -n "${DISPLAY:-}" ]; then
    exec bash "$root/scripts/wine-run.sh" "$@"
fi
# A prefix of its own: Wine's desktop process keeps the display it was started with, and the other
# tests of the build run without one.
build=$(cd "$(dirname "$1")/.." && pwd)
export TARVEL_WINEPREFIX="${TARVEL_WINEPREFIX:-$build/wineprefix-display}"
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    WINEPREFIX="$TARVEL_WINEPREFIX" wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
# The server picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "wine-xvfb-run: the virtual X server did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"
# No window manager runs on the virtual server: windows left unmanaged are destroyed at once, where Wine
# would otherwise wait for a manager to withdraw each one.
if [ ! -f "$TARVEL_WINEPREFIX/.unmanaged-windows" ]; then
    bash "$root/scripts/wine-run.sh" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    touch "$TARVEL_WINEPREFIX/.unmanaged-windows"
fi
status=0
bash "$root/scripts/wine-run.sh" "$@" || status=$?
exit "$status"
