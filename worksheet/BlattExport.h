// Saving the worksheet page to files and turning it into clipboard data.
#pragma once
#include "Blatt.h"

#include <QByteArray>
#include <QString>

enum class BlattFormat { Unbekannt, Emf, Wmf, Pdf, Svg, Png };

// The format a file name asks for by its extension (case ignored).
BlattFormat BlattFormatVon(const QString &dateiName);

// The page in a format, as the file's bytes (not for Pdf, which needs a
// device: see BlattSpeichern). Empty for Unbekannt or when encoding fails.
QByteArray BlattDaten(const Blatt &blatt, BlattFormat format);

// Writes the page to a file in the given format. The file appears under
// its name only when it was written completely; an old file of that name
// stays untouched otherwise. False on any failure.
bool BlattSpeichern(const Blatt &blatt, const QString &dateiName, BlattFormat format);
