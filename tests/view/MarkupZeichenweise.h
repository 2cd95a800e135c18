// The paragraph layout measured character by character: the reference for the fast layout.
#pragma once
#include "Markup.h"

// Same arguments and result as MarkupSchreiben; quadratic in the line length.
int MarkupZeichenweise(IMarkupLeinwand &leinwand, int Breite, const QColor &Farbe, int Variante, int Schrifthoehe,
                       int Schriftgrad, const QString &Text, int Y, int X, int Hoehe, MarkupUmgebung &umgebung);
