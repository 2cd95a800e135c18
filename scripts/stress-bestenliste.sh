#!/usr/bin/env bash
# Stress test for shared high-score lists (not part of CI): PROZESSE processes
# append ANZAHL results each to one list at the same time, through the
# program's own entry with its 5 x 100 ms retries, while LESER processes read
# the list again and again. Afterwards every record must be present exactly
# once and intact, and no read may have seen a damaged record. Prints
# records/s and retries.
#
#   scripts/stress-bestenliste.sh [PROZESSE] [ANZAHL] [LESER]
# BUILD_DIR (default build-stress) is configured with the benchmarks on.
set -euo pipefail
cd "$(dirname "$0")/.."
PROZESSE=${1:-8}
ANZAHL=${2:-1000}
LESER=${3:-2}
BUILD_DIR=${BUILD_DIR:-build-stress}

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DPENNORIA_BENCHMARKS=ON -DPENNORIA_TESTS=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" --target hsc_stress >/dev/null
TREIBER=$(find "$BUILD_DIR" -name hsc_stress -type f -perm -u+x | head -n1)

ARBEIT=$(mktemp -d)
trap 'rm -rf "$ARBEIT"' EXIT
LISTE="$ARBEIT/Stress.hsc"

leser_pids=()
for ((l = 0; l < LESER; l++)); do
  "$TREIBER" lesen "$LISTE" "$PROZESSE" "$ANZAHL" >"$ARBEIT/leser-$l.txt" &
  leser_pids+=($!)
done
start=$(date +%s.%N)
pids=()
for ((id = 0; id < PROZESSE; id++)); do
  "$TREIBER" schreiben "$LISTE" "$id" "$ANZAHL" >"$ARBEIT/out-$id.txt" &
  pids+=($!)
done
fehler=0
for pid in "${pids[@]}"; do
  wait "$pid" || fehler=1
done
ende=$(date +%s.%N)
for pid in "${leser_pids[@]}"; do
  wait "$pid" || fehler=1
done

cat "$ARBEIT"/out-*.txt
[ "$LESER" -gt 0 ] && cat "$ARBEIT"/leser-*.txt
summe() { sed -n "s/.*$1=\([0-9]*\).*/\1/p" "$ARBEIT"/out-*.txt | awk '{s += $1} END {print s + 0}'; }
wiederholungen=$(summe wiederholungen)
verloren=$(summe verloren)
gesamt=$((PROZESSE * ANZAHL))
awk -v n="$gesamt" -v a="$start" -v b="$ende" \
  'BEGIN {printf "Datensaetze: %d in %.2f s = %.0f Datensaetze/s\n", n, b - a, n / (b - a)}'
echo "Wiederholungen (100-ms-Pausen): $wiederholungen; nach 5 Versuchen gescheitert: $verloren"
echo "Dateigroesse: $(stat -c %s "$LISTE") Bytes"

if "$TREIBER" pruefen "$LISTE" "$PROZESSE" "$ANZAHL"; then
  echo "OK: jeder Datensatz ist genau einmal und unversehrt vorhanden."
else
  fehler=1
fi
exit $fehler
