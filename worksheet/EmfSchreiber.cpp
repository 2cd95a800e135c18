// The EMF writer: header, one pen and one font slot, text with character
// advances, lines, frames and stretched DIBs.
#include "EmfSchreiber.h"

#include "MetaDaten.h"

namespace {

enum : quint32 {
    EMR_HEADER = 1,
    EMR_EOF = 14,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETSTRETCHBLTMODE = 21,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_MOVETOEX = 27,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_DELETEOBJECT = 40,
    EMR_RECTANGLE = 43,
    EMR_LINETO = 54,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
};
constexpr quint32 NullBrush = 0x80000005; // stock object NULL_BRUSH
constexpr quint32 StiftSlot = 1, SchriftSlot = 2;

class Emf
{
public:
    QByteArray Schreiben(const Blatt &blatt)
    {
        Kopf();
        Satz(EMR_SETMAPMODE, {1});        // MM_TEXT: one unit = one reference pixel
        Satz(EMR_SETBKMODE, {1});         // TRANSPARENT
        Satz(EMR_SETTEXTALIGN, {0});      // TA_LEFT | TA_TOP
        Satz(EMR_SETSTRETCHBLTMODE, {3}); // COLORONCOLOR
        Satz(EMR_SELECTOBJECT, {NullBrush});
        for (const BlattElement &e : blatt.Elemente) {
            switch (e.art) {
            case BlattElement::Art::Text:
                Text(e);
                break;
            case BlattElement::Art::Linie:
            case BlattElement::Art::Passmarke:
                Stift(e.farbe);
                Punkt(EMR_MOVETOEX, e.x, e.y);
                Punkt(EMR_LINETO, e.x2, e.y2);
                break;
            case BlattElement::Art::Rahmen:
                Stift(e.farbe);
                b.u32(EMR_RECTANGLE);
                b.u32(24);
                b.i32(e.x);
                b.i32(e.y);
                b.i32(e.x2);
                b.i32(e.y2);
                ++saetze;
                break;
            case BlattElement::Art::Bild:
                Bild(e);
                break;
            }
        }
        if (stiftDa)
            Satz(EMR_DELETEOBJECT, {StiftSlot});
        if (schriftDa)
            Satz(EMR_DELETEOBJECT, {SchriftSlot});
        Satz(EMR_EOF, {0, 16, 20});
        b.u32An(48, quint32(b.size()));
        b.u32An(52, saetze);
        return b.daten;
    }

private:
    LeBuffer b;
    quint32 saetze = 0;
    bool stiftDa = false, schriftDa = false;
    QColor stiftFarbe;
    QColor textFarbe = Qt::black;
    QFont schrift;

    void Satz(quint32 typ, std::initializer_list<quint32> werte)
    {
        b.u32(typ);
        b.u32(quint32(8 + 4 * werte.size()));
        for (quint32 w : werte)
            b.u32(w);
        ++saetze;
    }
    void Punkt(quint32 typ, int x, int y) { Satz(typ, {quint32(x), quint32(y)}); }

    void Kopf()
    {
        const QString beschreibung = QStringLiteral("Pennoria") + QChar(0) + QStringLiteral("Arbeitsblatt") + QChar(0)
                                     + QChar(0);
        const int w = Blatt::Breite, h = Blatt::Hoehe;
        b.u32(EMR_HEADER);
        b.u32(0); // size, below
        for (int v : {0, 0, w - 1, h - 1})
            b.i32(v); // bounds, reference pixels
        for (int v : {0, 0, (w - 1) * MetaHundertstelMmProEinheit, (h - 1) * MetaHundertstelMmProEinheit})
            b.i32(v);      // frame, 0.01 mm
        b.u32(0x464D4520); // " EMF"
        b.u32(0x00010000);
        b.u32(0); // bytes, at 48
        b.u32(0); // records, at 52
        b.u16(3); // handles: the reserved 0, pen, font
        b.u16(0);
        b.u32(quint32(beschreibung.size()));
        b.u32(108);
        b.u32(0); // palette entries
        b.i32(w); // reference device in pixels ...
        b.i32(h);
        b.i32(w * MetaHundertstelMmProEinheit / 100); // ... and in millimetres
        b.i32(h * MetaHundertstelMmProEinheit / 100);
        b.u32(0); // pixel format
        b.u32(0);
        b.u32(0);                                    // no OpenGL
        b.i32(w * MetaHundertstelMmProEinheit * 10); // micrometres
        b.i32(h * MetaHundertstelMmProEinheit * 10);
        for (QChar c : beschreibung)
            b.u16(c.unicode());
        b.auffuellen(4);
        b.u32An(4, quint32(b.size()));
        ++saetze;
    }

