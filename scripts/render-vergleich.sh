#!/usr/bin/env bash
# Renders every shipped topic document with two builds of tvl and compares the pictures byte for byte,
# to show that a change leaves what the program draws alone. For each document: the learning view,
# the quiz view, the quiz view with everything uncovered, the first three questions (single-question
# documents ask them one at a time), a zoomed view, with a fixed random seed; and its worksheet,
# solution sheet and overlay as PNG.
# Usage: scripts/render-vergleich.sh TVL_VORHER TVL_NACHHER [DOKUMENTE...]   (default: content/*.tvl)
set -uo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { echo "Aufruf: $0 TVL_VORHER TVL_NACHHER [DOKUMENTE...]"; exit 2; }
vorher=$(realpath "$1"); nachher=$(realpath "$2"); shift 2
if [ $# -gt 0 ]; then dokumente=("$@"); else dokumente=(content/*.tvl); fi
ordner=$(mktemp -d); trap 'rm -rf "$ordner"' EXIT
varianten=(
  "render --modus 2 --saat 7" "render --modus 3 --saat 7" "render --modus 3 --aufdecken --saat 7"
  "render --modus 2 --nummerierung 2 --saat 7" "render --modus 3 --frage 1 --saat 7"
  "render --modus 3 --frage 2 --saat 7" "render --modus 2 --frage 3 --saat 7"
  "render --modus 3 --zoom 2 --groesse 700x500 --saat 7"
  "arbeitsblatt --art arbeitsblatt" "arbeitsblatt --art loesung" "arbeitsblatt --art folie"
)
gleich=0; verschieden=0
for d in "${dokumente[@]}"; do
  for v in "${varianten[@]}"; do
    # shellcheck disable=SC2086
    "$vorher" ${v%% *} "$d" -o "$ordner/a.png" ${v#* } --progordner content >"$ordner/a.txt" 2>&1; sa=$?
    # shellcheck disable=SC2086
    "$nachher" ${v%% *} "$d" -o "$ordner/b.png" ${v#* } --progordner content >"$ordner/b.txt" 2>&1; sb=$?
    if [ $sa -eq $sb ] && cmp -s "$ordner/a.txt" "$ordner/b.txt" \
        && { [ $sa -ne 0 ] || cmp -s "$ordner/a.png" "$ordner/b.png"; }; then
      gleich=$((gleich + 1))
    else
      verschieden=$((verschieden + 1)); echo "VERSCHIEDEN: $d $v"
    fi
    rm -f "$ordner"/a.* "$ordner"/b.*
  done
done
echo "$gleich gleich, $verschieden verschieden"
[ $verschieden -eq 0 ]
