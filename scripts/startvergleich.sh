#!/usr/bin/env bash
# Start-up comparison (not part of CI): builds a bare Qt 6 main window with a
# menu bar (bench/LeeresFenster.cpp) and starts it and the program
# interleaved, RUNDEN times each, under Xvfb: the program over a folder of 8
# topic documents and over one of 5000. Each reports its first paint itself
# (PENNORIA_STARTMESSUNG, see app/StartMessung.*); /usr/bin/time gives the
# peak memory. Prints the medians, the ratio to the bare window, both peak
# memories and the cost of 5000 documents over 8, with the machine's load.
#
#   scripts/startvergleich.sh [RUNDEN]      (BUILD_DIR, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNDEN=${1:-20}
. scripts/startlauf.sh

# The bare window, built as the program is (optimised, same Qt).
LEER="$BUILD_DIR/leeres-fenster"
if [ ! -x "$LEER" ] || [ bench/LeeresFenster.cpp -nt "$LEER" ] || [ app/StartMessung.cpp -nt "$LEER" ]; then
  # shellcheck disable=SC2046
  g++ -std=c++20 -O2 -g -fPIC -Iapp bench/LeeresFenster.cpp app/StartMessung.cpp -o "$LEER" \
    $(pkg-config --cflags --libs Qt6Widgets)
fi

# 8 documents as scripts/startzeit.sh uses, and 5000 copies of them.
mkdir "$ARBEIT/acht" "$ARBEIT/fuenftausend"
find "$BUILD_DIR/pennoria" -maxdepth 1 -name '*.tvl' | sort | head -n 8 | xargs -I{} cp {} "$ARBEIT/acht/"
mapfile -t acht < <(find "$ARBEIT/acht" -name '*.tvl' | sort)
[ "${#acht[@]}" -eq 8 ] || { echo "Weniger als 8 Dokumente." >&2; exit 1; }
for ((i = 0; i < 5000; i++)); do
  cp "${acht[i % 8]}" "$ARBEIT/fuenftausend/$(printf 'd%04d' $(((i * 7919) % 5000))).tvl"
done

# One start: prints "ms KB".
lauf() {
  local ausgabe zeit spitze
  ausgabe=$(PENNORIA_STARTMESSUNG=$(date +%s%N) PENNORIA_STARTMESSUNG_ENDE=1 \
    /usr/bin/time -f "Spitze: %M KB" "$@" 2>&1 >/dev/null)
  zeit=$(sed -n 's/^Startzeit: \([0-9.]*\) ms$/\1/p' <<<"$ausgabe")
  spitze=$(sed -n 's/^Spitze: \([0-9]*\) KB$/\1/p' <<<"$ausgabe")
  [ -n "$zeit" ] && [ -n "$spitze" ] || { echo "keine Startzeit: $*" >&2; echo "$ausgabe" >&2; exit 1; }
  echo "$zeit $spitze"
}

median() { sort -n | awk '{ z[NR] = $1 } END { print (NR % 2) ? z[(NR + 1) / 2] : (z[NR / 2] + z[NR / 2 + 1]) / 2 }'; }

echo "Last vorher: $(cut -d' ' -f1-3 /proc/loadavg)"
: >"$ARBEIT/leer" ; : >"$ARBEIT/p8" ; : >"$ARBEIT/p5000"
for ((r = 1; r <= RUNDEN; r++)); do
  # A new order each round, so drifting load hits all three alike.
  for art in $(printf 'leer\np8\np5000\n' | shuf); do
    case $art in
      leer) lauf "$LEER" >>"$ARBEIT/leer" ;;
      p8) lauf "$PROGRAMM" "$ARBEIT/acht/" >>"$ARBEIT/p8" ;;
      p5000) lauf "$PROGRAMM" "$ARBEIT/fuenftausend/" >>"$ARBEIT/p5000" ;;
    esac
  done
done
echo "Last nachher: $(cut -d' ' -f1-3 /proc/loadavg)"

zl=$(cut -d' ' -f1 "$ARBEIT/leer" | median); sl=$(cut -d' ' -f2 "$ARBEIT/leer" | median)
z8=$(cut -d' ' -f1 "$ARBEIT/p8" | median); s8=$(cut -d' ' -f2 "$ARBEIT/p8" | median)
z5=$(cut -d' ' -f1 "$ARBEIT/p5000" | median); s5=$(cut -d' ' -f2 "$ARBEIT/p5000" | median)
awk -v zl="$zl" -v sl="$sl" -v z8="$z8" -v s8="$s8" -v z5="$z5" -v s5="$s5" -v n="$RUNDEN" 'BEGIN {
  printf "Mediane aus je %d Laeufen (abwechselnd):\n", n
  printf "  leeres Qt-Fenster:        %7.1f ms  Spitze %6.1f MiB\n", zl, sl / 1024
  printf "  Programm, 8 Dokumente:    %7.1f ms  Spitze %6.1f MiB\n", z8, s8 / 1024
  printf "  Programm, 5000 Dokumente: %7.1f ms  Spitze %6.1f MiB\n", z5, s5 / 1024
  printf "Verhaeltnis Startzeit Programm/leer: %.2f\n", z8 / zl
  printf "Verhaeltnis Spitze Programm/leer:    %.2f\n", s8 / sl
  printf "5000 minus 8 Dokumente:              %+.1f ms\n", z5 - z8
}'
