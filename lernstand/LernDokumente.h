// The documents the card box offers.
#pragma once
#include "Dokument.h"

#include <QList>
#include <QString>

// The single-question documents among the given files, each topic once:
// the current document first when it is one, then the flag documents
// (questions with images), then the others, each group by title. Files
// that cannot be read are left out.
QList<Dokument> LernDokumente(const Dokument &aktuell, const QStringList &pfade);

// Whether some question of the document shows an image.
bool HatBilder(const Dokument &d);
