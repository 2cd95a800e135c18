#!/usr/bin/env bash
# Counts what a screen reader finds in Pennoria: starts the program under
# Xvfb with a session bus and the accessibility bus, and prints per screen
# how many interactive elements (focusable or with an action) have a name
# and how many have none, plus the unnamed, action-less "filler" boxes that
# look like controls (what custom controls show when nothing describes them).
#
# usage: scripts/barrierefreiheit.sh [BUILD_DIR] [DISPLAY_NUMBER]
# Screens: the start page, and for each of a single-question, a picture and
# a cloze document the quiz after "Quiz starten" is pressed through the
# accessibility bus; in a single-question quiz the first answer is pressed
# through the bus too and what the status line announced is printed.
# Needs xvfb, dbus-daemon, at-spi2-core and python3-pyatspi
# (scripts/install-deps.sh installs them).
set -euo pipefail

hier="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$hier/build}"
nummer="${2:-97}"
programm="$build/pennoria/pennoria"
[ -x "$programm" ] || programm="$(find "$build" -maxdepth 3 -type f -name pennoria -perm -u+x | head -n 1)"
if [ -z "$programm" ] || [ ! -x "$programm" ]; then
  echo "Programm nicht gefunden unter $build" >&2
  exit 1
fi
ordner="$(dirname "$programm")"
py=/usr/bin/python3
$py -c 'import pyatspi' 2>/dev/null || {
  echo "python3-pyatspi fehlt (scripts/install-deps.sh)" >&2
  exit 1
}

arbeit="$(mktemp -d)"
xvfb_pid=""
aufraeumen() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

Xvfb ":$nummer" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1

cat >"$arbeit/zaehlen.py" <<'EOF'
import sys, time, pyatspi

def finde_app(name, warten=20):
    ende = time.time() + warten
    while time.time() < ende:
        desk = pyatspi.Registry.getDesktop(0)
        for i in range(desk.childCount):
            a = desk.getChildAtIndex(i)
            if a is not None and name in (a.name or "").lower():
                return a
        time.sleep(0.5)
    return None

def gehen(knoten, tiefe=0):
    if knoten is None or tiefe > 40:
        return
    yield knoten
    try:
        n = knoten.childCount
    except Exception:
        return
    for i in range(min(n, 2000)):
        try:
            yield from gehen(knoten.getChildAtIndex(i), tiefe + 1)
        except Exception:
            pass

def aktionen(k):
    try:
        a = k.queryAction()
        return [a.getName(i) for i in range(a.nActions)]
    except Exception:
        return []

def zaehlen(app, bildschirm):
    benannt = unbenannt = fueller = 0
    ohne = []
    for k in gehen(app):
        try:
            s = k.getState()
            rolle = k.getRoleName()
        except Exception:
            continue
        if not s.contains(pyatspi.STATE_SHOWING) or rolle in ("menu item", "menu", "frame", "application"):
            continue
        name = (k.name or "").strip()
        akt = aktionen(k)
        if s.contains(pyatspi.STATE_FOCUSABLE) or akt:
            if name:
                benannt += 1
            else:
                unbenannt += 1
                ohne.append(rolle)
        elif rolle == "filler" and not name:
            try:
                g = k.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                if 0 < g.width <= 300 and 0 < g.height <= 120:
                    fueller += 1
            except Exception:
                pass
    if "-v" in sys.argv:
        for k in gehen(app):
            try:
                if k.getState().contains(pyatspi.STATE_SHOWING):
                    print("   ", k.getRoleName(), repr(k.name), aktionen(k))
            except Exception:
                pass
    print(f"{bildschirm}: benannt {benannt}, unbenannt {unbenannt}, unbenannte Füller {fueller}"
          + (f"  (ohne Namen: {', '.join(sorted(ohne))})" if ohne else ""))

def dialoge(app):
    for k in gehen(app):
        try:
            if k.getRoleName() == "dialog" and k.getState().contains(pyatspi.STATE_SHOWING):
                yield k
        except Exception:
            pass

def druecken(app, name, im_dialog=False):
    for k in (x for d in dialoge(app) for x in gehen(d)) if im_dialog else gehen(app):
        namen = [n.lower() for n in aktionen(k)]
        try:
            zeigt = k.getState().contains(pyatspi.STATE_SHOWING) and k.getRoleName() != "menu item"
        except Exception:
            zeigt = False
        if zeigt and (k.name or "") == name and "press" in namen:
            try:
                k.queryAction().doAction(namen.index("press"))
            except Exception:
                pass  # a modal window opened by the press holds the reply back
            return True
    return False

