#!/usr/bin/env bash
# The main job: builds the native command-line host and runs the demonstration calculation on a
# generated database, writing the exports and the report into out/demo.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target tarvel -j "$(nproc)" >/dev/null
./build/linux/bin/tarvel info
# Writes out/demo/demo.db on the first run, calculates, prints the results and leaves the XML, JSON and
# TXT exports (tarvel.xml, .json, .txt), the HTML report (tarvel.html) and the profile in out/demo.
./build/linux/bin/tarvel demo --out out/demo
