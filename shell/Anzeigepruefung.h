// The start-up check of display size and colour depth.
#pragma once
#include "Meldungen.h"

#include <QString>

// The display check of start-up: below 960 x 700 pixels or 15 bits of
// colour depth the user is warned and may stop the program.
QString GrafikmodusWarnung(int breite, int hoehe, int tiefe);
bool AnzeigeGenuegt(int breite, int hoehe, int tiefe);

// Returns false when the program should end (the user answered No).
bool AnzeigePruefen(int breite, int hoehe, int tiefe, IMeldungen &meldungen);
