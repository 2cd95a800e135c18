// Tests of the shipped flags, sounds, start picture and help page.
#include "AlsaKlang.h"
#include "BildDatei.h"
#include "InhaltHilfen.h"

#include <QFile>
#include <QHash>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// The viewBox sizes of the source flags, written by the generator.
QHash<QString, QSizeF> Proportionen()
{
    QHash<QString, QSizeF> p;
    QFile datei(FlaggenWerkzeug() + "proportionen.csv");
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream ein(&datei);
    while (!ein.atEnd()) {
        const QStringList t = ein.readLine().split(';');
        if (t.size() == 3 && t[0] != "iso")
            p.insert(t[0], QSizeF(t[1].toDouble(), t[2].toDouble()));
    }
    return p;
}

TEST(Flaggenbilder, FitTheFrameInTheirTrueProportions)
{
    const QHash<QString, QSizeF> proportionen = Proportionen();
    const QList<TabellenLand> laender = LaenderTabelle();
    ASSERT_EQ(proportionen.size(), laender.size());
    for (const TabellenLand &l : laender) {
        QImage bild;
        ASSERT_TRUE(PngLesenDatei(FlaggenOrdner() + l.iso + ".png", bild)) << qPrintable(l.iso);
        ASSERT_TRUE(proportionen.contains(l.iso)) << qPrintable(l.iso);
        const QSizeF quelle = proportionen.value(l.iso);
        // The largest size inside the 280 x 175 frame with the source's
        // proportions, to the pixel.
        const double k = std::min(280.0 / quelle.width(), 175.0 / quelle.height());
        EXPECT_LE(bild.width(), 280) << qPrintable(l.iso);
        EXPECT_LE(bild.height(), 175) << qPrintable(l.iso);
        EXPECT_LE(std::abs(bild.width() - quelle.width() * k), 1.0) << qPrintable(l.iso);
        EXPECT_LE(std::abs(bild.height() - quelle.height() * k), 1.0) << qPrintable(l.iso);
        EXPECT_TRUE(bild.width() == 280 || bild.height() == 175) << qPrintable(l.iso);
    }
}

TEST(Flaggenbilder, NepalKeepsATransparentSurround)
{
    QImage bild;
    ASSERT_TRUE(PngLesenDatei(FlaggenOrdner() + "np.png", bild));
    EXPECT_LT(bild.width(), bild.height());
    // Right of the upper pennant, the picture is see-through.
    EXPECT_EQ(qAlpha(bild.pixel(bild.width() - 2, 2)), 0);
    // Rectangular flags are opaque to their corners.
    QImage de;
    ASSERT_TRUE(PngLesenDatei(FlaggenOrdner() + "de.png", de));
    EXPECT_EQ(qAlpha(de.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(de.pixel(de.width() - 1, de.height() - 1)), 255);
}

struct Wav
{
    int format = 0, kanaele = 0, rate = 0, bits = 0, blockAlign = 0;
    QByteArray daten;
};

// Walks the RIFF chunks; false when the file is no complete WAV.
bool WavLesen(const QString &pfad, Wav &w)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE"
        || qFromLittleEndian<quint32>(b.constData() + 4) != quint32(b.size() - 8))
        return false;
    qsizetype pos = 12;
    bool fmt = false;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 laenge = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        if (pos + 8 + qsizetype(laenge) > b.size())
            return false;
        const char *d = b.constData() + pos + 8;
        if (id == "fmt " && laenge >= 16) {
            w.format = qFromLittleEndian<quint16>(d);
            w.kanaele = qFromLittleEndian<quint16>(d + 2);
            w.rate = int(qFromLittleEndian<quint32>(d + 4));
            w.blockAlign = qFromLittleEndian<quint16>(d + 12);
            w.bits = qFromLittleEndian<quint16>(d + 14);
            fmt = true;
        } else if (id == "data") {
            w.daten = QByteArray(d, laenge);
        }
        pos += 8 + laenge + (laenge & 1);
    }
    return fmt && !w.daten.isEmpty();
}

