// tvl bau: builds a topic document from a JSON description, for authors.
//
// The description is one JSON object (UTF-8). Header fields carry the names
// of the document: "Titel", "Autor", "Bemerkung", "Vers", "DokTyp",
// "Lueckentext", "Fragentext", "RandErw" (four numbers), "NumArt",
// "GeordnetArt". "BasisBild" names a PNG file, relative to the description's
// folder; without it a single-question document gets the question card of
// the shipped flag quizzes (its places for question, flag and answers are
// tried at every window size), any other document a white 870 x 600
// picture. "Objekte" is a list of
// objects with the file's field names; missing fields take the defaults of a
// label (Ebene 1, Sline 1, FrageNummer -1, all else 0).
//
// Shortcuts: "Fragen", a list of {"Frage": ..., "Antwort": ...}, makes a
// single-question document with its Fragentext and the whole object
// structure (headings, question, answer, navigation); "Objekte" are then
// appended. Picture and cloze documents count their labels and gaps as
// their questions (AnzFrageNummern). A cloze document ("DokTyp" 1) without gap objects gets one
// object of Typ 3 per "<<gap>>" of its Lueckentext. "Lueckentext" and
// "Fragentext" may also be given as a list of lines.
#include "BildDatei.h"
#include "Cp1252.h"
#include "DokumentDatei.h"
#include "Einzelfragen.h"
#include "Lueckentext.h"
#include "Nummerierung.h"
#include "SichereDatei.h"
#include "TvlBefehl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A description error: the message names the key and what is wrong.
struct BauFehler
{
    QString text;
};

const QSet<QString> &KopfSchluessel()
{
    static const QSet<QString> s{"Titel",      "Autor",   "Bemerkung",   "Vers",   "DokTyp",  "NumArt",   "Lueckentext",
                                 "Fragentext", "RandErw", "GeordnetArt", "Fragen", "Objekte", "BasisBild"};
    return s;
}

const QSet<QString> &ObjektSchluessel()
{
    static const QSet<QString> s{"Sx",    "Sy",  "Kx",    "Ky",    "Cap",      "KAusr",      "TAusr",
                                 "Ebene", "Typ", "Sline", "Fsize", "KAusrAkt", "FrageNummer"};
    return s;
}

void UnbekannteAblehnen(const QJsonObject &o, const QSet<QString> &erlaubt, const QString &wo)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!erlaubt.contains(it.key()))
            throw BauFehler{QString("Unbekannter Schlüssel \"%1\"%2.").arg(it.key(), wo)};
}

QString Text(const QJsonObject &o, const QString &key, const QString &vorgabe, const QString &wo = {})
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return vorgabe;
    QString t;
    if (v.isString()) {
        t = v.toString();
    } else if (v.isArray()) {
        QStringList zeilen;
        for (const QJsonValue &z : v.toArray()) {
            if (!z.isString())
                throw BauFehler{QString("\"%1\"%2: die Liste darf nur Texte enthalten.").arg(key, wo)};
            zeilen << z.toString();
        }
        t = zeilen.join("\r\n");
    } else {
        throw BauFehler{QString("\"%1\"%2 muss ein Text sein.").arg(key, wo)};
    }
    // The file holds Windows-1252; anything else would silently become "?".
    if (!IstCp1252Darstellbar(t))
        throw BauFehler{QString("\"%1\"%2 enthält Zeichen, die nicht in Windows-1252 darstellbar sind.").arg(key, wo)};
    return t;
}

double Zahl(const QJsonObject &o, const QString &key, double vorgabe, const QString &wo = {})
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return vorgabe;
    if (!v.isDouble())
        throw BauFehler{QString("\"%1\"%2 muss eine Zahl sein.").arg(key, wo)};
    return v.toDouble();
}

int Ganz(const QJsonObject &o, const QString &key, int vorgabe, const QString &wo = {})
{
    const double d = Zahl(o, key, vorgabe, wo);
    if (d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max() || d != std::trunc(d))
        throw BauFehler{QString("\"%1\"%2 muss eine ganze Zahl sein.").arg(key, wo)};
    return int(d);
}

