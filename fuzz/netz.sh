#!/usr/bin/env bash
# Builds the classroom-exercise fuzz target (datagrams, messages, live-view
# model, exercise data file) with libFuzzer and the sanitizers, and runs it
# for a bounded time.
#   fuzz/netz.sh [SECONDS]      (default 300)
# Kept out of the CMake build and CI on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
OUT=$ROOT/build-fuzz
SECONDS_TO_RUN=${1:-300}
mkdir -p "$OUT/netz-corpus" "$OUT/netz-artifacts"

. "$ROOT/fuzz/clang.sh"

MOC=""
for m in /usr/lib/qt6/libexec/moc /usr/lib/qt6/bin/moc; do [ -x "$m" ] && { MOC=$m; break; }; done
"$MOC" "$ROOT/network/KontrollModell.h" -o "$OUT/moc_KontrollModell.cpp"
INCS="-I$ROOT/network -I$ROOT/exercise -I$ROOT/document -I$ROOT/view -I$ROOT/base $(pkg-config --cflags Qt6Gui)"
LIBS="$(pkg-config --libs Qt6Gui)"
SRCS="$ROOT/fuzz/netz_fuzz.cpp $ROOT/network/MailSlotNachricht.cpp $ROOT/network/TnNachricht.cpp \
      $ROOT/network/KontrollModell.cpp $OUT/moc_KontrollModell.cpp $ROOT/network/NetzDateien.cpp \
      $ROOT/base/Cp1252.cpp $ROOT/base/DateiSperre.cpp $ROOT/base/SichereDatei.cpp"
clang++ $FLAGS $INCS $SRCS $LIBS -o "$OUT/netz_fuzz"

# Seeds: one well-formed datagram of each kind and a data file.
cp -n "$ROOT"/fuzz/seeds/netz-* "$OUT/netz-corpus/" 2>/dev/null || true

"$OUT/netz_fuzz" "$OUT/netz-corpus" -max_total_time="$SECONDS_TO_RUN" -max_len=5000 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$OUT/netz-artifacts/" -print_final_stats=1
