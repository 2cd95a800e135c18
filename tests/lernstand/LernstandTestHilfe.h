// Shared pieces of the store tests: a temporary store, a quiz recording into it.
#pragma once
#include "LaufAufzeichnung.h"
#include "Lernstand.h"
#include "UebTestUmgebung.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A temporary folder with the store's path in it.
struct TestOrdner
{
    QTemporaryDir dir;
    QString Pfad() const { return dir.filePath("pennoria/lernstand.sqlite"); }
};

// A store opened over a path, with every message it reports.
struct OffenerStand
{
    explicit OffenerStand(const QString &pfad) : stand(pfad)
    {
        stand.Melden = [this](const QString &t) { meldungen << t; };
        stand.Oeffnen();
    }
    Lernstand stand;
    QStringList meldungen;
};

// One quiz engine whose runs are recorded into a store.
struct AufgezeichneterQuiz
{
    explicit AufgezeichneterQuiz(Lernstand &s) : aufzeichnung(s, t.dok, t.umg.uhr) { t.ueb.Beobachter = &aufzeichnung; }
    UebTest t;
    LaufAufzeichnung aufzeichnung;

    // Starts "Flaggen" over the given answers in order, answering the
    // listed ones wrong once; true when the run ended.
    bool Spielen(const QStringList &antworten, const QStringList &falsch, const QString &titel = "Flaggen");
};

// The first version's schema with one finished run of two answers.
void ErsteVersionAnlegen(const QString &pfad);

// Integer result of a query on the file, or -1.
qint64 Zahl(const QString &pfad, const QString &sql);