DokObjekt ObjektLesen(const QJsonObject &o, int nr)
{
    const QString wo = QString(" in Objekt %1").arg(nr);
    UnbekannteAblehnen(o, ObjektSchluessel(), wo);
    DokObjekt ob;
    ob.Sx = Zahl(o, "Sx", 0, wo);
    ob.Sy = Zahl(o, "Sy", 0, wo);
    ob.Kx = Zahl(o, "Kx", ob.Sx, wo);
    ob.Ky = Zahl(o, "Ky", ob.Sy, wo);
    ob.Cap = Text(o, "Cap", {}, wo);
    ob.Cap.replace("\r\n", "\n");
    ob.KAusr = Ganz(o, "KAusr", 0, wo);
    ob.TAusr = Ganz(o, "TAusr", 0, wo);
    ob.Ebene = Ganz(o, "Ebene", 1, wo);
    ob.Typ = Ganz(o, "Typ", ObjektTyp::Beschriftung, wo);
    ob.Sline = Ganz(o, "Sline", 1, wo);
    ob.Fsize = Ganz(o, "Fsize", 0, wo);
    ob.KAusrAkt = Ganz(o, "KAusrAkt", 0, wo);
    ob.FrageNummer = Ganz(o, "FrageNummer", -1, wo);
    return ob;
}

Dokument Beschreibung(const QJsonObject &j, const QString &ordner)
{
    UnbekannteAblehnen(j, KopfSchluessel(), {});
    Dokument d;
    d.Vers = Text(j, "Vers", "1.00");
    d.Titel = Text(j, "Titel", {});
    d.Autor = Text(j, "Autor", {});
    d.Bemerkung = Text(j, "Bemerkung", {});
    d.Lueckentext = Text(j, "Lueckentext", {});
    d.Fragentext = Text(j, "Fragentext", {});
    const int typ = Ganz(j, "DokTyp", int(j.contains("Fragen") ? DokArt::Einzelfragen : DokArt::Bildbeschriftung));
    if (typ < 0 || typ > 2)
        throw BauFehler{"\"DokTyp\" muss 0, 1 oder 2 sein."};
    d.DokTyp = DokArt(typ);
    d.NumArt = Ganz(j, "NumArt", 0);
    d.GeordnetArt = Ganz(j, "GeordnetArt", 0);
    if (j.contains("RandErw")) {
        const QJsonArray r = j.value("RandErw").toArray();
        if (r.size() != 4 || !r[0].isDouble() || !r[1].isDouble() || !r[2].isDouble() || !r[3].isDouble())
            throw BauFehler{"\"RandErw\" muss eine Liste von vier Zahlen sein."};
        d.RandErw = {r[0].toDouble(), r[1].toDouble(), r[2].toDouble(), r[3].toDouble()};
    }

    if (j.contains("Fragen")) {
        if (d.DokTyp != DokArt::Einzelfragen || j.contains("Fragentext"))
            throw BauFehler{"\"Fragen\" gehört zu DokTyp 2 und ersetzt \"Fragentext\"."};
        const QJsonValue fv = j.value("Fragen");
        if (!fv.isArray())
            throw BauFehler{"\"Fragen\" muss eine Liste sein."};
        QStringList zeilen;
        int nr = 0;
        for (const QJsonValue &v : fv.toArray()) {
            ++nr;
            const QString wo = QString(" in Frage %1").arg(nr);
            const QJsonObject f = v.toObject();
            UnbekannteAblehnen(f, {"Frage", "Antwort"}, wo);
            const QString frage = Text(f, "Frage", {}, wo).simplified();
            const QString antwort = Text(f, "Antwort", {}, wo).simplified();
            // A question line is split at the first "//", so the question
            // must not hold one and must not be empty.
            if (frage.isEmpty() || frage.contains("//"))
                throw BauFehler{QString("Frage %1 ist leer oder enthält \"//\".").arg(nr)};
            zeilen << (antwort.isEmpty() ? frage : frage + "//" + antwort);
        }
        d.Fragentext = zeilen.join("\r\n");
    }
    if (d.DokTyp == DokArt::Einzelfragen) {
        EinzelfragenAufbauen(d);
        AntwortloseEntfernen(d);
    }

    const QJsonValue ov = j.value("Objekte");
    if (!ov.isUndefined() && !ov.isArray())
        throw BauFehler{"\"Objekte\" muss eine Liste sein."};
    int nr = 0;
    for (const QJsonValue &v : ov.toArray()) {
        if (!v.isObject())
            throw BauFehler{QString("Objekt %1 ist kein JSON-Objekt.").arg(nr + 1)};
        d.Objekte << ObjektLesen(v.toObject(), ++nr);
    }
    if (d.DokTyp == DokArt::Lueckentext && std::none_of(d.Objekte.begin(), d.Objekte.end(), [](const DokObjekt &o) {
            return o.Typ == ObjektTyp::Luecke;
        }))
        for (const QString &luecke : LueckenWoerter(d.Lueckentext))
            d.Objekte << LueckenObjekt(luecke);

    if (d.DokTyp != DokArt::Einzelfragen)
        d.AnzFrageNummern = AbdeckbareAnzahl(d);

    const QString bild = Text(j, "BasisBild", {});
    if (bild.isEmpty() && d.DokTyp == DokArt::Einzelfragen) {
        QFile karte(QStringLiteral(":/tvl/fragekarte.png"));
        if (!karte.open(QIODevice::ReadOnly) || !PngLesen(karte, d.BasisBild))
            throw BauFehler{QStringLiteral("Die eingebaute Fragekarte kann nicht gelesen werden.")};
    } else if (bild.isEmpty()) {
        d.BasisBild = QImage(870, 600, QImage::Format_RGB32);
        d.BasisBild.fill(Qt::white);
    } else {
        const QString pfad = QDir(ordner).filePath(bild);
        if (!PngLesenDatei(pfad, d.BasisBild))
            throw BauFehler{QString("Das Bild \"%1\" kann nicht gelesen werden.").arg(pfad)};
    }
    return d;
}