app = finde_app("pennoria")
if app is None:
    print("Programm nicht auf dem Barrierefreiheitsbus gefunden")
    sys.exit(1)
time.sleep(2)
titel = sys.argv[1]
if len(sys.argv) > 2:
    sys.argv.append(sys.argv[2])
zaehlen(app, f"Startseite ({titel})")
def optionen_bestaetigen():
    # The name and the options window may come first; their buttons start the run.
    for knopf in ("Quiz starten", "Übung starten"):
        time.sleep(2)
        druecken(app, knopf, im_dialog=True)
    time.sleep(2)

def ereignisse_beim_antworten(app, bildschirm):
    # What a screen reader hears after an answer given through the bus: the
    # name and value changes of the status line.
    from gi.repository import GLib
    gehoert = []
    gedrueckt = []
    def hoeren(e):
        try:
            if e.source.getRoleName() in ("status bar", "statusbar"):
                # The text the event carries: by the time it is read here the
                # line may already say the next thing.
                text = e.any_data if isinstance(e.any_data, str) and e.any_data else (e.source.name or "")
                if not gehoert or gehoert[-1] != text:
                    gehoert.append(text)
        except Exception:
            pass
    arten = ("object:property-change:accessible-name", "object:value-changed")
    for art in arten:
        pyatspi.Registry.registerEventListener(hoeren, art)
    def antworten():
        for k in gehen(app):
            try:
                if (k.name or "").startswith("Antwort 1 von") and k.getState().contains(pyatspi.STATE_SHOWING):
                    # With the key a pupil uses: a press through the bus
                    # would hold this script until the feedback is over.
                    import subprocess
                    fenster = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Pennoria"],
                                             capture_output=True, text=True).stdout.split()
                    if fenster:
                        subprocess.run(["xdotool", "windowfocus", "--sync", fenster[0]], capture_output=True)
                        subprocess.run(["xdotool", "key", "1"], capture_output=True)
                        gedrueckt.append(k.name)
                    break
            except Exception:
                pass
        return False
    GLib.timeout_add(500, antworten)
    GLib.timeout_add(5000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    for art in arten:
        pyatspi.Registry.deregisterEventListener(hoeren, art)
    if gedrueckt:
        print(f"Ansagen nach \"{gedrueckt[0]}\" ({bildschirm}): " + (" | ".join(gehoert) if gehoert else "keine"))

if druecken(app, "Quiz starten"):
    optionen_bestaetigen()
    zaehlen(app, f"Quiz ({titel})")
    ereignisse_beim_antworten(app, titel)
else:
    # Without a press action on the bus the quiz starts with its key (F7).
    import subprocess
    fenster = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Pennoria|Quiz|Flagge"],
                             capture_output=True, text=True).stdout.split()
    if fenster:
        subprocess.run(["xdotool", "windowfocus", "--sync", fenster[0]], capture_output=True)
        subprocess.run(["xdotool", "key", "F7"], capture_output=True)
        optionen_bestaetigen()
        zaehlen(app, f"Quiz ({titel}, mit F7 gestartet)")
    else:
        print(f"Quiz ({titel}): nicht gestartet")
EOF

for dok in flaggen-europa.tvl aufbau-einer-flagge.tvl farben-und-zeichen.tvl; do
  [ -f "$ordner/$dok" ] || continue
  heim="$arbeit/heim-$dok"
  mkdir -p "$heim/.config/Brinvale"
  # No name window and no sound: the quiz comes straight up.
  printf '[General]\nOpt-UebNameEingabe=0\nOpt-Sound=0\n' >"$heim/.config/Brinvale/Pennoria.conf"
  DISPLAY=":$nummer" HOME="$heim" XDG_CONFIG_HOME="$heim/.config" XDG_DATA_HOME="$heim/.local/share" \
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 \
    dbus-run-session -- bash -c '
      /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
      bus=$!
      sleep 1
      "$1" "$2" >/dev/null 2>&1 &
      prog=$!
      timeout 60 '"$py"' "$3" "$4" ${5:-} || true
      kill "$prog" 2>/dev/null || true
      wait "$prog" 2>/dev/null || true
      kill "$bus" 2>/dev/null || true
    ' _ "$programm" "$ordner/$dok" "$arbeit/zaehlen.py" "$dok" ${AUSFUEHRLICH:+-v}
done
