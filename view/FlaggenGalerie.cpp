// The flag gallery's contents and its page layout.
#include "FlaggenGalerie.h"

#include "Fragentext.h"
#include "Runden.h"

#include <QtGlobal>

#include <algorithm>

QList<GalerieEintrag> GalerieEintraege(const Dokument &d)
{
    QList<GalerieEintrag> liste;
    if (d.DokTyp != DokArt::Einzelfragen)
        return liste;
    for (const DokObjekt &o : d.Objekte) {
        // A question has several question boxes (the heading "Frage:" is
        // one); the one that names an image counts, once per question.
        if (o.Typ != ObjektTyp::FrageText || o.FrageNummer < 1)
            continue;
        QString text = FragePlatzhalterErsetzen(o.Cap);
        const QString bild = BildTagAusschneiden(text);
        if (bild.isEmpty())
            continue;
        const bool schonDa = std::any_of(liste.cbegin(), liste.cend(),
                                         [&o](const GalerieEintrag &e) { return e.frage == o.FrageNummer; });
        if (schonDa)
            continue;
        GalerieEintrag e{o.FrageNummer, bild, {}};
        for (const DokObjekt &a : d.Objekte)
            if (a.Typ == ObjektTyp::Antwort && a.FrageNummer == o.FrageNummer) {
                e.name = a.Cap.simplified();
                break;
            }
        liste << e;
    }
    return liste;
}

GalerieRaster GalerieAufteilen(QSize bild, double s)
{
    GalerieRaster r;
    s = qMax(s, 0.01);
    const int rand = rnd(12 * s), fuss = rnd(44 * s);
    const int breite = qMax(0, bild.width() - 2 * rand);
    const int hoehe = qMax(0, bild.height() - 2 * rand - fuss);
    // Cells of about 205 x 165 units: four columns and three rows on the
    // cards of the shipped documents.
    r.spalten = qMax(1, breite / qMax(1, rnd(205 * s)));
    r.zeilen = qMax(1, hoehe / qMax(1, rnd(165 * s)));
    r.zelle = QSize(breite / r.spalten, hoehe / r.zeilen);
    r.flaeche = QRect(rand, rand, r.zelle.width() * r.spalten, r.zelle.height() * r.zeilen);

    const int oben = bild.height() - rand - fuss, d = rnd(32 * s), mitte = bild.width() / 2;
    const int abstand = rnd(110 * s);
    r.zurueck = QRect(mitte - abstand - d, oben + (fuss - d) / 2, d, d);
    r.weiter = QRect(mitte + abstand, oben + (fuss - d) / 2, d, d);
    r.seitenText = QRect(mitte - abstand + rnd(6 * s), oben, 2 * (abstand - rnd(6 * s)), fuss);
    return r;
}

QRect GalerieRaster::Zelle(int k) const
{
    if (k < 0 || k >= ProSeite())
        return {};
    return QRect(flaeche.left() + (k % spalten) * zelle.width(), flaeche.top() + (k / spalten) * zelle.height(),
                 zelle.width(), zelle.height());
}

namespace {
// Inner margin of a cell and the name box's height, from the cell's size.
int Polster(const QSize &zelle)
{
    return qMax(1, qMin(zelle.width(), zelle.height()) / 20);
}
int Namenshoehe(const QSize &zelle)
{
    return qMax(1, zelle.height() * 2 / 11);
}
} // namespace

QRect GalerieRaster::Flaggenfeld(int k) const
{
    const QRect z = Zelle(k);
    if (z.isNull())
        return {};
    const int p = Polster(zelle), n = Namenshoehe(zelle);
    return z.adjusted(p, p, -p, -(2 * p + n));
}

QRect GalerieRaster::Namensfeld(int k) const
{
    const QRect z = Zelle(k);
    if (z.isNull())
        return {};
    const int p = Polster(zelle), n = Namenshoehe(zelle);
    return QRect(z.left() + p, z.top() + z.height() - p - n, z.width() - 2 * p, n);
}

int GalerieRaster::ZelleAn(QPoint p) const
{
    if (!flaeche.contains(p) || zelle.width() <= 0 || zelle.height() <= 0)
        return -1;
    const int k = (p.y() - flaeche.top()) / zelle.height() * spalten + (p.x() - flaeche.left()) / zelle.width();
    return k < ProSeite() ? k : -1;
}

QRect GalerieFlaggeImFeld(QSize bild, const QRect &feld)
{
    if (bild.isEmpty() || feld.isEmpty())
        return {};
    const QSize g = bild.scaled(feld.size(), Qt::KeepAspectRatio);
    return QRect(feld.left() + (feld.width() - g.width()) / 2, feld.top() + (feld.height() - g.height()) / 2,
                 qMax(1, g.width()), qMax(1, g.height()));
}
