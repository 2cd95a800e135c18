// A topic document read by a tvl verb the way the program reads it.
#pragma once
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "TvlMeldungen.h"

// The document's state, a main window that is not there, and message boxes
// that write to standard error.
struct TvlDokument
{
    DokumentZustand zustand;
    StilleDokumentUmgebung umgebung;
    TvlMeldungen meldungen;

    // False, the failure reported, when the file cannot be read.
    bool Laden(const QString &pfad) { return LadeDokument(zustand, umgebung, meldungen, pfad, false); }
    Dokument &Dok() { return zustand.Dok; }
};
