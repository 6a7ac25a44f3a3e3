#!/usr/bin/env bash
# Installs what is missing, builds everything with sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# A unity build compiles several sources as one, and line tables are all the debug information that sanitizer
# reports need: together they take close to half off the build.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTAMB_SANITIZE=ON -DWARNINGS_AS_ERRORS="$werror" \
    -DCMAKE_UNITY_BUILD=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1 "${launcher[@]}" >/dev/null
cmake --build build/test -j "$(nproc)"
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
