#!/usr/bin/env bash
# Makes the metainfo's screenshot (app/desktop/pennoria-quiz.png) from the
# built program on a virtual display: the Europe quiz, started with F7 and
# the options dialog's "Übung starten", with a participant's name.
# Usage: scripts/bildschirmfoto.sh [display, default :99]
set -euo pipefail
cd "$(dirname "$0")/.."
anzeige=${1:-:99}
ziel=app/desktop/pennoria-quiz.png
tmp=$(mktemp -d)
pids=()
aufraeumen() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap aufraeumen EXIT
Xvfb "$anzeige" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$anzeige
# A window manager, so the program's window gets the keyboard focus.
if command -v openbox >/dev/null 2>&1; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
unset QT_QPA_PLATFORM
build/pennoria/pennoria build/pennoria/flaggen-europa.tvl &
pids+=($!)
fenster=""
for _ in $(seq 50); do
  fenster=$(xdotool search --name "Brinvale Pennoria" 2>/dev/null | head -n 1 || true)
  [ -n "$fenster" ] && break
  sleep 0.2
done
[ -n "$fenster" ] || { echo "Kein Fenster von Pennoria erschienen" >&2; exit 1; }
sleep 2
xdotool windowactivate --sync "$fenster" 2>/dev/null || xdotool windowfocus "$fenster"
xdotool key F7
# The exercise options come first; Return starts the quiz.
sleep 2
xdotool key Return
# Then the participant's name.
sleep 2
xdotool type --delay 50 "Anna"
xdotool key Return
sleep 4
import -window "$fenster" "$tmp/bild.png"
# Stripped of dates and names of the tools, so the file changes only with the picture.
convert "$tmp/bild.png" -strip "$ziel"
identify "$ziel"
