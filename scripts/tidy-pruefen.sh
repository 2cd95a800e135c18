#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C++ source the build compiles
# (not the generated moc files); any finding is an error. Needs a configured build folder.
# Usage: scripts/tidy-pruefen.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
command -v run-clang-tidy >/dev/null || { echo "run-clang-tidy fehlt (Debian: clang-tidy)"; exit 2; }
[ -f "$build/compile_commands.json" ] || { echo "$build/compile_commands.json fehlt: erst bauen"; exit 2; }
# Sources below the checkout but outside any build folder (the generated files live there).
quellen="^$(pwd)/(?!build)[^/]+/.*\.cpp$"
exec run-clang-tidy -p "$build" -j"$(nproc)" -quiet "$quellen"
