#!/usr/bin/env bash
# Installs what is missing, builds the program and every test, and runs them.
# With "sanitize" as argument it builds and runs them under AddressSanitizer and
# UndefinedBehaviorSanitizer instead. Under continuous integration (CI set)
# compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
default=release
[ -z "${CI:-}" ] || default=ci
preset="${1:-$default}"
bash scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
