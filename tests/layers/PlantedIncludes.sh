#!/usr/bin/env bash
# The include check (scripts/check-includes.sh) on trees with one planted include each: a relative
# include that climbs out of its layer is refused and named, one that stays inside is accepted.
# Usage: PlantedIncludes.sh <check script> <scratch folder>
set -uo pipefail
check="$1"
scratch="$2"

# file | include | verdict
cases=(
    "data/Planted.cpp|../results/ValueRules.h|refused"
    "data/Planted.cpp|./../results/ValueRules.h|refused"
    "data/Planted.cpp|data/../results/ValueRules.h|refused"
    "data/Planted.cpp|<../results/ValueRules.h>|refused"
    "calc/bindings/Planted.h|../../gost/gost31371/include/Tarvel31371720.h|refused"
    "ui/models/Planted.cpp|../win32/MainWindow.h|refused"
    "gost/gost6976/Planted.cpp|../common/BoundaryGuard.h|refused"
    "Planted.cpp|../Outside.h|refused"
    "data/sub/Planted.cpp|../DataBaseHandle.h|accepted"
    "platform/win32/Planted.cpp|../Platform.h|accepted"
    "data/Planted.cpp|results/ValueRules.h|accepted"
)

failures=0
for entry in "${cases[@]}"; do
    IFS='|' read -r file include verdict <<<"$entry"
    tree="$scratch/src"
    rm -rf "$scratch"
    mkdir -p "$tree/$(dirname "$file")"
    if [[ $include == \<* ]]; then
        line="#include $include"
        include=${include:1:-1}
    else
        line="#include \"$include\""
    fi
    printf '// planted\n%s\n' "$line" >"$tree/$file"
    output=$(bash "$check" "$tree" 2>&1)
    status=$?
    if [ "$verdict" = refused ]; then
        expected="src/$file:2: #include \"$include\" climbs out of the layer"
        if [ "$status" -eq 0 ] || [[ $output != *"$expected"* ]]; then
            echo "not refused: $file: $line"$'\n'"$output"
            failures=$((failures + 1))
        fi
    elif [ "$status" -ne 0 ]; then
        echo "refused though it stays in its layer: $file: $line"$'\n'"$output"
        failures=$((failures + 1))
    fi
done
rm -rf "$scratch"
if [ "$failures" -ne 0 ]; then
    echo "$failures of ${#cases[@]} planted includes judged wrongly"
    exit 1
fi
echo "all ${#cases[@]} planted includes judged as expected"
