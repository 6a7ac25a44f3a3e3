#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang, makes their seed corpora with the program itself, runs each harness
# for the given number of seconds (default 60) and prints its executions and findings. Fails when a harness
# finds a fault; the inputs that show it are kept under build/fuzz/run/findings/HARNESS/.
# The corpus each run grows stays in build/fuzz/run/corpus/ for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz
harnesses=(inspect preferences clock command_line)

scripts/install-deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON \
    -DTAMB_FUZZ=ON -DTAMB_BUILD_GUI=OFF -DTAMB_BUILD_TESTS=OFF -DTAMB_BUILD_BENCH=OFF -DWARNINGS_AS_ERRORS="$werror" \
    "${launcher[@]}" >/dev/null
targets=(fuzz_seeds)
for harness in "${harnesses[@]}"; do
    targets+=("fuzz_$harness")
done
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

run="$build/run"
rm -rf "$run/seeds" "$run/findings"
"$build/fuzz/fuzz_seeds" "$run/seeds"

failures=0
for harness in "${harnesses[@]}"; do
    corpus="$run/corpus/$harness"
    findings="$run/findings/$harness"
    log="$run/$harness.log"
    mkdir -p "$corpus" "$findings"
    status=0
    "$build/fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "$run/seeds/$harness" >"$log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    found=$(find "$findings" -type f | wc -l)
    printf '%-13s %12s executions in %ss, %s finding(s)\n' "$harness" "${executions:-0}" "$seconds" "$found"
    if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
        failures=$((failures + 1))
        tail -n 40 "$log"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "fuzz: $failures harness(es) found a fault; the inputs are under $run/findings/"
    exit 1
fi
echo "fuzz: no findings"
