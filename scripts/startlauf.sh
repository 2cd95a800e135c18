# Shared set-up of the start-up scripts (sourced, not run): checks the built
# program, makes a scratch folder that is removed on exit, starts an Xvfb of
# its own when no display is set, and keeps runtime files and settings of
# the measured runs in the scratch folder. Sets PROGRAMM and ARBEIT.
BUILD_DIR=${BUILD_DIR:-build}
PROGRAMM="$BUILD_DIR/pennoria/pennoria"
[ -x "$PROGRAMM" ] || { echo "Zuerst bauen: $PROGRAMM fehlt." >&2; exit 1; }

ARBEIT=$(mktemp -d)
XVFB_PID=
aufraeumen() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$ARBEIT"
}
trap aufraeumen EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 >/dev/null 2>&1 &
      XVFB_PID=$!
      export DISPLAY=":$n"
      break
    fi
  done
  sleep 1
fi
export XDG_RUNTIME_DIR="$ARBEIT/laufzeit"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$ARBEIT/einstellungen"
