// An entry of the in-memory high-score list, and the record of one run.
#pragma once
#include <QList>
#include <QString>
#include <QtGlobal>

// One entry of the in-memory high-score list. Times are kept as the file
// stores them: days since 1899-12-30, the fraction being the time of day.
struct TBestListEintrag
{
    QString Name;
    QString Rechner;
    double Beginn = 0;
    double Ende = 0;     // computed on reading, never stored
    qint32 Dauer = 0;    // milliseconds
    double Leistung = 0; // fraction 0..1
};

using TBestList = QList<TBestListEintrag>;

// The five values one finished run contributes to a list.
struct BestListDatensatz
{
    QString Name;
    QString Rechner;
    double Beginn = 0;
    qint32 Dauer = 0;
    double Leistung = 0;
};
