// Helpers shared by the content tests: paths, country table, shipped documents.
#pragma once
#include "Dokument.h"

#include <QList>
#include <QString>

// Helpers shared by the content tests: paths into the source tree, the
// country table and the shipped documents.

QString InhaltOrdner();    // content/
QString FlaggenOrdner();   // content/Flaggen/
QString FlaggenWerkzeug(); // tools/flaggen/

struct TabellenLand
{
    QString iso, name, kontinent;
    bool staat = true;
};

// Reads tools/flaggen/laender.csv; fails the test on a malformed line.
QList<TabellenLand> LaenderTabelle();

// Reads a shipped document with the program's reader; fails the test when
// it cannot be read.
Dokument InhaltDokument(const QString &dateiName);

// The answers (Typ 10 captions) of a single-question document, in order.
QStringList Antworten(const Dokument &dok);
