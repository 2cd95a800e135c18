// The flag gallery of the learning view: a page of flags with their names
// under covers, drawn into the scene so that zoom, the drawing tools and the
// view's output work on it as on any picture.
#include "BildDatei.h"
#include "FlaggenGalerie.h"
#include "Runden.h"
#include "Szene.h"
#include "Zeichenhilfen.h"

#include <QPainter>

namespace {
const QColor GalerieGrund(250, 250, 247);
const QColor DeckRand(70, 125, 187), DeckFlaeche(202, 228, 255);
const QColor KnopfFarbe(0, 0, 255), KnopfAus(192, 192, 192);

// The largest Arial em height not above emPixel at which text fits breite.
QFont Passend(const QString &text, int emPixel, int breite)
{
    int em = qMax(1, emPixel);
    QFont f = ArialPixel(em);
    while (em > 6 && QFontMetrics(f).horizontalAdvance(text) > breite)
        f = ArialPixel(--em);
    return f;
}
} // namespace

double Szene::GalerieMassstab() const
{
    // The picture's own width over 870: the scale unit follows the display
    // width, which a wide window makes wider than the zoomed picture.
    return SzenenBild.width() / 870.0;
}

bool Szene::GalerieAktiv() const
{
    return Zustand.AnsichtModus == AnsichtArt::Startseite && LernansichtSichtbar
           && !GalerieEintraege(Zustand.Dok).isEmpty();
}

void Szene::GalerieZuruecksetzen()
{
    GalerieSeite = 0;
    GalerieOffen.clear();
}

int Szene::GalerieSeiten() const
{
    return GalerieAufteilen(SzenenBild.size(), GalerieMassstab()).Seiten(int(GalerieEintraege(Zustand.Dok).size()));
}

void Szene::GalerieBlaettern(int seite)
{
    GalerieSeite = qBound(0, seite, GalerieSeiten() - 1);
    GalerieZeichnen();
    ZeichnungenVorhanden = false;
    AnsichtZeigen();
}

void Szene::GalerieZeichnen()
{
    const QList<GalerieEintrag> eintraege = GalerieEintraege(Zustand.Dok);
    const GalerieRaster r = GalerieAufteilen(SzenenBild.size(), GalerieMassstab());
    const int seiten = r.Seiten(int(eintraege.size()));
    GalerieSeite = qBound(0, GalerieSeite, seiten - 1);
    SzenenBild.fill(GalerieGrund);
    {
        QPainter p(&SzenenBild);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (int k = 0; k < r.ProSeite(); ++k) {
            const qsizetype i = qsizetype(GalerieSeite) * r.ProSeite() + k;
            if (i >= eintraege.size())
                break;
            const QRect feld = r.Flaggenfeld(k);
            QImage flagge;
            const QString pfad = flaggenPfad(eintraege[i].bild);
            // A missing or damaged image leaves an empty frame; the name
            // below still tells which flag belongs there.
            if (!pfad.isEmpty() && PngLesenDatei(pfad, flagge) && !flagge.isNull()) {
                const QRect ziel = GalerieFlaggeImFeld(flagge.size(), feld);
                p.drawImage(ziel, flagge);
                RahmenZeichnen(p, ziel.adjusted(-1, -1, 1, 1), QColor(96, 96, 96));
            } else {
                RahmenZeichnen(p, feld, QColor(176, 176, 176));
            }
        }
        if (seiten > 1) {
            const double s = GalerieMassstab();
            const QFont knopf = ArialPixel(rnd(16 * s), true);
            const auto scheibe = [&](const QRect &k, const QString &text, bool an) {
                const QColor c = an ? KnopfFarbe : KnopfAus;
                ScheibeZeichnen(p, k, c, Abgedunkelt(c), text, knopf, Qt::white);
            };
            scheibe(r.zurueck, "<", GalerieSeite > 0);
            scheibe(r.weiter, ">", GalerieSeite < seiten - 1);
            const QString text = QString("Seite %1 von %2").arg(GalerieSeite + 1).arg(seiten);
            p.setFont(Passend(text, rnd(18 * s), r.seitenText.width()));
            p.setPen(Qt::black);
            const QFontMetrics fm(p.font());
            TextAus(p, r.seitenText.center().x(), r.seitenText.top() + (r.seitenText.height() - fm.height()) / 2, text,
                    Qt::AlignHCenter);
        }
    }
    for (int k = 0; k < r.ProSeite(); ++k)
        GalerieNameZeichnen(k, false);
    BildUebernehmen(HintergrundBild, SzenenBild);
    BildUebernehmen(ObjekteBild, SzenenBild);
}

