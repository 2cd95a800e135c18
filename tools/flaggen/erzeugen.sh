#!/usr/bin/env bash
# Regenerates the bundled content of the program folder (content/) from the
# curated country table and the public-domain flag collection of the npm
# package svg-country-flags. The outputs are committed, so building the
# program needs none of this. Needs: npm, rsvg-convert (Debian librsvg2-bin),
# cmake, Qt 6, and a built tvl (TVL=path/to/tvl, default build/bin/tvl).
#
#   tools/flaggen/erzeugen.sh            everything
#   tools/flaggen/erzeugen.sh dokumente  only the documents (no download)
set -euo pipefail
hier="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$hier/../.." && pwd)"
tvl="${TVL:-$repo/build/bin/tvl}"
arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT

cmake -S "$hier" -B "$arbeit/bau" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$arbeit/bau" >/dev/null
flaggen="$arbeit/bau/flaggen"

if [ "${1:-alles}" = alles ]; then
  # The collection is unpacked outside the repository and never committed.
  (cd "$arbeit" && npm pack --silent svg-country-flags@1.2.10 >/dev/null && tar xzf svg-country-flags-*.tgz)
  rm -f "$repo"/content/Flaggen/*.png
  "$flaggen" flaggen "$hier/laender.csv" "$arbeit/package/svg" "$repo/content/Flaggen" "$hier/proportionen.csv"
  "$flaggen" klaenge "$repo/content/sound"
  "$flaggen" bilder "$repo/content/Flaggen" "$hier/bilder" "$repo/content/data/pennor.png"
fi

# Flag documents from the table; the labelling and cloze documents are
# described by hand in beschreibungen/.
"$flaggen" beschreibungen "$hier/laender.csv" "$hier/beschreibungen"
for beschreibung in "$hier"/beschreibungen/*.json; do
  name="$(basename "$beschreibung" .json)"
  "$tvl" bau "$beschreibung" -o "$repo/content/$name.tvl"
done
