#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTAMB_BUILD_TESTS=OFF -DTAMB_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
exec build/release/src/app/tamb-setup "$@"
