#!/usr/bin/env bash
# Fails when an include in the sources climbs out of its layer with "..". The build refuses a header of a
# layer above only when it is named from an include root ("results/ValueRules.h" from the data layer);
# a path relative to the including file ("../results/ValueRules.h") would reach it unchecked. So ".."
# may only lead a path, and the path must end inside the including file's own layer folder (src/<layer>,
# src/ui/<layer>, src/gost/<library>); everything else is named from its root.
# Usage: check-includes.sh [source folder]   (the tree's src by default)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
src=$(cd "${1:-$root/src}" && pwd)

status=0
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    text=${rest#*:}
    include=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*)[">].*$/\1/' <<<"$text")
    relative=${file#"$src"/}
    case "$relative" in
    ui/*/* | gost/*/*) layer=$(cut -d/ -f1-2 <<<"$relative") ;;
    */*) layer=${relative%%/*} ;;
    *) layer="" ;;
    esac
    # ".." after a named folder climbs back out through a folder the include root links in.
    leading=$include
    while [[ $leading == ../* || $leading == ./* ]]; do
        leading=${leading#*/}
    done
    target=$(realpath -m -s "$(dirname "$file")/$include")
    if [[ "/$leading/" == */../* || -z $layer || $target != "$src/$layer/"* ]]; then
        echo "src/$relative:$line: #include \"$include\" climbs out of the layer ${layer:-src}; name it from its root"
        status=1
    fi
done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.c' --include='*.cpp' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*\.\.' "$src" || true)

if [ "$status" -ne 0 ]; then
    echo "include check failed: a relative include passes by the layers' include roots"
    exit 1
fi
echo "include check passed: no include climbs out of its layer"
