// A new topic document of a chosen kind, with its base picture prepared for the file.
#pragma once
#include "Dokument.h"

#include <QImage>
#include <QString>

// The longest side a base picture keeps: a photo straight from a camera is
// scaled down to it, so the document stays small and the view redraws fast.
inline constexpr int BasisBildMaxKante = 2000;

// What the "new document" dialog asks for.
struct NeuesDokumentAngaben
{
    DokArt Art = DokArt::Bildbeschriftung;
    QImage Bild; // null: the built-in picture of the kind
    QString Titel, Autor, Bemerkung;
};

// The picture as the document stores it: opaque (transparent parts on
// white) and no side longer than BasisBildMaxKante. Null stays null.
QImage BasisBildVorbereiten(const QImage &roh);

// Reads a PNG or JPEG file; false (bild untouched) when it is not one of them or damaged.
bool BasisBildLaden(const QString &pfad, QImage &bild);

// The built-in picture of a kind: the question card of the flag quizzes for
// single questions, a white 870 x 600 picture otherwise.
QImage StandardBasisBild(DokArt art);

// The new document: header and picture, no objects; a single-question
// document gets its navigation objects.
Dokument NeuesDokumentAnlegen(const NeuesDokumentAngaben &angaben);
