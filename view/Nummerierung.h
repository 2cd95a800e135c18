// Cover numbering modes and the order and numbers covers get.
#pragma once
#include "FragenFolge.h"

#include "Dokument.h"

class IZufall;

// Cover numbering: which objects can be covered, in which order they are
// numbered, and the numbers they get.

// Numbering modes (NummerierModus).
enum class NummerierArt : int { Fragezeichen = 0, Geordnet = 1, Zufaellig = 2 };

// Labels and gaps in picture and cloze documents, answers in
// single-question documents.
bool IstAbdeckbar(const Dokument &dok, int index);
int AbdeckbareAnzahl(const Dokument &dok);

// The list of coverable objects (TextObjekt -1) in the order of the mode:
// 1 by position or, with GeordnetArt != 0, alphabetically (locale-aware,
// case ignored); 2 shuffled by swapping every place with any place of the
// whole list; 0 (and unknown modes) in list order. zufall is used in mode 2
// only and may be null otherwise.
FragenListe AbdeckerReihenfolge(const Dokument &dok, NummerierArt modus, IZufall *zufall);

// Gives every object of the list its Nummer for the mode: place + 1 for
// labels and gaps in modes 1 and 2, 0 in mode 0 and always 0 for answers of
// single questions. Cover states are left alone.
void NummernVergeben(Dokument &dok, const FragenListe &folge, NummerierArt modus);
