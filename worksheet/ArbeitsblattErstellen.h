// Builds the worksheet, solution sheet or overlay page of a topic document.
#pragma once
#include "ArbeitsblattOptionen.h"
#include "Blatt.h"

class Szene;

// The footer's product line and web address.
extern const char *const ArbeitsblattFussText;

// "Blatt 2 von 8": the sheet's place in a set, in the footer.
QString BlattZaehlerText(int nummer, int anzahl);

// Lays the page out for the scene's current document. Picture labelling
// draws the scene's objects onto a copy of its HintergrundBild (built first
// when the scene has none); flag pictures of questions come from the
// scene's program folder. Every vertical position is the same for the
// three kinds, so the overlay lies over the worksheet's gaps.
Blatt ArbeitsblattErstellen(const ArbeitsblattOptionen &optionen, Szene &szene);

// Every sheet from optionen.AbFrage to the last question, each numbered in
// its footer when there is more than one; documents that are not single
// questions have one sheet. Empty, with the question's number in
// zuLangeFrage, when a question does not fit on a sheet of its own.
QList<Blatt> ArbeitsblattSatz(const ArbeitsblattOptionen &optionen, Szene &szene, int &zuLangeFrage);
