// The WMF writer: placeable header, header, object slots for pen, brush
// and font, text with character advances, lines, frames, stretched DIBs.
#include "WmfSchreiber.h"

#include "Cp1252.h"
#include "MetaDaten.h"

namespace {

enum : quint16 {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_SETTEXTALIGN = 0x012E,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_RECTANGLE = 0x041B,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHDIB = 0x0F43,
};

// The reader keeps an object table: a new object takes its lowest free
// index, a deleted one frees it. The writer plays the same table, so every
// selection names the object it means, whatever was created before.
class ObjektTabelle
{
public:
    quint16 Anlegen()
    {
        qsizetype i = belegt.indexOf(false);
        if (i < 0) {
            i = belegt.size();
            belegt.append(true);
        } else {
            belegt[i] = true;
        }
        return quint16(i);
    }
    void Freigeben(quint16 i) { belegt[i] = false; }
    quint16 Groesse() const { return quint16(belegt.size()); }

private:
    QList<bool> belegt;
};

class Wmf
{
public:
    QByteArray Schreiben(const Blatt &blatt)
    {
        Satz(META_SETMAPMODE, {8}); // MM_ANISOTROPIC: the window maps onto the frame
        Satz(META_SETWINDOWORG, {0, 0});
        Satz(META_SETWINDOWEXT, {quint16(Blatt::Hoehe), quint16(Blatt::Breite)});
        Satz(META_SETBKMODE, {1});                    // TRANSPARENT
        Satz(META_SETTEXTALIGN, {0});                 // TA_LEFT | TA_TOP
        Satz(META_SETSTRETCHBLTMODE, {3});            // COLORONCOLOR
        Satz(META_CREATEBRUSHINDIRECT, {1, 0, 0, 0}); // BS_NULL
        Satz(META_SELECTOBJECT, {objekte.Anlegen()});
        for (const BlattElement &e : blatt.Elemente) {
            switch (e.art) {
            case BlattElement::Art::Text:
                Text(e);
                break;
            case BlattElement::Art::Linie:
            case BlattElement::Art::Passmarke:
                Stift(e.farbe);
                Satz(META_MOVETO, {K(e.y), K(e.x)});
                Satz(META_LINETO, {K(e.y2), K(e.x2)});
                break;
            case BlattElement::Art::Rahmen:
                Stift(e.farbe);
                Satz(META_RECTANGLE, {K(e.y2), K(e.x2), K(e.y), K(e.x)});
                break;
            case BlattElement::Art::Bild:
                Bild(e);
                break;
            }
        }
        Satz(META_EOF, {});
        return Datei();
    }

private:
    LeBuffer b; // the records
    quint32 groessterSatz = 0;
    ObjektTabelle objekte;
    int stift = -1, schriftIndex = -1; // table indices, -1 none yet
    QColor stiftFarbe;
    QColor textFarbe = Qt::black;
    QFont schrift;

    static quint16 K(int v) { return quint16(qint16(qBound(-32768, v, 32767))); }

    void Anfang(quint16 funktion, quint32 worte)
    {
        b.u32(worte);
        b.u16(funktion);
        groessterSatz = qMax(groessterSatz, worte);
    }
    void Satz(quint16 funktion, std::initializer_list<quint16> werte)
    {
        Anfang(funktion, quint32(3 + werte.size()));
        for (quint16 w : werte)
            b.u16(w);
    }

    QByteArray Datei()
    {
        LeBuffer d;
        // Placeable header: key, handle, bounding box, units per inch, checksum.
        d.u32(0x9AC6CDD7);
        d.u16(0);
        d.i16(0);
        d.i16(0);
        d.i16(Blatt::Breite);
        d.i16(Blatt::Hoehe);
        d.u16(WmfEinheitenProZoll);
        d.u32(0);
        quint16 summe = 0;
        for (int k = 0; k < 20; k += 2)
            summe ^= quint16(quint8(d.daten[k]) | (quint8(d.daten[k + 1]) << 8));
        d.u16(summe);
        // Header: in-memory type, nine words, version 3.
        d.u16(1);
        d.u16(9);
        d.u16(0x0300);
        d.u32(quint32((18 + b.size()) / 2));
        d.u16(objekte.Groesse()); // brush, pen, font
        d.u32(groessterSatz);
        d.u16(0);
        d.bytes(b.daten);
        return d.daten;
    }

