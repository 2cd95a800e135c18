#!/usr/bin/env bash
# Builds everything and runs every test headless.
# Extra arguments go to CMake's configure step, e.g. -DPENNORIA_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600
# The Debian package from the same build: contents and lintian.
./scripts/paket.sh build
