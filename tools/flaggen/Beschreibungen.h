// Writing the descriptions of the flag topic documents.
#pragma once
#include "Laender.h"

#include <QString>

// Writes the JSON descriptions of the flag topic documents (one per
// continent and one of the whole world) for "tvl bau".
bool BeschreibungenErzeugen(const QList<Land> &laender, const QString &ordner);
