#!/usr/bin/env bash
# Start-up measurement (not part of CI): starts the program RUNDEN times
# under Xvfb over a folder of 8 topic documents and prints, per run, the time
# from launch until the main window's first paint has been handled, and the
# peak memory; then the median. Uses the program folder of BUILD_DIR
# (default build), which must have been built before.
#
#   scripts/startzeit.sh [RUNDEN]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNDEN=${1:-15}
. scripts/startlauf.sh

mkdir "$ARBEIT/themen"
find "$BUILD_DIR/pennoria" -maxdepth 1 -name '*.tvl' | sort | head -n 8 | xargs -I{} cp {} "$ARBEIT/themen/"
[ "$(find "$ARBEIT/themen" -name '*.tvl' | wc -l)" -eq 8 ] || { echo "Weniger als 8 Dokumente." >&2; exit 1; }

zeiten=()
for ((r = 1; r <= RUNDEN; r++)); do
  ausgabe=$(PENNORIA_STARTMESSUNG=$(date +%s%N) PENNORIA_STARTMESSUNG_ENDE=1 \
    /usr/bin/time -f "Spitze: %M KB" "$PROGRAMM" "$ARBEIT/themen/" 2>&1 >/dev/null)
  zeit=$(sed -n 's/^Startzeit: \([0-9.]*\) ms$/\1/p' <<<"$ausgabe")
  spitze=$(sed -n 's/^Spitze: \([0-9]*\) KB$/\1/p' <<<"$ausgabe")
  [ -n "$zeit" ] || { echo "Lauf $r: keine Startzeit" >&2; echo "$ausgabe" >&2; exit 1; }
  echo "Lauf $r: $zeit ms, Spitze $((spitze / 1024)) MB"
  zeiten+=("$zeit")
done
printf '%s\n' "${zeiten[@]}" | sort -n | awk '{ z[NR] = $1 } END {
  printf "Median %.1f ms (kleinste %.1f, groesste %.1f) aus %d Laeufen\n", z[int((NR + 1) / 2)], z[1], z[NR], NR }'
