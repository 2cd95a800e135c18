// The paragraph layout measured character by character: the reference for the fast layout.
#pragma once
#include "Markup.h"

// The result of MarkupSchreiben, the paragraph as single arguments; quadratic
// in the line length.
int MarkupZeichenweise(IMarkupLeinwand &leinwand, int Breite, const QColor &Farbe, int Variante, int Schrifthoehe,
                       int Schriftgrad, const QString &Text, int Y, int X, int Hoehe, MarkupUmgebung &umgebung);
