// Whether the parts of a single question's card stay apart in the quiz, computed without drawing.
#include "KartenPruefung.h"

#include "AntwortRaster.h"
#include "Flaggenfeld.h"
#include "ObjektMass.h"
#include "Szene.h"
#include "UebTexte.h"

#include "Dienste.h"

#include <QFontMetrics>

namespace {
QString Kurz(const QString &text)
{
    const QString t = TextNormalisieren(text);
    return t.size() > 30 ? t.left(29) + QChar(0x2026) : t;
}
} // namespace

KartenPruefung::KartenPruefung(const Dokument &dok, QSize steuer)
{
    zustand.Dok = dok;
    szene = std::make_unique<Szene>(zustand, Dienste{});
    szene->SteuerGroesse = steuer;
    szene->Zustand.AnsichtModus = AnsichtArt::Quiz;
    szene->ZoomSetzen(0);
    szene->Ausschnitt = {0, 0, 1, 1};
    // The sizes a quiz's rebuild gives the display and the scene; nothing
    // is resampled or drawn.
    szene->BasisBildEinpassen(szene->AnzeigeBild, steuer.width(), steuer.height(), 1, true);
    szene->BasisBildEinpassen(szene->SzenenBild, szene->AnzeigeBild.width(), szene->AnzeigeBild.height(), 1, true);
}

KartenPruefung::~KartenPruefung() = default;

QRect KartenPruefung::Bild() const
{
    return QRect(szene->BildVersatz(), szene->AnzeigeBild.size());
}

QList<KartenTeil> KartenPruefung::Teile(int k)
{
    QList<KartenTeil> teile;
    zustand.AktFrage = k;
    const QPoint versatz = szene->BildVersatz();
    const double s = szene->Massstab();
    const auto &objekte = zustand.Dok.Objekte;
    for (int i = 0; i < objekte.size(); ++i) {
        const DokObjekt &o = objekte[i];
        if (o.Typ != ObjektTyp::FrageText || o.FrageNummer != k || !szene->EbeneSichtbar(i) || o.Ebene == 2)
            continue;
        const ObjektMass m = szene->ObjektMessen(i, szene->SzenenBild.size(), s, true);
        const QRect text = m.Textflaeche();
        if (!text.isEmpty())
            teile << KartenTeil{o.Cap.trimmed() == QStringLiteral("Frage:") ? KartenTeil::Art::Kopf
                                                                            : KartenTeil::Art::Text,
                                QString("Text \"%1\"").arg(Kurz(m.text)), text.translated(versatz)};
        if (!m.flaggenfeld.isEmpty())
            teile << KartenTeil{KartenTeil::Art::Flaggenrahmen, QStringLiteral("Flaggenrahmen"),
                                Flaggenrahmen(m.flaggenfeld).translated(versatz)};
    }
    // The quiz panel's picture and the control share their top-left corner.
    const QPoint ursprung = AntwortRaster::Ursprung(szene->AnzeigePixel(0.1, 0.58));
    // The widest caption the counter can get in this document.
    const QString zaehler = QString("%1. Frage (wiederholte Frage)").arg(qMax(1, zustand.Dok.AnzFrageNummern));
    const int zaehlerBreite = QFontMetrics(AntwortRaster::ZaehlerSchrift()).horizontalAdvance(zaehler) + 12;
    teile << KartenTeil{KartenTeil::Art::Zaehler, QStringLiteral("Fragenzähler"),
                        QRect(AntwortRaster::ZaehlerPos(ursprung), QSize(zaehlerBreite, AntwortRaster::ZaehlerHoehe))};
    for (int p = 1; p <= AntwortRaster::Plaetze; ++p)
        teile << KartenTeil{KartenTeil::Art::Antwort, QString("Antwortplatz %1").arg(p),
                            AntwortRaster::PlatzRechteck(ursprung, p)};
    return teile;
}

QStringList KartenPruefung::Konflikte()
{
    QStringList aus;
    for (int k = 1; k <= zustand.Dok.AnzFrageNummern; ++k)
        aus << Konflikte(k);
    return aus;
}

QStringList KartenPruefung::Konflikte(int k)
{
    QStringList aus;
    const QRect bild = Bild();
    const QList<KartenTeil> teile = Teile(k);
    for (int a = 0; a < teile.size(); ++a) {
        if (teile[a].MussImBild() && !bild.contains(teile[a].rect))
            aus << QString("Frage %1: %2 ragt aus dem Bild.").arg(k).arg(teile[a].name);
        for (int b = a + 1; b < teile.size(); ++b) {
            if (teile[a].rect.intersects(teile[b].rect) && !teile[a].DarfUeberdecken(teile[b]))
                aus << QString("Frage %1: %2 und %3 überdecken sich.").arg(k).arg(teile[a].name, teile[b].name);
        }
    }
    return aus;
}
