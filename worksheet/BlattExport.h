// Saving the worksheet page to files and turning it into clipboard data.
#pragma once
#include "ArbeitsblattOptionen.h"
#include "Blatt.h"

#include <QByteArray>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

class QIODevice;

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

// The files a set of sheets goes to: a PDF holds every sheet as a page of
// its own; the other formats get one numbered file per sheet ("name-1.emf",
// "name-2.emf", ...). A single sheet keeps the name as it is.
QStringList SatzDateinamen(const QString &dateiName, BlattFormat format, qsizetype anzahl);

// Writes the set to the files SatzDateinamen names, each one completely or
// not at all. Returns the name of the file that failed, empty on success.
QString SatzSpeichern(const QList<Blatt> &blaetter, const QString &dateiName, BlattFormat format);

// One PDF page of the layout per sheet, the sheet stretched into zielMm
// (millimetres from the paper's top-left corner). Pictures keep every pixel.
bool PdfSchreiben(const QList<Blatt> &blaetter, QIODevice &ziel, const QPageLayout &seite, const QRectF &zielMm);

// The same as a file, written to a temporary file that replaces the old one
// only when complete: a full disk leaves the old file as it was.
bool PdfDateiSchreiben(const QList<Blatt> &blaetter, const QString &dateiName, const QPageLayout &seite,
                       const QRectF &zielMm);

// The file name for a sheet kind: the kind's ending replaces the one of
// another kind ("blatt.pdf", "blatt-loesung.pdf", "blatt-folie.pdf").
QString DateinameFuerArt(const QString &datei, BlattArt art);