int Bau(const QStringList &args)
{
    QString ein, aus;
    bool aufrufOk = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && aus.isEmpty())
            aus = args[++i];
        else if (ein.isEmpty() && !args[i].startsWith('-'))
            ein = args[i];
        else
            aufrufOk = false;
    }
    if (!aufrufOk || ein.isEmpty() || aus.isEmpty()) {
        TvlFehler("Aufruf: tvl bau BESCHREIBUNG.json -o DATEI.tvl");
        return 2;
    }
    QFile datei(ein);
    if (!datei.open(QIODevice::ReadOnly)) {
        TvlFehler(QString("Die Datei \"%1\" kann nicht geöffnet werden.").arg(ein));
        return 1;
    }
    QJsonParseError pe;
    const QJsonDocument json = QJsonDocument::fromJson(datei.readAll(), &pe);
    if (pe.error != QJsonParseError::NoError || !json.isObject()) {
        TvlFehler(QString("\"%1\" ist keine gültige JSON-Beschreibung (Zeichen %2: %3).")
                      .arg(ein)
                      .arg(pe.offset)
                      .arg(pe.error == QJsonParseError::NoError ? "kein Objekt" : pe.errorString()));
        return 1;
    }
    Dokument dok;
    try {
        dok = Beschreibung(json.object(), QFileInfo(ein).absolutePath());
    } catch (const BauFehler &f) {
        TvlFehler(QString("%1: %2").arg(ein, f.text));
        return 1;
    }
    // Written beside the target and renamed over it only when complete.
    QSaveFile ziel(aus);
    if (!SpeicherzielErlaubt(aus) || !ziel.open(QIODevice::WriteOnly) || !DokumentSchreiben(ziel, dok)
        || !ziel.commit()) {
        TvlFehler(QString("Die Datei \"%1\" kann nicht geschrieben werden.").arg(aus));
        return 1;
    }
    TvlAus(QString("%1: \"%2\", %3 Objekte, %4 Fragen\n")
               .arg(aus, dok.Titel)
               .arg(dok.Objekte.size())
               .arg(dok.AnzFrageNummern));
    return 0;
}

TvlRegistrierung bau({"bau", "bau BESCHREIBUNG.json -o DATEI.tvl  baut ein Themendokument aus einer JSON-Beschreibung",
                      Bau});
// The English verb name that authors' notes use.
TvlRegistrierung build({"build", "build BESCHREIBUNG.json -o DATEI.tvl  wie \"bau\"", Bau});

} // namespace
