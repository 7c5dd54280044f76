#!/usr/bin/env bash
# Checks that a Windows library is a 32-bit PE whose export table holds exactly the given names.
set -euo pipefail
library="$1"
shift
dump=$(i686-w64-mingw32-objdump -p "$library")
grep -q 'file format pei-i386' <<<"$dump" || { echo "$library is not a 32-bit PE library"; exit 1; }
actual=$(awk '/\[Ordinal\/Name Pointer\] Table/{flag=1; next} flag && /^[ \t]*\[/{print $NF; next} flag{exit}' <<<"$dump" | sort)
expected=$(printf '%s\n' "$@" | sort)
if [ "$actual" != "$expected" ]; then
    printf 'exports of %s differ\nexpected:\n%s\nactual:\n%s\n' "$library" "$expected" "$actual"
    exit 1
fi
echo "exports of $(basename "$library"): $(tr '\n' ' ' <<<"$actual")"
