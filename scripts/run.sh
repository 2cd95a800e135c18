#!/usr/bin/env bash
# Builds the program and starts it from its program folder with the bundled flag quiz.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/pennoria/pennoria "$@"
