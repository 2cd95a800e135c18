// Little-endian record buffers and the pieces EMF and WMF share: the DIB of
// a picture, the character advances of a text, its left end.
#pragma once
#include "Blatt.h"

#include <QByteArray>
#include <QFont>
#include <QList>

class LeBuffer
{
public:
    QByteArray daten;

    void u8(quint8 v) { daten.append(char(v)); }
    void u16(quint16 v)
    {
        u8(quint8(v & 0xFF));
        u8(quint8(v >> 8));
    }
    void i16(qint16 v) { u16(quint16(v)); }
    void u32(quint32 v)
    {
        u16(quint16(v & 0xFFFF));
        u16(quint16(v >> 16));
    }
    void i32(qint32 v) { u32(quint32(v)); }
    void bytes(const QByteArray &b) { daten.append(b); }
    // Zero bytes up to a multiple of n.
    void auffuellen(int n)
    {
        while (daten.size() % n)
            u8(0);
    }
    qsizetype size() const { return daten.size(); }
    void u32An(qsizetype pos, quint32 v)
    {
        for (int k = 0; k < 4; ++k)
            daten[pos + k] = char((v >> (8 * k)) & 0xFF);
    }
    void u16An(qsizetype pos, quint16 v)
    {
        daten[pos] = char(v & 0xFF);
        daten[pos + 1] = char(v >> 8);
    }
};

// A COLORREF: 0x00BBGGRR.
quint32 FarbWert(const QColor &c);

// The page font of a text element.
QFont ElementSchrift(const BlattElement &e);

// The left end of a text element in page units, from its alignment.
int TextLinks(const BlattElement &e);

// Advance of every code unit of text in whole page units; the sum is the
// rounded width of the text, so a receiving program places each glyph where
// our layout measured it.
QList<int> Vorschuebe(const QFont &font, const QString &text);

// BITMAPINFOHEADER and pixels of a picture as a bottom-up 24-bit DIB.
// breite/hoehe are clamped so the record stays within the formats' limits.
struct Dib
{
    QByteArray kopf;
    QByteArray pixel;
    int breite = 0, hoehe = 0;
};
Dib DibAus(const QImage &bild, int maxSeite = 4096);