TEST(Klaenge, AreShortAudiblePcmWavFiles)
{
    for (const char *name : {"Richtig1.wav", "Falsch1.wav"}) {
        Wav w;
        ASSERT_TRUE(WavLesen(InhaltOrdner() + "sound/" + name, w)) << name;
        EXPECT_EQ(w.format, 1) << name; // PCM
        EXPECT_EQ(w.bits, 16) << name;
        EXPECT_EQ(w.kanaele, 1) << name;
        EXPECT_EQ(w.blockAlign, 2) << name;
        const double sekunden = double(w.daten.size()) / (w.rate * w.blockAlign);
        EXPECT_LT(sekunden, 0.5) << name;
        EXPECT_GT(sekunden, 0.1) << name;
        int spitze = 0;
        for (qsizetype i = 0; i + 1 < w.daten.size(); i += 2)
            spitze = std::max(spitze, std::abs(int(qFromLittleEndian<qint16>(w.daten.constData() + i))));
        EXPECT_GT(spitze, 32767 / 4) << name; // clearly audible
        EXPECT_LT(spitze, 32767) << name;     // never clipped
        const qint16 letzte = qFromLittleEndian<qint16>(w.daten.constData() + w.daten.size() - 2);
        EXPECT_LT(std::abs(int(letzte)), 200) << name; // ends without a click
        // The program's own player takes them as they are.
        WavDaten programm;
        ASSERT_TRUE(WavLesen(InhaltOrdner() + "sound/" + name, programm)) << name;
        EXPECT_EQ(programm.Proben, w.daten) << name;
    }
}

TEST(Startbild, FitsTheStartPanel)
{
    QImage bild;
    ASSERT_TRUE(PngLesenDatei(InhaltOrdner() + "data/pennor.png", bild));
    // The start panel of a 900 x 650 window is about 800 x 470 pixels.
    EXPECT_LE(bild.width(), 800);
    EXPECT_LE(bild.height(), 470);
    EXPECT_GE(bild.width(), 600);
}

TEST(Startbild, EveryRowIsStoredWithTheUpFilter)
{
    // Read at every start: rows filtered with "up" decode in about half the
    // time of the Paeth rows an ordinary writer mostly picks.
    QFile datei(InhaltOrdner() + "data/pennor.png");
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray png = datei.readAll();
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    QByteArray kopf, idat;
    for (qsizetype i = 8; i + 12 <= png.size();) {
        const quint32 laenge = qFromBigEndian<quint32>(png.constData() + i);
        ASSERT_LE(qsizetype(laenge), png.size() - i - 12);
        const QByteArray typ = png.mid(i + 4, 4);
        if (typ == "IHDR")
            kopf = png.mid(i + 8, laenge);
        else if (typ == "IDAT")
            idat += png.mid(i + 8, laenge);
        i += 12 + qsizetype(laenge);
    }
    ASSERT_EQ(kopf.size(), 13);
    const quint32 breite = qFromBigEndian<quint32>(kopf.constData());
    const quint32 hoehe = qFromBigEndian<quint32>(kopf.constData() + 4);
    EXPECT_EQ(quint8(kopf[8]), 8);  // bits per sample
    EXPECT_EQ(quint8(kopf[9]), 2);  // RGB
    EXPECT_EQ(quint8(kopf[12]), 0); // not interlaced
    const qsizetype zeile = qsizetype(breite) * 3 + 1;
    QByteArray mitLaenge(4, '\0');
    qToBigEndian<quint32>(quint32(zeile * hoehe), mitLaenge.data());
    const QByteArray roh = qUncompress(mitLaenge + idat);
    ASSERT_EQ(roh.size(), zeile * qsizetype(hoehe));
    int andere = 0;
    for (quint32 y = 0; y < hoehe; ++y)
        andere += roh[qsizetype(y) * zeile] != 2;
    EXPECT_EQ(andere, 0);
}

TEST(Hilfe, IsAWellFormedGermanPage)
{
    QFile datei(InhaltOrdner() + "hilfe/index.html");
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    // Written so that an XML reader accepts it: every element closed, no
    // named entities beyond XML's own.
    QXmlStreamReader xml(inhalt);
    QStringList ueberschriften;
    QString sprache, zeichensatz;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("html"))
            sprache = xml.attributes().value("lang").toString();
        if (xml.isStartElement() && xml.name() == QLatin1String("meta") && xml.attributes().hasAttribute("charset"))
            zeichensatz = xml.attributes().value("charset").toString();
        if (xml.isStartElement() && xml.name() == QLatin1String("h2"))
            ueberschriften << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString()) << " line " << xml.lineNumber();
    EXPECT_EQ(sprache, "de");
    EXPECT_EQ(zeichensatz.toLower(), "utf-8");
    const QString alle = ueberschriften.join('|');
    for (const char *thema : {"Quiz", "Optionen", "Ergebnis", "Bestenliste", "Protokoll", "Tastatur"})
        EXPECT_TRUE(alle.contains(QString::fromUtf8(thema))) << thema << " missing in " << qPrintable(alle);
}

} // namespace
