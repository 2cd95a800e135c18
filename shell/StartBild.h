// Loading and preloading the start page's picture.
#pragma once
#include "Meldungen.h"

#include <QImage>
#include <QString>

// The start page's picture, ProgOrdner + "data/pennor.png". A missing file
// is reported and leaves the picture empty; start-up goes on either way.
QString StartBildPfad(const QString &progOrdner);
QImage LadeStartBild(const QString &progOrdner, IMeldungen &meldungen);

// Starts decoding the picture on a worker thread, so that it overlaps the
// building of the main window; the next LadeStartBild for the same folder
// takes the result (and gives every message as before).
void StartBildVorladen(const QString &progOrdner);
