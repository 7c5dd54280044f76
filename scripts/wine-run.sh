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
# The prefix is made once, by one program: tests run in parallel, and one that started Wine while
# another was still booting the prefix (its registry already on disk) could lose its server.
if [ ! -f "$WINEPREFIX/.ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.ready" ]; then
            wineboot -i >/dev/null 2>&1 || true
            wineserver -w || true
            touch "$WINEPREFIX/.ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
# The prefix's server stays a while after its last program ends: a program that starts while the server
# is shutting down can lose its connection ("wine client error: recvmsg"), which parallel test programs
# on one prefix otherwise meet now and then. When a server already runs this start just fails. A caller
# that waits for the server to end (to have the registry written) sets TARVEL_WINESERVER_PERSIST=0.
if [ "${TARVEL_WINESERVER_PERSIST:-1}" != 0 ]; then
    wineserver -p30 >/dev/null 2>&1 || true
fi
exec wine "$exe" "$@"
