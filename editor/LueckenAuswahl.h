// Turning a selected word of a cloze text into a gap, and the gap objects that follow the text.
#pragma once
#include "Dokument.h"

#include <QString>

struct LueckenErgebnis
{
    QString Fehler; // empty on success, else a German message
    QString Text;   // the cloze text with the new gap
    int Ende = 0;   // position just after the new gap's ">>"
};

// Encloses the selection [start, start + laenge) in "<<" and ">>". Blanks
// and punctuation at the selection's ends stay outside the gap. Refused: an empty
// selection, one across lines, one inside or across a gap or a tag.
LueckenErgebnis LueckeAusAuswahl(const QString &text, int start, int laenge);

// Makes the gap objects (Typ 3) follow the cloze text: the k-th one gets the
// k-th gap's word; missing ones are appended, surplus ones (from the end)
// removed; AnzFrageNummern counts the coverable objects.
void LueckenAbgleichen(Dokument &dok);
