#!/usr/bin/env bash
# Installs what is missing, builds the program and every test, and runs them.
# With "sanitize" as argument it builds and runs them under AddressSanitizer and
# UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
bash scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
