// Flag PNGs rendered from the SVG collection, with their proportions.
#pragma once
#include "Laender.h"

#include <QString>

// Renders the flag of every country of the table from the collection's SVG
// files into PNGs that fit the question card's 280 x 175 flag frame, keeping
// the flag's proportions. Also writes proportionen.csv (code and viewBox
// width and height), which the content tests check the PNGs against.
bool FlaggenErzeugen(const QList<Land> &laender, const QString &svgOrdner, const QString &zielOrdner,
                     const QString &proportionenDatei);
