// The shared wording of file read, write and missing-file errors.
#pragma once
#include "Meldungen.h"

#include <QString>

// The shared wording of file errors; a non-empty prefix goes in front,
// separated by an empty line.
QString SchreibFehlerText(const QString &pfad, const QString &prefix = {});
QString LeseFehlerText(const QString &pfad, const QString &prefix = {});
QString DateiFehltText(const QString &pfad, const QString &prefix = {});

void ZeigeSchreibFehler(IMeldungen &m, const QString &pfad, const QString &prefix = {});
void ZeigeLeseFehler(IMeldungen &m, const QString &pfad, const QString &prefix = {});
void ZeigeDateiFehlt(IMeldungen &m, const QString &pfad, const QString &prefix = {});
