#!/usr/bin/env bash
# A fuzzing campaign: builds the libFuzzer drivers (the "fuzz" preset) and runs each for a while,
# growing its corpus in build/fuzz/campaign/NAME (seeded from tests/fuzz/corpus/NAME). A finding is kept
# as build/fuzz/campaign/crash-* (or leak-*, timeout-*) with the driver's report in NAME.log.
#
#   bash scripts/fuzz.sh [SECONDS_PER_DRIVER] [DRIVER...]
#
# FUZZ_SANITIZERS=undefined builds the drivers without AddressSanitizer in build/fuzz-undefined, for a long
# campaign of a driver whose own checks find what matters: the profile driver runs twice as fast.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-600}
shift || true
drivers=("$@")
if [ ${#drivers[@]} -eq 0 ]; then
    drivers=(fuzz_text fuzz_profile fuzz_gost31371 fuzz_gost6976 fuzz_gost34704 fuzz_host_database
             fuzz_metrology_table_file)
fi

bash scripts/setup.sh
sanitizers=${FUZZ_SANITIZERS:-address,undefined}
if [ "$sanitizers" = "address,undefined" ]; then
    build="$root/build/fuzz"
else
    build="$root/build/fuzz-${sanitizers//,/-}"
fi
cmake --preset fuzz -B "$build" -DTARVEL_FUZZ_SANITIZERS="$sanitizers" >/dev/null
cmake --build "$build" -j "$(nproc)"

campaign="$root/build/fuzz/campaign"
mkdir -p "$campaign"
status=0
for driver in "${drivers[@]}"; do
    corpus="$campaign/$driver"
    mkdir -p "$corpus"
    echo "== $driver: $seconds s"
    # Allocations keep no call stacks (a quarter of the profile driver's time): replaying a finding's input
    # with the driver alone reports it in full.
    if ASAN_OPTIONS=detect_leaks=1:malloc_context_size=0 "$build/bin/$driver" -max_total_time="$seconds" -max_len=4096 \
        -timeout=20 -print_final_stats=1 -artifact_prefix="$campaign/" "$corpus" "tests/fuzz/corpus/$driver" \
        >"$campaign/$driver.log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$campaign/$driver.log" || true
    else
        echo "$driver found a failure: see $campaign/$driver.log"
        status=1
    fi
done
ls "$campaign"/crash-* "$campaign"/leak-* "$campaign"/timeout-* 2>/dev/null || echo "no findings"
exit $status
