// Drawing the base pictures of the documents and the start page's title.
#pragma once
#include <QString>

// Draws the pictures of our own: the base pictures of the documents
// (question card, flag anatomy, cloze text paper) into bildOrdner and the
// start page's title picture to titelPfad. The flag PNGs are used as
// decoration.
bool BilderErzeugen(const QString &flaggenOrdner, const QString &bildOrdner, const QString &titelPfad);
// The title picture with twice the pixels beside titelPfad ("name@2x.png").
bool TitelbildZweifachZeichnen(const QString &flaggenOrdner, const QString &titelPfad);
