#!/usr/bin/env bash
# Builds both targets and runs every test: the format and include checks, the native tests, the same
# tests with AddressSanitizer and UndefinedBehaviorSanitizer, the Windows build's tests under Wine, and a
# short run of every fuzz driver.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
bash scripts/check-format.sh
bash scripts/check-includes.sh

jobs=$(nproc)
for preset in linux linux-asan win32 fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
