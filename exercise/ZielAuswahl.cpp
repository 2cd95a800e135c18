// The open targets of a running quiz: their order, the one under a point, the arrow keys' walk, the number keys.
#include "ZielAuswahl.h"

#include "UebTexte.h"

#include <algorithm>
#include <cstdlib>

ZielAuswahl::ZielAuswahl(const QList<DokObjekt> &objekte, const UebOptionen &opt, const UebLauf &lauf)
    : objekte(objekte), opt(opt), lauf(lauf)
{
}

bool ZielAuswahl::IstOffen(int objekt) const
{
    if (objekt < 0 || objekt >= objekte.size())
        return false;
    const DokObjekt &o = objekte[objekt];
    if ((o.Typ != ObjektTyp::Beschriftung && o.Typ != ObjektTyp::Luecke) || o.Nummer < 0
        || o.Abdeckung != AbdeckungsArt::OffeneFrage)
        return false;
    if (opt.AbfrageModus == 2
        && (lauf.Position < 0 || lauf.Position >= lauf.FragenFolge.size()
            || objekt != lauf.FragenFolge[lauf.Position].ZielObjekt))
        return false;
    return true;
}

QList<int> ZielAuswahl::OffeneZiele() const
{
    QList<int> l;
    for (int i = 0; i < objekte.size(); ++i)
        if (IstOffen(i))
            l << i;
    std::stable_sort(l.begin(), l.end(), [this](int a, int b) { return objekte[a].Nummer < objekte[b].Nummer; });
    return l;
}

int ZielAuswahl::ZielBei(QPointF f) const
{
    for (int i : OffeneZiele()) {
        const Rechteck &r = objekte[i].Rahmen;
        if (r.Left <= f.x() && f.x() < r.Right && r.Top <= f.y() && f.y() < r.Bottom)
            return i;
    }
    return -1;
}

int ZielAuswahl::NaechstesZiel(int aktuell, int richtung) const
{
    const QList<int> ziele = OffeneZiele();
    if (ziele.isEmpty())
        return -1;
    const int n = int(ziele.size());
    const int k = int(ziele.indexOf(aktuell));
    if (k < 0)
        return richtung > 0 ? ziele.first() : ziele.last();
    return ziele[(k + (richtung > 0 ? 1 : -1) + n) % n];
}

QList<int> QuizZiele(const QList<DokObjekt> &objekte)
{
    QList<int> ziele;
    for (int i = 0; i < objekte.size(); ++i)
        if ((objekte[i].Typ == ObjektTyp::Beschriftung || objekte[i].Typ == ObjektTyp::Luecke)
            && objekte[i].Nummer >= 0)
            ziele << i;
    std::stable_sort(ziele.begin(), ziele.end(), [&](int a, int b) { return objekte[a].Nummer < objekte[b].Nummer; });
    return ziele;
}

QString ZielName(const DokObjekt &ziel)
{
    const QString nr = QStringLiteral("Ziel %1").arg(ziel.Nummer);
    switch (ziel.Abdeckung) {
    case AbdeckungsArt::OffeneFrage:
        return nr + QStringLiteral(", frei");
    case AbdeckungsArt::Geloest:
    case AbdeckungsArt::Aufgedeckt:
        return nr + QStringLiteral(": ") + TextNormalisieren(ziel.Cap);
    case AbdeckungsArt::Aufgegeben:
        return nr + QStringLiteral(", falsch beantwortet");
    case AbdeckungsArt::Unbewertet:
        return nr + QStringLiteral(", beantwortet");
    default:
        return nr + QStringLiteral(", verdeckt");
    }
}

QRect TippZone(const QRect &kasten, int mindestens)
{
    const int b = std::max(kasten.width(), mindestens), h = std::max(kasten.height(), mindestens);
    return QRect(kasten.left() - (b - kasten.width()) / 2, kasten.top() - (h - kasten.height()) / 2, b, h);
}

QList<int> Zeilenfolge(QList<std::pair<int, QPoint>> felder)
{
    std::stable_sort(felder.begin(), felder.end(), [](const auto &a, const auto &b) {
        return a.second.y() < b.second.y() || (a.second.y() == b.second.y() && a.second.x() < b.second.x());
    });
    QList<int> folge;
    for (const auto &f : felder)
        folge << f.first;
    return folge;
}

int FeldAufPlatz(QList<std::pair<int, QPoint>> felder, int platz)
{
    const QList<int> folge = Zeilenfolge(std::move(felder));
    if (platz < 0 || platz >= folge.size())
        return -1;
    return folge[platz];
}

int NachbarFeld(const QList<std::pair<int, QPoint>> &felder, int von, Pfeil pfeil, int toleranz)
{
    const auto it = std::find_if(felder.begin(), felder.end(), [von](const auto &f) { return f.first == von; });
    if (it == felder.end())
        return -1;
    const QPoint p = it->second;
    if (pfeil == Pfeil::Links || pfeil == Pfeil::Rechts) {
        const QList<int> folge = Zeilenfolge(felder);
        const int k = int(folge.indexOf(von)) + (pfeil == Pfeil::Rechts ? 1 : -1);
        return k >= 0 && k < folge.size() ? folge[k] : -1;
    }
    // The nearest row in that direction, then the panel nearest in x.
    const bool hoch = pfeil == Pfeil::Hoch;
    int besteZeile = -1;
    for (const auto &f : felder) {
        const int dy = hoch ? p.y() - f.second.y() : f.second.y() - p.y();
        if (dy > toleranz && (besteZeile < 0 || dy < besteZeile))
            besteZeile = dy;
    }
    if (besteZeile < 0)
        return -1;
    int beste = -1, besteDx = 0;
    for (const auto &f : felder) {
        const int dy = hoch ? p.y() - f.second.y() : f.second.y() - p.y();
        if (std::abs(dy - besteZeile) > toleranz)
            continue;
        const int dx = std::abs(f.second.x() - p.x());
        if (beste < 0 || dx < besteDx) {
            beste = f.first;
            besteDx = dx;
        }
    }
    return beste;
}
