// Colours from 0x00BBGGRR integers, colour blending and point/pixel sizes.
#pragma once
#include <QColor>
#include <QtGlobal>

// Colours are given as the classic 0x00BBGGRR integers in many places;
// this turns one into a QColor.
QColor VclFarbe(quint32 wert);

// Blends a towards b: each channel round(a*(1-x) + b*x).
QColor Mischen(const QColor &a, const QColor &b, double x);

// Font sizes: the program thinks in points at 96 dpi, as the original
// platform did, and paints with pixel sizes.
int PixelAusPunkt(int punkt); // MulDiv(punkt, 96, 72)
int PunktAusPixel(int pixel); // MulDiv(pixel, 72, 96)
