// Recording message boxes and the other test services.
#include "TestDienste.h"

Antwort TestMeldungen::Naechste()
{
    if (antworten.empty())
        return Antwort::Ja;
    const Antwort a = antworten.front();
    antworten.pop_front();
    return a;
}

void TestMeldungen::Information(const QString &text)
{
    protokoll.push_back({"Information", text});
    if (waehrendOffen)
        waehrendOffen(text);
}

void TestMeldungen::Warnung(const QString &text)
{
    protokoll.push_back({"Warnung", text});
}

void TestMeldungen::Fehler(const QString &text)
{
    protokoll.push_back({"Fehler", text});
    if (waehrendOffen)
        waehrendOffen(text);
}

Antwort TestMeldungen::JaNein(const QString &text, FrageArt)
{
    protokoll.push_back({"JaNein", text});
    if (waehrendOffen)
        waehrendOffen(text);
    return Naechste();
}

Antwort TestMeldungen::JaNeinAbbrechen(const QString &text)
{
    protokoll.push_back({"JaNeinAbbrechen", text});
    return Naechste();
}

QStringList TestMeldungen::Texte() const
{
    QStringList l;
    for (const auto &e : protokoll)
        l << e.text;
    return l;
}

void TestUhr::Warten(int ms)
{
    ++warteAufrufe;
    gewartetMs += ms;
    jetztMs += ms;
}

bool TestKlang::Spielen(const QString &wavDatei, bool)
{
    gespielt << wavDatei;
    return true;
}
