#pragma once
#include "Meldungen.h"

#include <QImage>
#include <QString>

// The start page's picture, ProgOrdner + "data/pennor.png". A missing file
// is reported and leaves the picture empty; start-up goes on either way.
QString StartBildPfad(const QString &progOrdner);
QImage LadeStartBild(const QString &progOrdner, IMeldungen &meldungen);
