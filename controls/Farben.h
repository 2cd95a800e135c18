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

// Contrast ratio of two colours as readability guidelines define it, from
// 1 (same) to 21 (black on white); small text wants at least 4.5.
double Kontrastverhaeltnis(const QColor &a, const QColor &b);

// Text colours chosen to stay readable (4.5:1) on their backgrounds, close
// to the colours they replace.
namespace TextFarbe {
inline QColor Richtig()
{
    return QColor(0, 110, 0);
} // "Richtig" in the status panel
inline QColor Falsch()
{
    return QColor(200, 0, 0);
} // "Falsch" in the status panel
inline QColor Anweisung()
{
    return QColor(70, 70, 67);
} // instruction beside the quiz picture
inline QColor Hinweis()
{
    return QColor(52, 78, 112);
} // the start panel's note
inline QColor Verweis()
{
    return QColor(20, 62, 165);
} // the start panel's web address
} // namespace TextFarbe
