// The gaps of a cloze text: their words in order and the objects that cover them.
#pragma once
#include "Dokument.h"

#include <QStringList>

// The gap words of a cloze text, in order: everything between "<<" and the
// next ">>", trimmed.
QStringList LueckenWoerter(const QString &lueckentext);

// The object of one gap. The cloze layout places it, so its position is only
// a start; the cover sits above the gap.
DokObjekt LueckenObjekt(const QString &cap);
