// A topic document and its scene, opened the way the verbs that draw a document open them.
#pragma once
#include "Szene.h"
#include "TvlArgumente.h"
#include "TvlDokument.h"
#include "TvlProgrammOrdner.h"

#include <optional>

// The document read as the program reads it, message boxes on standard error, and the scene over it
// with the program folder for flags and the card picture.
struct TvlSzene
{
    TvlDokument t;
    Dienste dienste;
    std::optional<Szene> szene;

    // False, the failure reported, when the document cannot be read. The scene draws with the given
    // random numbers (none: the scene draws nothing at random).
    bool Oeffnen(const TvlDokumentArgumente &o, IZufall *zufall = nullptr)
    {
        if (!t.Laden(o.datei))
            return false;
        dienste.meldungen = &t.meldungen;
        dienste.zufall = zufall;
        szene.emplace(t.zustand, dienste);
        szene->ProgOrdner = TvlProgrammOrdner(o.progOrdner, o.datei);
        return true;
    }
};
