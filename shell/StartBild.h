// Loading and preloading the start page's picture.
#pragma once
#include "Meldungen.h"

#include <QImage>
#include <QSize>
#include <QString>

// The start page's picture, ProgOrdner + "data/pennor.png". A missing file
// is reported and leaves the picture empty; start-up goes on either way.
QString StartBildPfad(const QString &progOrdner);
QImage LadeStartBild(const QString &progOrdner, IMeldungen &meldungen);

// The picture with twice the pixels, "data/pennor@2x.png", for screens
// scaled to 150 % and more. It is optional: a missing one, or one that is
// not exactly twice the size of einfach, gives an empty image (the normal
// picture is scaled up then); a damaged one is reported.
QString StartBild2xPfad(const QString &progOrdner);
QImage LadeStartBild2x(const QString &progOrdner, const QSize &einfach, IMeldungen &meldungen);

// Starts decoding the picture on a worker thread, so that it overlaps the
// building of the main window; the next LadeStartBild for the same folder
// takes the result (and gives every message as before).
void StartBildVorladen(const QString &progOrdner);
