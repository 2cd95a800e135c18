// Building a single-question document from its question text.
#include "Einzelfragen.h"

#include <QRegularExpression>

QList<Einzelfrage> FragenAusText(const QString &fragentext)
{
    QList<Einzelfrage> fragen;
    static const QRegularExpression zeilenumbruch("\r\n|\r|\n");
    for (const QString &roh : fragentext.split(zeilenumbruch)) {
        const QString zeile = roh.trimmed();
        if (zeile.isEmpty())
            continue;
        const qsizetype trenner = zeile.indexOf("//");
        if (trenner < 0)
            fragen.append({zeile, "---"});
        else
            fragen.append({zeile.left(trenner).trimmed(), zeile.mid(trenner + 2).trimmed()});
    }
    return fragen;
}

namespace {
DokObjekt Objekt(int typ, double kx, double ky, const QString &cap, int ebene, int frageNummer)
{
    DokObjekt o;
    o.Typ = typ;
    o.Kx = o.Sx = kx;
    o.Ky = o.Sy = ky;
    o.Cap = cap;
    o.Ebene = ebene;
    o.FrageNummer = frageNummer;
    o.KAusr = 1;
    o.TAusr = 0;
    o.Sline = 0;
    return o;
}
} // namespace

QList<DokObjekt> FragenObjekte(const Einzelfrage &frage, int k)
{
    QList<DokObjekt> liste;
    liste << Objekt(ObjektTyp::FrageText, 0.1, 0.175, "Frage:", 1, k);
    DokObjekt text = Objekt(ObjektTyp::FrageText, 0.1, 0.4, frage.Frage, 1, k);
    text.Fsize = 5;
    liste << text;
    liste << Objekt(ObjektTyp::AntwortKopf, 0.1, 0.6, "Antwort:", 1, k);
    liste << Objekt(ObjektTyp::Antwort, 0.225, 0.6, frage.Antwort, 1, k);
    return liste;
}

QList<DokObjekt> NavigationsObjekte()
{
    const double ky = 0.775;
    return {
        Objekt(ObjektTyp::ErsteFrage, 0.1, ky, {}, 2, -1),     Objekt(ObjektTyp::VorigeFrage, 0.16, ky, {}, 2, -1),
        Objekt(ObjektTyp::NaechsteFrage, 0.22, ky, {}, 2, -1), Objekt(ObjektTyp::LetzteFrage, 0.28, ky, {}, 2, -1),
        Objekt(ObjektTyp::ZufallsFrage, 0.34, ky, {}, 2, -1),
    };
}

void EinzelfragenAufbauen(Dokument &dok)
{
    const QList<Einzelfrage> fragen = FragenAusText(dok.Fragentext);
    QList<DokObjekt> objekte;
    for (qsizetype i = 0; i < fragen.size(); ++i)
        objekte << FragenObjekte(fragen[i], int(i + 1));
    objekte << NavigationsObjekte();
    dok.Objekte = std::move(objekte);
    dok.AnzFrageNummern = int(fragen.size());
    dok.DokTyp = DokArt::Einzelfragen;
}

void AntwortloseEntfernen(Dokument &dok)
{
    QList<bool> mitTrenner; // per question, as FragenAusText counts them
    static const QRegularExpression umbruch("\r\n|\r|\n");
    for (const QString &zeile : dok.Fragentext.split(umbruch))
        if (!zeile.trimmed().isEmpty())
            mitTrenner << zeile.contains(QLatin1String("//"));
    dok.Objekte.removeIf([&mitTrenner](const DokObjekt &o) {
        const int k = o.FrageNummer - 1;
        return o.Typ == ObjektTyp::Antwort && k >= 0 && k < mitTrenner.size() && !mitTrenner[k];
    });
}
