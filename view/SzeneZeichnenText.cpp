// Drawing one object of the scene: answer boxes, solution text, the visible text and the question's image.
#include "Szene.h"

#include "Flaggenfeld.h"
#include "ObjektZeichnung.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include "BildDatei.h"

#include <QPainter>

void AntwortkastenZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    if (!(z.Variante & 1) || !z.Abdeckbar())
        return;
    // Wider than the label towards its free side, with a margin, kept on
    // the sheet.
    int l = z.links, r = z.rechts;
    const int d = rnd((z.rechts - z.links) * 0.18);
    if (z.seite == 1)
        r += 2 * d;
    else if (z.seite == 3)
        l -= 2 * d;
    else {
        r += d;
        l -= d;
    }
    const int ix = rnd(z.W * 0.01), iy = rnd((z.unten - z.oben) * 0.1);
    l = qMax(l - ix, rnd(z.W * 0.005));
    r = qMin(r + ix, rnd(z.W * 0.995));
    const int t = qMax(z.oben - iy, rnd(z.H * 0.005));
    const int b = qMin(z.unten + iy, rnd(z.H * 0.995));
    const QRect antwort(l, t, r - l, b - t);
    RechteckZeichnen(p, antwort, Qt::black, Qt::white);
    RahmenZeichnen(p, antwort.adjusted(1, 1, -1, -1), Qt::black);
}

void LoesungstextZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    if (!(z.Variante & 2) || !z.Abdeckbar())
        return;
    p.setFont(ArialPixel(rnd(SchriftEinheiten(z.o.Fsize) * z.s)));
    p.setPen(QColor(255, 0, 0));
    TextKasten::Messen(p.font(), z.o.Cap, false, z.W).Zeichnen(p, z.TextRahmen(), z.o.TAusr);
}

void SichtbarenTextZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    const DokObjekt &o = z.o;
    const bool textZeigen =
        o.Typ == ObjektTyp::TextOhneAbdeckung
        || (z.Variante == 0
            && (((o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke) && o.Abdeckung == 0)
                || (o.Typ == ObjektTyp::Antwort && z.aktuell && o.Abdeckung == 0)
                || (o.Typ == ObjektTyp::FrageText && z.aktuell)
                || (o.Typ == ObjektTyp::AntwortKopf && z.aktuell && !z.modus3)));
    if (textZeigen && z.m.textGemessen) {
        p.setFont(z.m.font);
        p.setPen(z.C);
        z.m.kasten.Zeichnen(p, z.TextRahmen(), o.TAusr);
    }
}

bool Szene::FragebildZeichnen(QPainter &p, const ObjektZeichnung &z) const
{
    // The question's image, in the quiz only: centred in its room and
    // scaled with the scene, with a grey outline on its edge.
    if (!z.modus3 || z.o.Typ != ObjektTyp::FrageText || !z.aktuell || z.m.bildName.isEmpty())
        return true;
    const QString pfad = flaggenPfad(z.m.bildName);
    QImage flagge;
    if (pfad.isEmpty() || !PngLesenDatei(pfad, flagge))
        return false;
    const QRect ziel = FlaggeImFeld(flagge.size(), z.s, z.m.flaggenfeld);
    // One resampling from the source, area-averaged when shrinking: no
    // sharper or softer than the file allows at that size.
    if (ziel.size() != flagge.size())
        flagge = flagge.scaled(ziel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(ziel.topLeft(), flagge);
    RahmenZeichnen(p, ziel, FlaggenUmrissFarbe());
    RahmenZeichnen(p, Flaggenrahmen(z.m.flaggenfeld), Qt::black);
    return true;
}
