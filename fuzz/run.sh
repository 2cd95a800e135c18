#!/usr/bin/env bash
# Builds a reader fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for a bounded time.
#   fuzz/run.sh [SECONDS] [dokument|bestlist] [RUNS]   (default 300 s, dokument,
#                                                       no run limit)
# Kept out of the CMake build and CI on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
OUT=$ROOT/build-fuzz
SECONDS_TO_RUN=${1:-300}
ZIEL=${2:-dokument}
RUNS=${3:--1}
mkdir -p "$OUT/corpus-$ZIEL" "$OUT/artifacts"

. "$ROOT/fuzz/clang.sh"

LIBS="$(pkg-config --libs Qt6Gui libpng) -ljpeg -lz"
case "$ZIEL" in
  dokument)
    INCS="-I$ROOT/document -I$ROOT/base $(pkg-config --cflags Qt6Gui libpng)"
    SRCS="$ROOT/fuzz/dokument_fuzz.cpp $ROOT/document/DokumentDatei.cpp $ROOT/document/Dokument.cpp \
          $ROOT/base/Cp1252.cpp $ROOT/base/BildDatei.cpp $ROOT/base/SichereDatei.cpp"
    SEEDS="$ROOT/fuzz/seeds/*.tvl"
    MAXLEN=8192 ;;
  bestlist)
    INCS="-I$ROOT/scores -I$ROOT/base -I$ROOT/tests/scores $(pkg-config --cflags Qt6Gui)"
    SRCS="$ROOT/fuzz/bestlist_fuzz.cpp $ROOT/scores/BestListDatei.cpp $ROOT/scores/BestListSortierung.cpp \
          $ROOT/scores/Sanduhr.cpp $ROOT/base/Cp1252.cpp $ROOT/base/DateiSperre.cpp $ROOT/base/SichereDatei.cpp \
          $ROOT/base/AuswahlReihenfolge.cpp"
    SEEDS="$ROOT/fuzz/seeds/*.hsc"
    MAXLEN=4096 ;;
  *) echo "unknown target $ZIEL" >&2; exit 2 ;;
esac
clang++ $FLAGS $INCS $SRCS $LIBS -o "$OUT/${ZIEL}_fuzz"

# Seeds: small files written by the program's own writers.
cp -n $SEEDS "$OUT/corpus-$ZIEL/" 2>/dev/null || true

"$OUT/${ZIEL}_fuzz" "$OUT/corpus-$ZIEL" -max_total_time="$SECONDS_TO_RUN" -runs="$RUNS" -max_len=$MAXLEN \
  -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$OUT/artifacts/$ZIEL-" -print_final_stats=1
