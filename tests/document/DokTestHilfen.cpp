// Helpers of the document tests: sample documents, raw files, PNG bytes.
#include "DokTestHilfen.h"

#include "BildDatei.h"
#include "DokumentDatei.h"

#include <QBuffer>
#include <QFile>

#include <cstring>
#include <gtest/gtest.h>

Dokument BeispielDokument(int w, int h, int objekte)
{
    Dokument d;
    d.Vers = "2.07";
    d.Titel = "Flaggen Europas – Ü€";
    d.Autor = "Jörg";
    d.Bemerkung = "Zeile 1\r\nZeile 2";
    d.Lueckentext = "Die <@luecke> ist hier.";
    d.Fragentext = "Hauptstadt? // Paris\r\nOhne Antwort";
    d.AnzFrageNummern = 2;
    d.DokTyp = DokArt::Einzelfragen;
    d.RandErw = {0.125, 0.25, 0.5, 0.0625};
    d.NumArt = 1;
    d.GeordnetArt = 3;
    for (int i = 0; i < objekte; ++i) {
        DokObjekt o;
        o.Sx = 0.1 + i * 0.01;
        o.Sy = 0.2 / (i + 1);
        o.Kx = 1.0 / 3.0;
        o.Ky = -0.5 + i;
        o.Cap = i % 2 ? "a b\nc" : QString("Objekt %1, \"zitiert\"").arg(i);
        o.KAusr = i % 5;
        o.TAusr = i % 3;
        o.Ebene = i % 3;
        o.Typ = i % 18;
        o.Sline = i % 2;
        o.Fsize = i - 3;
        o.KAusrAkt = i % 4;
        o.FrageNummer = i % 4 == 0 ? -1 : i;
        d.Objekte << o;
    }
    QImage bild(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bild.setPixel(x, y, qRgb(x * 40 % 256, y * 70 % 256, (x + y) * 13 % 256));
    d.BasisBild = bild;
    return d;
}

QByteArray Geschrieben(const Dokument &d)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(DokumentSchreiben(buf, d));
    return buf.data();
}

bool AusBytes(const QByteArray &bytes, Dokument &d, bool *falscheKennung)
{
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    return DokumentLesen(buf, d, falscheKennung);
}

RohDatei &RohDatei::Int(qint32 v)
{
    for (int i = 0; i < 4; ++i)
        b += char((quint32(v) >> (8 * i)) & 0xff);
    return *this;
}

RohDatei &RohDatei::Real(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i)
        b += char((bits >> (8 * i)) & 0xff);
    return *this;
}

RohDatei &RohDatei::Str(const QByteArray &s)
{
    Int(qint32(s.size()));
    b += s;
    return *this;
}

QByteArray PngBytes(int w, int h)
{
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(qRgb(10, 20, 30));
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(PngSchreiben(buf, bild, 5));
    return buf.data();
}

void DateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(inhalt), inhalt.size());
}

QByteArray DateiLesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
