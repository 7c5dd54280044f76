#!/usr/bin/env bash
# The main job: builds the native command-line host and runs the demonstration calculation on a
# generated database, writing the exports and the report into out/demo.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target tarvel -j "$(nproc)" >/dev/null
mkdir -p out/demo
profile=out/demo/profile.txt
./build/linux/bin/tarvel info
./build/linux/bin/tarvel settings --profile "$profile"