    void Stift(const QColor &farbe)
    {
        if (stift >= 0 && farbe == stiftFarbe)
            return;
        if (stift >= 0) {
            Satz(META_DELETEOBJECT, {quint16(stift)});
            objekte.Freigeben(quint16(stift));
        }
        const quint32 c = FarbWert(farbe);
        Satz(META_CREATEPENINDIRECT, {0, 1, 0, quint16(c & 0xFFFF), quint16(c >> 16)}); // PS_SOLID, 1 unit
        stift = objekte.Anlegen();
        Satz(META_SELECTOBJECT, {quint16(stift)});
        stiftFarbe = farbe;
    }

    void Schrift(const QFont &f)
    {
        if (schriftIndex >= 0 && f == schrift)
            return;
        if (schriftIndex >= 0) {
            Satz(META_DELETEOBJECT, {quint16(schriftIndex)});
            objekte.Freigeben(quint16(schriftIndex));
        }
        Anfang(META_CREATEFONTINDIRECT, 3 + 25);
        b.i16(qint16(-f.pixelSize()));
        b.i16(0);
        b.i16(0);
        b.i16(0);
        b.i16(f.bold() ? 700 : 400);
        b.u8(f.italic() ? 1 : 0);
        b.u8(f.underline() ? 1 : 0);
        b.u8(0);
        b.u8(0); // ANSI_CHARSET: the texts are Windows-1252
        b.u8(4); // OUT_TT_PRECIS
        b.u8(0);
        b.u8(4);
        b.u8(0x22);
        QByteArray name("Arial");
        name.resize(32, '\0');
        b.bytes(name);
        schriftIndex = objekte.Anlegen();
        Satz(META_SELECTOBJECT, {quint16(schriftIndex)});
        schrift = f;
    }

    void Text(const BlattElement &e)
    {
        const QFont f = ElementSchrift(e);
        Schrift(f);
        if (e.farbe != textFarbe) {
            const quint32 c = FarbWert(e.farbe);
            Satz(META_SETTEXTCOLOR, {quint16(c & 0xFFFF), quint16(c >> 16)});
            textFarbe = e.farbe;
        }
        // One byte per character: the advances go per character as well, a
        // surrogate pair (one "?") taking both of its units.
        const QList<int> dxEinheiten = Vorschuebe(f, e.text);
        QString text;
        QList<int> dx;
        for (qsizetype i = 0; i < e.text.size(); ++i) {
            if (e.text[i].isLowSurrogate() && !dx.isEmpty()) {
                dx.last() += dxEinheiten[i];
                continue;
            }
            text += e.text[i].isHighSurrogate() ? QChar('?') : e.text[i];
            dx << dxEinheiten[i];
        }
        const QByteArray bytes = NachCp1252(text).left(32000);
        const quint32 n = quint32(bytes.size());
        const quint32 worte = 3 + 4 + (n + 1) / 2 + n;
        Anfang(META_EXTTEXTOUT, worte);
        b.u16(K(e.y));
        b.u16(K(TextLinks(e)));
        b.u16(quint16(n));
        b.u16(0); // no rectangle
        b.bytes(bytes);
        if (n % 2)
            b.u8(0);
        for (quint32 k = 0; k < n; ++k)
            b.i16(qint16(k < quint32(dx.size()) ? dx[k] : 0));
    }

    void Bild(const BlattElement &e)
    {
        const Dib d = DibAus(e.bild);
        if (d.breite <= 0)
            return;
        const quint32 worte = 3 + 2 + 9 + quint32(d.kopf.size() + d.pixel.size()) / 2;
        Anfang(META_STRETCHDIB, worte);
        b.u32(0x00CC0020); // SRCCOPY
        b.u16(0);          // DIB_RGB_COLORS
        b.u16(K(d.hoehe));
        b.u16(K(d.breite));
        b.u16(0);
        b.u16(0);
        b.u16(K(e.y2 - e.y));
        b.u16(K(e.x2 - e.x));
        b.u16(K(e.y));
        b.u16(K(e.x));
        b.bytes(d.kopf);
        b.bytes(d.pixel);
    }
};

} // namespace

QByteArray WmfSchreiben(const Blatt &blatt)
{
    Wmf wmf;
    return wmf.Schreiben(blatt);
}
