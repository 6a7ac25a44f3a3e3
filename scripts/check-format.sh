#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format (.clang-format) makes of it; prints the places.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "check-format: every file is formatted"
