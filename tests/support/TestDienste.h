// Test services: recording messages, a fake clock, sound and opener, bundled.
#pragma once
#include "Dienste.h"

#include <QStringList>

#include <deque>
#include <functional>

// Message boxes that record every text and give queued answers (default:
// Ja for Yes/No questions).
class TestMeldungen : public IMeldungen
{
public:
    struct Eintrag
    {
        QString art; // "Information", "Fehler", "Warnung", "JaNein", "JaNeinAbbrechen"
        QString text;
    };
    std::vector<Eintrag> protokoll;
    std::deque<Antwort> antworten;
    // Called while a box is "open", e.g. to let the clock run meanwhile.
    std::function<void(const QString &)> waehrendOffen;

    void Information(const QString &text) override;
    void Fehler(const QString &text) override;
    void Warnung(const QString &text) override;
    Antwort JaNein(const QString &text, FrageArt art) override;
    Antwort JaNeinAbbrechen(const QString &text) override;

    QStringList Texte() const;
    void Leeren() { protokoll.clear(); }

private:
    Antwort Naechste();
};

// A clock that only moves when told to; waiting advances it at once.
class TestUhr : public IUhr
{
public:
    qint64 jetztMs = 1000000;
    QDateTime basis = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
    qint64 gewartetMs = 0;
    int warteAufrufe = 0;

    qint64 Ticks() override { return jetztMs; }
    QDateTime Jetzt() override { return basis.addMSecs(jetztMs - 1000000); }
    void Warten(int ms) override;
    void Vorstellen(qint64 ms) { jetztMs += ms; }
};

// Plays nothing and records what it was asked to play.
class TestKlang : public IKlang
{
public:
    QStringList gespielt;
    bool Spielen(const QString &wavDatei, bool synchron) override;
    void Stoppen() override {}
};

// Records what it was asked to open. It reports `ergebnis` at once, or with
// `spaeter` keeps the reports for the test to give (as xdg-open does when
// it exits).
class TestOeffner : public IOeffner
{
public:
    QStringList geoeffnet;
    bool ergebnis = true;
    bool spaeter = false;
    std::vector<std::function<void(bool)>> offen;
    void Oeffnen(const QString &ziel, std::function<void(bool ok)> fertig) override
    {
        geoeffnet << ziel;
        if (spaeter)
            offen.push_back(std::move(fertig));
        else if (fertig)
            fertig(ergebnis);
    }
};

// Everything in one bundle, with a seeded generator.
struct TestUmgebung
{
    TestMeldungen meldungen;
    TestUhr uhr;
    StdZufall zufall{12345};
    TestKlang klang;
    TestOeffner oeffner;
    Dienste dienste{&meldungen, &uhr, &zufall, &klang, &oeffner};
};
