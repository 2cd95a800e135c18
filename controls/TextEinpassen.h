// Caption fitting shared by the hover panel and the shadow label, and font sizes.
#pragma once
#include <QFont>
#include <QSize>
#include <QString>

#include <functional>

// Fitting a caption into an area, shared by the hover panel and the shadow
// label: shrink the font point by point down to a minimum, optionally let
// lines break after hyphens, and finally cut whole words from the end,
// marking the cut with " ..." (or "..." when nothing is left).
struct Einpassung
{
    QString text;      // the caption to draw (cut caption plus suffix)
    int groesse = 0;   // font size in points reached
    QSize textGroesse; // measured size of text at groesse
};

// Measures a text at a font size in points.
using TextMessung = std::function<QSize(const QString &text, int groesse)>;

Einpassung TextEinpassen(const QString &caption, int startGroesse, int minGroesse, const QSize &verfuegbar,
                         bool bindestrichSchritt, const TextMessung &messen);

// Measures as the drawing does: the given font at the size, text flags
// (alignment, tab expansion, word wrap) and the available width.
QSize TextMessen(const QFont &schrift, int groesse, int flags, int breite, const QString &text);

// Font size in points of a font (pixel sizes taken at 96 dpi) and back.
int SchriftGroesse(const QFont &schrift);
void SetzeSchriftGroesse(QFont &schrift, int punkt);
