// The folder window's check of both folders before they are taken over.
#pragma once
#include "Meldungen.h"

#include <QString>

// The check behind "OK" of the folder window: both folders must exist; a
// folder typed without the trailing "/" gets one. Nothing is taken over
// unless both are valid.
struct OrdnerPruefErgebnis
{
    enum Feld { Keins, ProtFeld, BestListFeld };
    bool gueltig = false;
    Feld fokus = Keins; // the edit that gets the focus after a refusal
    QString ProtOrdner; // the edits' texts, "/" appended where needed
    QString BestListOrdner;
};

OrdnerPruefErgebnis BestListOrdnerPruefen(const QString &protEdit, const QString &bestListEdit, IMeldungen &meldungen);
