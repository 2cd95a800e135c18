#!/usr/bin/env bash
# Checks the C++ sources against .clang-format without changing them; lists the files that differ.
# Usage: scripts/format-pruefen.sh [FILES...]   (default: every tracked .cpp/.h)
# One clang-format run over all files, so the whole tree takes about a second.
set -uo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format fehlt (Debian: clang-format)"; exit 2; }
if [ $# -gt 0 ]; then dateien=("$@"); else mapfile -t dateien < <(git ls-files '*.cpp' '*.h'); fi
[ ${#dateien[@]} -gt 0 ] || { echo "keine Dateien"; exit 2; }
# clang-format stops silently at a missing file, so look first.
for f in "${dateien[@]}"; do [ -f "$f" ] || { echo "$f: Datei fehlt" >&2; exit 2; }; done
ausgabe=$(clang-format --style=file --dry-run "${dateien[@]}" 2>&1 >/dev/null)
status=$?
# Each differing place is reported as "FILE:LINE:COLUMN: warning: ..."; anything else is a real error
# (unreadable file, broken .clang-format).
abweichend=$(grep -oE '^[^:]+:[0-9]+:[0-9]+: warning: ' <<<"$ausgabe" | cut -d: -f1 | sort -u)
fehler=$(grep -E '^[^:]+:[0-9]+:[0-9]+: error: |^(error|Error|Invalid|YAML)' <<<"$ausgabe")
if [ -n "$fehler" ] || { [ $status -ne 0 ] && [ -z "$abweichend" ]; }; then
    echo "$ausgabe" >&2
    exit 2
fi
[ -n "$abweichend" ] && echo "$abweichend"
anzahl=$(grep -c . <<<"$abweichend")
echo "${anzahl} von ${#dateien[@]} Dateien weichen ab"
[ "$anzahl" -eq 0 ]
