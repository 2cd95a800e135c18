// The JSON descriptions of the flag topic documents, per continent and world.
#include "Beschreibungen.h"

#include <QCollator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

struct Thema
{
    const char *datei;     // description and document name without extension
    const char *titel;     // document title
    const char *kontinent; // empty: every entry of the table
};

const Thema Themen[] = {
    {"flaggen-europa", "Flaggen Europas", "Europa"},
    {"flaggen-afrika", "Flaggen Afrikas", "Afrika"},
    {"flaggen-asien", "Flaggen Asiens", "Asien"},
    {"flaggen-nord-und-mittelamerika", "Flaggen Nord- und Mittelamerikas", "Nord- und Mittelamerika"},
    {"flaggen-suedamerika", "Flaggen Südamerikas", "Südamerika"},
    {"flaggen-ozeanien", "Flaggen Ozeaniens", "Ozeanien"},
    // The title's "(zufällig)" makes the quiz draw 20 random questions.
    {"flaggen-der-welt", "Flaggen der Welt (zufällig)", ""},
};

} // namespace

bool BeschreibungenErzeugen(const QList<Land> &laender, const QString &ordner)
{
    QCollator sortierung{QLocale(QLocale::German, QLocale::Germany)};
    for (const Thema &thema : Themen) {
        QList<Land> auswahl;
        for (const Land &l : laender)
            if (!*thema.kontinent || l.kontinent == QString::fromUtf8(thema.kontinent))
                auswahl << l;
        std::sort(auswahl.begin(), auswahl.end(),
                  [&](const Land &a, const Land &b) { return sortierung.compare(a.name, b.name) < 0; });
        QJsonArray fragen;
        for (const Land &l : auswahl)
            fragen.append(QJsonObject{{"Frage", "<@flaggenfrage><@img=" + l.iso + ".png>"}, {"Antwort", l.name}});
        const QJsonObject beschreibung{
            {"Titel", QString::fromUtf8(thema.titel)},
            {"Autor", "Brinvale"},
            {"Bemerkung",
             "Flaggenbilder: Sammlung svg-country-flags (gemeinfrei). Erzeugt mit tools/flaggen/erzeugen.sh."},
            {"DokTyp", 2},
            {"BasisBild", "../bilder/fragekarte.png"},
            {"Fragen", fragen},
        };
        QFile datei(ordner + "/" + thema.datei + ".json");
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || datei.write(QJsonDocument(beschreibung).toJson(QJsonDocument::Indented)) < 0)
            return false;
    }
    return true;
}
