#!/usr/bin/env bash
# A long fuzzing campaign: builds the libFuzzer drivers (preset "fuzz", clang) and runs each for the
# given number of seconds (default 600), keeping its corpus under build/fuzz/corpus/<driver> and any
# failing input under build/fuzz/findings/<driver>. Usage: scripts/fuzz.sh [seconds per driver]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
drivers=(fuzz_gost31371 fuzz_gost6976 fuzz_gost34704 fuzz_message_format fuzz_run_on_database fuzz_settings_store)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${drivers[@]}"

status=0
for driver in "${drivers[@]}"; do
    corpus="build/fuzz/corpus/${driver}"
    findings="build/fuzz/findings/${driver}"
    mkdir -p "${corpus}" "${findings}"
    echo "== ${driver}: ${seconds} s"
    if ! "build/fuzz/bin/${driver}" -max_total_time="${seconds}" -print_final_stats=1 \
        -artifact_prefix="${findings}/" "${corpus}"; then
        echo "${driver}: a failing input was kept in ${findings}" >&2
        status=1
    fi
done
exit "${status}"
