#!/usr/bin/env bash
# Builds the document-reader fuzz target with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs it for a bounded time.
#   fuzz/run.sh [SECONDS]      (default 300)
# Kept out of the CMake build and CI on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
OUT=$ROOT/build-fuzz
SECONDS_TO_RUN=${1:-300}
mkdir -p "$OUT/corpus" "$OUT/artifacts"

if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev || \
  $SUDO apt-get install -y -qq --no-install-recommends clang
fi

FLAGS="-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
INCS="-I$ROOT/document -I$ROOT/base $(pkg-config --cflags Qt6Gui libpng)"
LIBS="$(pkg-config --libs Qt6Gui libpng) -ljpeg -lz"
SRCS="$ROOT/fuzz/dokument_fuzz.cpp $ROOT/document/DokumentDatei.cpp $ROOT/document/Dokument.cpp \
      $ROOT/base/Cp1252.cpp $ROOT/base/BildDatei.cpp"
clang++ $FLAGS $INCS $SRCS $LIBS -o "$OUT/dokument_fuzz"

# Seeds: small documents written by the program's own writer.
cp -n "$ROOT"/fuzz/seeds/*.tvl "$OUT/corpus/" 2>/dev/null || true

"$OUT/dokument_fuzz" "$OUT/corpus" -max_total_time="$SECONDS_TO_RUN" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$OUT/artifacts/" -print_final_stats=1
