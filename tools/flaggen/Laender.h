// Land: one row of the country table, and reading the table.
#pragma once
#include <QList>
#include <QString>

// One row of the curated country table laender.csv.
struct Land
{
    QString iso;       // lower-case code, also the flag's file name
    QString name;      // German short name, the quiz answer
    QString kontinent; // continent as the topic documents name it
    bool staat = true; // false for a territory
};

// Reads the table (UTF-8, ";"-separated, "#" comments, one header line).
// Returns false with a message in fehler on any malformed line.
bool LaenderLesen(const QString &pfad, QList<Land> &laender, QString &fehler);