    void Stift(const QColor &farbe)
    {
        if (stiftDa && farbe == stiftFarbe)
            return;
        if (stiftDa)
            Satz(EMR_DELETEOBJECT, {StiftSlot});
        // PS_SOLID, one unit wide.
        Satz(EMR_CREATEPEN, {StiftSlot, 0, 1, 0, FarbWert(farbe)});
        Satz(EMR_SELECTOBJECT, {StiftSlot});
        stiftDa = true;
        stiftFarbe = farbe;
    }

    void Schrift(const QFont &f)
    {
        if (schriftDa && f == schrift)
            return;
        if (schriftDa)
            Satz(EMR_DELETEOBJECT, {SchriftSlot});
        b.u32(EMR_EXTCREATEFONTINDIRECTW);
        b.u32(8 + 4 + 92);
        b.u32(SchriftSlot);
        b.i32(-f.pixelSize()); // em height
        b.i32(0);
        b.i32(0);
        b.i32(0);
        b.i32(f.bold() ? 700 : 400);
        b.u8(f.italic() ? 1 : 0);
        b.u8(f.underline() ? 1 : 0);
        b.u8(0); // strike out
        b.u8(1); // DEFAULT_CHARSET
        b.u8(4); // OUT_TT_PRECIS
        b.u8(0);
        b.u8(4);    // ANTIALIASED_QUALITY
        b.u8(0x22); // VARIABLE_PITCH | FF_SWISS
        const QString name = QStringLiteral("Arial");
        for (int k = 0; k < 32; ++k)
            b.u16(k < name.size() ? name[k].unicode() : 0);
        ++saetze;
        Satz(EMR_SELECTOBJECT, {SchriftSlot});
        schriftDa = true;
        schrift = f;
    }

    void Text(const BlattElement &e)
    {
        const QFont f = ElementSchrift(e);
        Schrift(f);
        if (e.farbe != textFarbe) {
            Satz(EMR_SETTEXTCOLOR, {FarbWert(e.farbe)});
            textFarbe = e.farbe;
        }
        const QList<int> dx = Vorschuebe(f, e.text);
        int breite = 0;
        for (int d : dx)
            breite += d;
        const int x = TextLinks(e);
        const quint32 n = quint32(e.text.size());
        const quint32 offText = 76;
        const quint32 offDx = offText + ((n * 2 + 3) & ~3u);
        const qsizetype anfang = b.size();
        b.u32(EMR_EXTTEXTOUTW);
        b.u32(offDx + 4 * n);
        for (int v : {x, e.y, x + breite, e.y + e.emHoehe * 2})
            b.i32(v); // bounds
        b.u32(1);     // GM_COMPATIBLE
        b.u32(0);     // exScale, eyScale
        b.u32(0);
        b.i32(x); // reference point
        b.i32(e.y);
        b.u32(n);
        b.u32(offText);
        b.u32(0); // no clipping or opaque rectangle
        for (int k = 0; k < 4; ++k)
            b.i32(0);
        b.u32(offDx);
        for (QChar c : e.text)
            b.u16(c.unicode());
        b.auffuellen(4);
        for (int d : dx)
            b.i32(d);
        Q_ASSERT(b.size() - anfang == qsizetype(offDx + 4 * n));
        ++saetze;
    }

    void Bild(const BlattElement &e)
    {
        const Dib d = DibAus(e.bild);
        if (d.breite <= 0)
            return;
        const quint32 kopf = 80;
        const quint32 groesse = kopf + quint32(d.kopf.size() + d.pixel.size());
        b.u32(EMR_STRETCHDIBITS);
        b.u32(groesse);
        for (int v : {e.x, e.y, e.x2 - 1, e.y2 - 1})
            b.i32(v);
        b.i32(e.x); // destination
        b.i32(e.y);
        b.i32(0); // source
        b.i32(0);
        b.i32(d.breite);
        b.i32(d.hoehe);
        b.u32(kopf); // BITMAPINFO offset and size
        b.u32(quint32(d.kopf.size()));
        b.u32(kopf + quint32(d.kopf.size())); // bits offset and size
        b.u32(quint32(d.pixel.size()));
        b.u32(0);          // DIB_RGB_COLORS
        b.u32(0x00CC0020); // SRCCOPY
        b.i32(e.x2 - e.x);
        b.i32(e.y2 - e.y);
        b.bytes(d.kopf);
        b.bytes(d.pixel);
        ++saetze;
    }
};

} // namespace

QByteArray EmfSchreiben(const Blatt &blatt)
{
    Emf emf;
    return emf.Schreiben(blatt);
}
