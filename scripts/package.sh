#!/usr/bin/env bash
# Installs what is missing, builds the program and makes its Debian package,
# build/tavrenel_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release -DBUILD_TESTING=OFF
cmake --build --preset release -j"$(nproc)"
(cd build && cpack -G DEB)
