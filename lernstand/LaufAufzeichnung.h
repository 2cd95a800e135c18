// LaufAufzeichnung: writes the runs the quiz reports into the store.
#pragma once
#include "UebBeobachter.h"

#include "Dokument.h"

#include <QSet>

class IUhr;
class Lernstand;

// Keeps each run of this computer's pupil: individual runs and a network
// participant's own; the initiating computer answers nothing. Every answer
// is written at once; the run counts when its end is written.
class LaufAufzeichnung : public IUebBeobachter
{
public:
    LaufAufzeichnung(Lernstand &stand, const DokumentZustand &dok, IUhr &uhr);

    void LaufBegonnen(const LaufBeginnDaten &lauf) override;
    void AntwortBewertet(const QString &frage, bool richtig, qint64 zeitMs) override;
    void LaufBeendet(const LaufEndeDaten &ende) override;

    qint64 AktuellerLauf() const { return lauf; }

private:
    Lernstand &stand;
    const DokumentZustand &dok;
    IUhr &uhr;
    qint64 lauf = -1;
    QSet<QString> beantwortet; // questions answered in this run (first attempt done)
};
