#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' | sort -u)
[ "${#files[@]}" -eq 0 ] && exit 0
existing=()
for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
if ! clang-format --dry-run --Werror "${existing[@]}" 2>/tmp/tarvel-format.$$; then
    grep -E '^[^ ].*: (error|warning)' /tmp/tarvel-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    rm -f /tmp/tarvel-format.$$
    echo "format check failed: run clang-format -i on the files above"
    exit 1
fi
rm -f /tmp/tarvel-format.$$
echo "format check passed (${#existing[@]} files)"
