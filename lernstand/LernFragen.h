// The questions of a document as the store knows them: keys, texts, images.
#pragma once
#include "Dokument.h"

#include <QList>
#include <QString>

// A document's key in the store: its title (lower case, trimmed), so a copy
// of the same topic (a network exercise's file, another folder) is the same
// topic; the file's base name when there is no title.
QString DokumentSchluessel(const QString &titel, const QString &dateiName);
QString DokumentSchluessel(const Dokument &d);

// One single question: its key (the answer text), the question text
// without markup and image tag, the image name from its tag, and the index
// of its answer object.
struct LernFrage
{
    QString Schluessel;
    QString Text;
    QString Bild;
    int Objekt = -1;
};

// The single questions of a document in document order, each answer text
// once; empty for other kinds of document.
QList<LernFrage> LernFragen(const Dokument &d);

// The image name of the question whose answer text is frage, if any.
QString FragenBild(const Dokument &d, const QString &frage);
