#!/usr/bin/env bash
# Opens the worksheets of the test documents in the programs teachers use:
# every EMF and WMF (worksheet, solution sheet, overlay) is converted to PDF
# by LibreOffice and by Inkscape, and the texts of the converted page are
# compared with the page as Pennoria draws it (its own PDF): all texts
# present, each within a few page units of its place. The flag sheets must
# show their flags (coloured pixels where the pictures are).
#
# Needs: build/bin/tvl, soffice (libreoffice-draw), inkscape, pdftotext and
# pdftoppm (poppler-utils), python3. Not part of CI: LibreOffice is large.
# Usage: scripts/arbeitsblatt-fremdpruefung.sh [AUSGABEORDNER]
set -euo pipefail
cd "$(dirname "$0")/.."
TVL=${TVL:-build/bin/tvl}
AUS=${1:-build/arbeitsblatt-fremdpruefung}
TOLERANZ=${TOLERANZ:-6}
DOKUMENTE=(aufbau-einer-flagge farben-und-zeichen flaggen-europa)
ARTEN=(arbeitsblatt loesung folie)

for p in "$TVL" soffice inkscape pdftotext pdftoppm python3; do
  command -v "$p" >/dev/null || [ -x "$p" ] || { echo "FEHLT: $p" >&2; exit 2; }
done
rm -rf "$AUS"
mkdir -p "$AUS"/{eigen,lo-emf,lo-wmf,ink-emf,ink-wmf}

for d in "${DOKUMENTE[@]}"; do
  for a in "${ARTEN[@]}"; do
    for e in emf wmf pdf; do
      ziel="$AUS/eigen/$d-$a.$e"
      [ "$e" = pdf ] || ziel="$AUS/$d-$a.$e"
      "$TVL" arbeitsblatt "content/$d.tvl" -o "$ziel" --art "$a" --progordner content
    done
  done
done

# LibreOffice: one profile of its own so a running office is not touched.
profil="$AUS/lo-profil"
for e in emf wmf; do
  soffice -env:UserInstallation="file://$(realpath "$AUS")/lo-profil" --headless \
    --convert-to pdf --outdir "$AUS/lo-$e" "$AUS"/*."$e" >"$AUS/lo-$e.log" 2>&1
  for f in "$AUS"/*."$e"; do
    n=$(basename "$f" ."$e")
    inkscape "$f" --export-type=pdf --export-filename="$AUS/ink-$e/$n.pdf" >>"$AUS/ink-$e.log" 2>&1 || true
  done
done
rm -rf "$profil"

python3 - "$AUS" "$TOLERANZ" "${DOKUMENTE[@]}" <<'PY'
import html, os, re, subprocess, sys

aus, toleranz, dokumente = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
arten = ["arbeitsblatt", "loesung", "folie"]
wort_re = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')

def woerter(pdf):
    if not os.path.exists(pdf):
        return None
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True).stdout
    return [(html.unescape(m.group(5)), *map(float, m.group(1, 2, 3, 4))) for m in wort_re.finditer(out)]

def abbildung(w):
    # Page units from two anchors: "Name:" is the top-left (0, 0), the end
    # of the web address in the footer is x 1000; units are square.
    name = next((x for x in w if x[0] == "Name:"), None)
    adresse = next((x for x in w if x[0].startswith("https://")), None)
    if not (name and adresse):
        return None
    s = 1000.0 / (adresse[3] - name[1])
    return lambda x, y: ((x - name[1]) * s, (y - name[2]) * s)

def normal(t):
    # Readers split or join runs at punctuation differently.
    return t.strip(".,:;!?()-")

def vergleich(ref, test, karte_ref, karte_test):
    # Each word of our page is looked for among the unused words of the
    # converted page with the same text, the nearest one counting.
    fehlend, abw = [], 0.0
    rest = [(normal(w[0]), *karte_test(w[1], w[2])) for w in test]
    for t, x0, y0, x1, y1 in ref:
        t = normal(t)
        if not t:
            continue
        rx, ry = karte_ref(x0, y0)
        kandidaten = [i for i, w in enumerate(rest) if w[0] == t]
        if not kandidaten:
            fehlend.append(t)
            continue
        i = min(kandidaten, key=lambda k: abs(rest[k][1] - rx) + abs(rest[k][2] - ry))
        abw = max(abw, abs(rest[i][1] - rx), abs(rest[i][2] - ry))
        del rest[i]
    return fehlend, abw

fehler = 0
for werkzeug in ["lo-emf", "lo-wmf", "ink-emf", "ink-wmf"]:
    for d in dokumente:
        ref_l = woerter(f"{aus}/eigen/{d}-loesung.pdf")
        test_l = woerter(f"{aus}/{werkzeug}/{d}-loesung.pdf")
        if test_l is None:
            print(f"FEHLER {werkzeug} {d}: keine PDF-Datei erzeugt"); fehler += 1; continue
        karte_ref, karte_test = abbildung(ref_l), abbildung(test_l)
        if karte_test is None:
            print(f"FEHLER {werkzeug} {d}: Kopf- oder Fußzeile fehlt"); fehler += 1; continue
        for a in arten:
            ref = woerter(f"{aus}/eigen/{d}-{a}.pdf")
            test = woerter(f"{aus}/{werkzeug}/{d}-{a}.pdf")
            if test is None:
                print(f"FEHLER {werkzeug} {d}-{a}: keine PDF-Datei"); fehler += 1; continue
            fehlend, abw = vergleich(ref, test, karte_ref, karte_test)
            ok = not fehlend and abw <= toleranz
            fehler += 0 if ok else 1
            print(f"{'OK    ' if ok else 'FEHLER'} {werkzeug:8} {d}-{a:13} {len(ref):4} Wörter, "
                  f"größte Abweichung {abw:5.1f} Einheiten" + (f", fehlend: {fehlend[:8]}" if fehlend else ""))
        # The flags: coloured pixels on the solution sheet's page.
        if "flaggen" in d:
            png = f"{aus}/{werkzeug}/{d}-loesung"
            subprocess.run(["pdftoppm", "-r", "40", "-png", "-singlefile", png + ".pdf", png], check=True)
            bunt = subprocess.run(["convert", png + ".png", "-colorspace", "HSL", "-channel", "G", "-separate",
                                   "-threshold", "50%", "-format", "%[fx:mean*w*h]", "info:"],
                                  capture_output=True, text=True).stdout.strip()
            ok = bunt and float(bunt) > 500
            fehler += 0 if ok else 1
            print(f"{'OK    ' if ok else 'FEHLER'} {werkzeug:8} {d}-loesung: {bunt or '?'} farbige Bildpunkte (Flaggen)")
sys.exit(1 if fehler else 0)
PY