void Szene::GalerieNameZeichnen(int zelle, bool kopieren)
{
    const QList<GalerieEintrag> eintraege = GalerieEintraege(Zustand.Dok);
    const GalerieRaster r = GalerieAufteilen(SzenenBild.size(), GalerieMassstab());
    const qsizetype i = qsizetype(GalerieSeite) * r.ProSeite() + zelle;
    const QRect box = r.Namensfeld(zelle);
    if (zelle < 0 || i >= eintraege.size() || box.isEmpty())
        return;
    {
        QPainter p(&SzenenBild);
        p.fillRect(box, GalerieGrund);
        const bool offen = GalerieOffen.contains(eintraege[i].frage);
        const QString text = offen ? eintraege[i].name : QStringLiteral("?");
        if (!offen)
            RechteckZeichnen(p, box, DeckRand, DeckFlaeche);
        p.setFont(Passend(text, box.height() * 2 / 3, box.width() - 4));
        p.setPen(Qt::black);
        const QFontMetrics fm(p.font());
        TextAus(p, box.center().x(), box.top() + (box.height() - fm.height()) / 2, text, Qt::AlignHCenter);
    }
    if (!kopieren)
        return;
    BlockKopieren(ObjekteBild, box.topLeft(), SzenenBild, box);
    BlockKopieren(AnzeigeBild, box.topLeft() - QPoint(ScrollX, ScrollY), SzenenBild, box);
    sauberVeraltet = true;
    if (Anzeige)
        Anzeige->BereichAuffrischen(box.translated(-ScrollX, -ScrollY));
}

void Szene::GalerieNamenNeuZeichnen()
{
    const GalerieRaster r = GalerieAufteilen(SzenenBild.size(), GalerieMassstab());
    for (int k = 0; k < r.ProSeite(); ++k)
        GalerieNameZeichnen(k, true);
    if (Anzeige)
        Anzeige->Auffrischen();
}

KlickErgebnis Szene::GalerieKlick(QPoint steuerPixel)
{
    KlickErgebnis e;
    const QPointF f = SteuerNachBruch(steuerPixel);
    const QPoint p(rnd(f.x() * SzenenBild.width()), rnd(f.y() * SzenenBild.height()));
    const QList<GalerieEintrag> eintraege = GalerieEintraege(Zustand.Dok);
    const GalerieRaster r = GalerieAufteilen(SzenenBild.size(), GalerieMassstab());
    const int seiten = r.Seiten(int(eintraege.size()));
    const int richtung = seiten > 1 && r.zurueck.contains(p) ? -1 : (seiten > 1 && r.weiter.contains(p) ? 1 : 0);
    if (richtung != 0) {
        const int vorher = GalerieSeite;
        GalerieBlaettern(GalerieSeite + richtung);
        if (GalerieSeite != vorher)
            e.aktion = KlickAktion::Navigiert;
        return e;
    }
    const int k = r.ZelleAn(p);
    const qsizetype i = qsizetype(GalerieSeite) * r.ProSeite() + k;
    if (k < 0 || i >= eintraege.size())
        return e;
    const int frage = eintraege[i].frage;
    if (!GalerieOffen.remove(frage))
        GalerieOffen.insert(frage);
    GalerieNameZeichnen(k, true);
    e.aktion = KlickAktion::Umgeschaltet;
    return e;
}
