// The steps of the assistant for a first document, and how far a document has come.
#pragma once
#include "Dokument.h"

#include <QString>

// kind and picture -> contents -> save -> try it as a quiz.
enum class AssistentSchritt { Anlegen = 0, Inhalte = 1, Speichern = 2, Ausprobieren = 3 };
inline constexpr int AssistentSchritte = 4;

// The step a document stands at: no document yet, no question yet, not
// saved, or ready to be tried. dokumentDa: a document is shown.
AssistentSchritt AktuellerSchritt(const Dokument &dok, bool dokumentDa);

// Heading and the hint of a step for the document's kind.
QString SchrittTitel(AssistentSchritt s);
QString SchrittHinweis(AssistentSchritt s, DokArt art);
