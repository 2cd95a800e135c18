#!/usr/bin/env bash
# Checks the C++ sources against .clang-format without changing them; lists the files that differ.
# Usage: scripts/format-pruefen.sh [FILES...]   (default: every tracked .cpp/.h)
set -uo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format fehlt (Debian: clang-format)"; exit 2; }
if [ $# -gt 0 ]; then dateien=("$@"); else mapfile -t dateien < <(git ls-files '*.cpp' '*.h'); fi
abweichend=0
for f in "${dateien[@]}"; do
    if ! clang-format --style=file --dry-run -Werror "$f" >/dev/null 2>&1; then
        echo "$f"
        abweichend=$((abweichend + 1))
    fi
done
echo "${abweichend} von ${#dateien[@]} Dateien weichen ab"
[ "$abweichend" -eq 0 ]
