#!/usr/bin/env bash
# Builds the Debian package from the already built tree and checks it: its
# contents and lintian's findings. Errors fail; warnings are listed.
# Usage: scripts/paket.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/pennoria_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/pennoria_*.deb)
echo "== $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
echo "== Inhalt"
dpkg-deb --contents "$deb"
if command -v lintian >/dev/null 2>&1; then
  echo "== lintian"
  start=$(date +%s)
  # Errors fail below; warnings and infos are listed.
  set +e
  lintian --tag-display-limit 0 -I "$deb" | tee "$build/lintian.txt"
  set -e
  echo "lintian: $(($(date +%s) - start)) s"
  if grep -q '^E: ' "$build/lintian.txt"; then
    echo "lintian meldet Fehler"
    exit 1
  fi
  echo "lintian: $(grep -c '^W: ' "$build/lintian.txt" || true) Warnungen"
else
  echo "lintian fehlt: scripts/install-deps.sh installiert es"
  exit 1
fi
