// IUebBeobachter: what a run reports to whoever keeps a record of it.
#pragma once
#include "EndeArt.h"
#include "NetzRolle.h"

#include <QDateTime>
#include <QString>

// A run as it begins.
struct LaufBeginnDaten
{
    QString Schueler; // the name entered, else the login name
    QString DokTitel;
    QString DokDatei;
    bool Einzelfragen = false;
    Rolle NetzRolle = Rolle::Einzeln;
    QDateTime Start;
};

// A run as it ends (finished, time limit or left).
struct LaufEndeDaten
{
    EndeArt Endestatus = EndeArt::Fertig;
    int LaufzeitMs = 0;
    double Gesamtleistung = 0;
    int Schulnote = 0;
};

// Told of every start, judged answer and end of a run. The engine knows
// nothing of how (or whether) it is kept; a keeper that fails must not
// disturb the run, so these calls return nothing.
class IUebBeobachter
{
public:
    virtual ~IUebBeobachter() = default;
    virtual void LaufBegonnen(const LaufBeginnDaten &lauf) = 0;
    // frage: the answer text of a single question, else the label or gap
    // text the answer was about; zeitMs: since the question was presented.
    virtual void AntwortBewertet(const QString &frage, bool richtig, qint64 zeitMs) = 0;
    virtual void LaufBeendet(const LaufEndeDaten &ende) = 0;
};
