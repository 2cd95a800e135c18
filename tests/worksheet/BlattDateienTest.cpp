// The page as EMF, WMF, PDF and SVG files: structure, texts and pictures,
// checked by parsing and with the readers users have.
#include "BlattHilfe.h"

#include "BlattExport.h"
#include "Cp1252.h"
#include "Sonderdateien.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

quint32 U32(const QByteArray &d, qsizetype p)
{
    return qFromLittleEndian<quint32>(d.constData() + p);
}
quint16 U16(const QByteArray &d, qsizetype p)
{
    return qFromLittleEndian<quint16>(d.constData() + p);
}

Blatt FlaggenBlatt(BlattTest &t, BlattArt art = BlattArt::Loesungsblatt)
{
    EXPECT_TRUE(t.Laden("flaggen-europa.tvl"));
    ArbeitsblattOptionen o;
    o.Titel = t.Dok().Titel;
    o.Art = art;
    return t.Bauen(o);
}

struct EmfInhalt
{
    QStringList texte;
    QList<int> hoehen; // em height of the font selected for each text
    int bilder = 0;
    bool eofZuletzt = false;
};

// Walks every record; fails the test on a record that runs out of the file.
EmfInhalt EmfLesen(const QByteArray &d)
{
    EmfInhalt inhalt;
    EXPECT_GE(d.size(), 108);
    EXPECT_EQ(U32(d, 0), 1u);
    EXPECT_EQ(U32(d, 40), 0x464D4520u);
    EXPECT_EQ(U32(d, 48), quint32(d.size()));
    quint32 saetze = 0;
    QHash<quint32, int> fonts;
    int schrift = 0;
    qsizetype p = 0;
    while (p + 8 <= d.size()) {
        const quint32 typ = U32(d, p), groesse = U32(d, p + 4);
        EXPECT_EQ(groesse % 4, 0u) << typ;
        if (groesse < 8 || p + groesse > quint32(d.size())) {
            ADD_FAILURE() << "Satz " << typ << " bei " << p << " läuft aus der Datei";
            break;
        }
        ++saetze;
        if (typ == 82) // EXTCREATEFONTINDIRECTW: handle, then LOGFONTW
            fonts[U32(d, p + 8)] = -qint32(U32(d, p + 12));
        else if (typ == 40) // DELETEOBJECT
            fonts.remove(U32(d, p + 8));
        else if (typ == 37 && fonts.contains(U32(d, p + 8))) // SELECTOBJECT
            schrift = fonts.value(U32(d, p + 8));
        if (typ == 84) { // EXTTEXTOUTW
            inhalt.hoehen << schrift;
            const quint32 n = U32(d, p + 44), off = U32(d, p + 48), offDx = U32(d, p + 72);
            EXPECT_LE(off + 2 * n, groesse);
            EXPECT_LE(offDx + 4 * n, groesse);
            QString s;
            for (quint32 k = 0; k < n; ++k)
                s += QChar(U16(d, p + off + 2 * k));
            inhalt.texte << s;
        } else if (typ == 81) { // STRETCHDIBITS
            const quint32 offBmi = U32(d, p + 48), offBits = U32(d, p + 56), cbBits = U32(d, p + 60);
            EXPECT_EQ(U32(d, p + offBmi), 40u);
            EXPECT_LE(offBits + cbBits, groesse);
            ++inhalt.bilder;
        }
        inhalt.eofZuletzt = typ == 14;
        p += groesse;
    }
    EXPECT_EQ(p, d.size());
    EXPECT_EQ(U32(d, 52), saetze);
    return inhalt;
}

EmfInhalt WmfLesen(const QByteArray &d)
{
    EmfInhalt inhalt;
    EXPECT_GE(d.size(), 40);
    EXPECT_EQ(U32(d, 0), 0x9AC6CDD7u);
    quint16 summe = 0;
    for (int k = 0; k < 20; k += 2)
        summe ^= U16(d, k);
    EXPECT_EQ(U16(d, 20), summe);
    EXPECT_EQ(U16(d, 22 + 2), 9u);
    EXPECT_EQ(U32(d, 22 + 6) * 2, quint32(d.size() - 22));
    const quint32 groessterSatz = U32(d, 22 + 12);
    QList<int> tabelle; // per index: -1 free, the negative em height for a font, 0 another object
    int schrift = 0;
    qsizetype p = 22 + 18;
    while (p + 6 <= d.size()) {
        const quint32 worte = U32(d, p);
        const quint16 funktion = U16(d, p + 4);
        if (worte < 3 || p + 2 * qsizetype(worte) > d.size()) {
            ADD_FAILURE() << "Satz " << funktion << " bei " << p << " läuft aus der Datei";
            break;
        }
        EXPECT_LE(worte, groessterSatz);
        if (funktion == 0x02FA || funktion == 0x02FB || funktion == 0x02FC) {
            // A new object takes the lowest free index of the table.
            qsizetype i = tabelle.indexOf(-1);
            const int art = funktion == 0x02FB ? qint16(U16(d, p + 6)) : 0;
            if (i < 0)
                tabelle.append(art);
            else
                tabelle[i] = art;
        } else if (funktion == 0x01F0) {
            const quint16 i = U16(d, p + 6);
            EXPECT_LT(i, tabelle.size());
            if (i < tabelle.size())
                tabelle[i] = -1;
        } else if (funktion == 0x012D) {
            const quint16 i = U16(d, p + 6);
            EXPECT_LT(i, tabelle.size());
            EXPECT_NE(tabelle.value(i, -1), -1) << "Auswahl eines gelöschten Objekts";
            if (tabelle.value(i, 0) < 0)
                schrift = -tabelle[i];
        }
        if (funktion == 0x0A32) {
            inhalt.hoehen << schrift;
            const quint16 n = U16(d, p + 10);
            inhalt.texte << VonCp1252(d.mid(p + 14, n));
        } else if (funktion == 0x0F43) {
            EXPECT_EQ(U32(d, p + 6 + 22), 40u);
            ++inhalt.bilder;
        }
        inhalt.eofZuletzt = funktion == 0;
        p += 2 * qsizetype(worte);
    }
    EXPECT_EQ(p, d.size());
    return inhalt;
}

QList<int> Hoehen(const Blatt &b)
{
    QList<int> h;
    for (const BlattElement &e : b.Elemente)
        if (e.art == BlattElement::Art::Text)
            h << e.emHoehe;
    return h;
}

// Runs a reader program; empty when it is not installed.
QString Programm(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QByteArray Ausfuehren(const QString &programm, const QStringList &args, int *rc = nullptr)
{
    QProcess p;
    p.start(programm, args);
    p.waitForFinished(60000);
    if (rc)
        *rc = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAllStandardOutput();
}

} // namespace

TEST(BlattDateien, EmfTraegtJedenTextUndJedesBildDesBlatts)
{
    BlattTest t;
    const Blatt b = FlaggenBlatt(t);
    const EmfInhalt e = EmfLesen(BlattDaten(b, BlattFormat::Emf));
    EXPECT_EQ(e.texte, b.Texte());
    EXPECT_EQ(e.hoehen, Hoehen(b));
    EXPECT_EQ(e.bilder, b.Alle(BlattElement::Art::Bild).size());
    EXPECT_GT(e.bilder, 0);
    EXPECT_TRUE(e.eofZuletzt);
}

TEST(BlattDateien, WmfTraegtJedenTextUndJedesBildDesBlatts)
{
    BlattTest t;
    const Blatt b = FlaggenBlatt(t);
    const EmfInhalt w = WmfLesen(BlattDaten(b, BlattFormat::Wmf));
    EXPECT_EQ(w.texte, b.Texte());
    EXPECT_EQ(w.hoehen, Hoehen(b));
    EXPECT_EQ(w.bilder, b.Alle(BlattElement::Art::Bild).size());
    EXPECT_TRUE(w.eofZuletzt);
}

TEST(BlattDateien, JederTextStehtInSeinerSchriftAuchOhneKopfUndLinien)
{
    // The overlay of a cloze text has neither header nor lines: its first
    // object after the brush is a font, which the object table must place.
    for (const char *dok : {"farben-und-zeichen.tvl", "aufbau-einer-flagge.tvl", "flaggen-europa.tvl"})
        for (BlattArt art : {BlattArt::Arbeitsblatt, BlattArt::Loesungsblatt, BlattArt::Auflegefolie}) {
            BlattTest t;
            ASSERT_TRUE(t.Laden(dok));
            ArbeitsblattOptionen o;
            o.Titel = t.Dok().Titel;
            o.Art = art;
            const Blatt b = t.Bauen(o);
            const EmfInhalt w = WmfLesen(BlattDaten(b, BlattFormat::Wmf));
            EXPECT_EQ(w.hoehen, Hoehen(b)) << dok << int(art);
            const EmfInhalt e = EmfLesen(BlattDaten(b, BlattFormat::Emf));
            EXPECT_EQ(e.hoehen, Hoehen(b)) << dok << int(art);
        }
}

TEST(BlattDateien, WmfSchreibtZeichenAusserhalbDerCodepageAlsFragezeichen)
{
    Blatt b;
    b.Text(0, 0, QString::fromUtf8("Ärger ✔ €"), 18, Qt::black);
    const EmfInhalt w = WmfLesen(BlattDaten(b, BlattFormat::Wmf));
    EXPECT_EQ(w.texte, QStringList{QString::fromUtf8("Ärger ? €")});
    const EmfInhalt e = EmfLesen(BlattDaten(b, BlattFormat::Emf));
    EXPECT_EQ(e.texte, QStringList{QString::fromUtf8("Ärger ✔ €")});
}

TEST(BlattDateien, NurBekannteEndungenWerdenGeschrieben)
{
    EXPECT_EQ(BlattFormatVon("a.EMF"), BlattFormat::Emf);
    EXPECT_EQ(BlattFormatVon("a.wmf"), BlattFormat::Wmf);
    EXPECT_EQ(BlattFormatVon("a.Pdf"), BlattFormat::Pdf);
    EXPECT_EQ(BlattFormatVon("a.svg"), BlattFormat::Svg);
    EXPECT_EQ(BlattFormatVon("a.png"), BlattFormat::Png);
    EXPECT_EQ(BlattFormatVon("a.emf.txt"), BlattFormat::Unbekannt);
    EXPECT_EQ(BlattFormatVon("emf"), BlattFormat::Unbekannt);

    QTemporaryDir dir;
    Blatt b;
    b.Text(0, 0, "x", 18, Qt::black);
    EXPECT_FALSE(BlattSpeichern(b, dir.filePath("a.txt"), BlattFormat::Unbekannt));
    EXPECT_FALSE(QFile::exists(dir.filePath("a.txt")));
    // A folder that does not exist: failure, nothing left behind.
    EXPECT_FALSE(BlattSpeichern(b, dir.filePath("fehlt/a.emf"), BlattFormat::Emf));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // Saving over an existing file replaces it whole.
    QFile alt(dir.filePath("a.emf"));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    ASSERT_TRUE(BlattSpeichern(b, dir.filePath("a.emf"), BlattFormat::Emf));
    QFile neu(dir.filePath("a.emf"));
    ASSERT_TRUE(neu.open(QIODevice::ReadOnly));
    EXPECT_EQ(neu.readAll(), BlattDaten(b, BlattFormat::Emf));
    // A FIFO under the chosen name is refused, not replaced.
    const QString fifo = dir.filePath("rohr.pdf");
    ASSERT_TRUE(FifoAnlegen(fifo));
    EXPECT_FALSE(BlattSpeichern(b, fifo, BlattFormat::Pdf));
    EXPECT_TRUE(IstFifo(fifo));
}

TEST(BlattDateien, PdfEnthaeltDieTexteFuerPdftotext)
{
    const QString pdftotext = Programm("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) fehlt";
    BlattTest t;
    const Blatt b = FlaggenBlatt(t);
    QTemporaryDir dir;
    ASSERT_TRUE(BlattSpeichern(b, dir.filePath("blatt.pdf"), BlattFormat::Pdf));
    const QString text = QString::fromUtf8(Ausfuehren(pdftotext, {dir.filePath("blatt.pdf"), "-"}));
    for (const QString &s : {QString("Name:"), QString("Klasse:"), QString("Datum:"), t.Dok().Titel,
                             QString::fromUtf8("1. Wie heißt das Land zu dieser Flagge?"),
                             QString::fromUtf8("erstellt mit TVL - Tavolin für interaktive Übungen")})
        EXPECT_TRUE(text.contains(s)) << s.toStdString() << "\n" << text.toStdString();
}

TEST(BlattDateien, WmfOeffnetInWmf2svgMitTextenUndBildern)
{
    const QString wmf2svg = Programm("wmf2svg");
    if (wmf2svg.isEmpty())
        GTEST_SKIP() << "wmf2svg (libwmf-bin) fehlt";
    BlattTest t;
    const Blatt b = FlaggenBlatt(t);
    QTemporaryDir dir;
    ASSERT_TRUE(BlattSpeichern(b, dir.filePath("blatt.wmf"), BlattFormat::Wmf));
    int rc = -1;
    Ausfuehren(wmf2svg, {"-o", dir.filePath("blatt.svg"), dir.filePath("blatt.wmf")}, &rc);
    EXPECT_EQ(rc, 0);
    QFile svg(dir.filePath("blatt.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromUtf8(svg.readAll());
    // The reader places every character on its own, by our advances.
    static const QRegularExpression zeichen(">([^<]*)</text>");
    QString text;
    for (auto it = zeichen.globalMatch(inhalt); it.hasNext();)
        text += it.next().captured(1);
    for (const QString &s : {QString("Name:"), QString("Klasse:"), QString("Datum:"), QString("Albanien")})
        EXPECT_TRUE(text.contains(s)) << s.toStdString();
    EXPECT_GE(inhalt.count("<image"), int(b.Alle(BlattElement::Art::Bild).size()));
}

TEST(BlattDateien, SvgWirdVonRsvgGezeichnet)
{
    const QString rsvg = Programm("rsvg-convert");
    if (rsvg.isEmpty())
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) fehlt";
    BlattTest t;
    const Blatt b = FlaggenBlatt(t, BlattArt::Arbeitsblatt);
    QTemporaryDir dir;
    ASSERT_TRUE(BlattSpeichern(b, dir.filePath("blatt.svg"), BlattFormat::Svg));
    int rc = -1;
    // The page is as large as the metafiles' (a unit is 0.17 mm): at 149
    // dpi one unit is one pixel.
    Ausfuehren(rsvg, {"-d", "149", "-p", "149", "-o", dir.filePath("blatt.png"), dir.filePath("blatt.svg")}, &rc);
    ASSERT_EQ(rc, 0);
    QImage bild(dir.filePath("blatt.png"));
    ASSERT_FALSE(bild.isNull());
    // The size goes through millimetres: a unit more is rounding.
    EXPECT_NEAR(bild.width(), Blatt::Breite, 2);
    EXPECT_NEAR(bild.height(), Blatt::Hoehe, 2);
    // The header rule under "Name:" is drawn where the page puts it.
    const auto regel = b.Alle(BlattElement::Art::Linie).first();
    int dunkel = 0;
    for (int x = 10; x < 490; ++x)
        for (int dy = -1; dy <= 1; ++dy)
            if (qGray(bild.pixel(x, regel.y + dy)) < 128 && qAlpha(bild.pixel(x, regel.y + dy)) > 128)
                ++dunkel;
    EXPECT_GT(dunkel, 400);
}

TEST(BlattDateien, TvlArbeitsblattSchreibtDieSeiteUndWeistUnbekannteEndungenAb)
{
    QTemporaryDir dir;
    const QString dok = QStringLiteral(PENNORIA_QUELLE) + "/content/aufbau-einer-flagge.tvl";
    const QString prog = QStringLiteral(PENNORIA_QUELLE) + "/content";
    int rc = -1;
    for (const char *endung : {"emf", "wmf", "pdf", "svg", "png"}) {
        const QString ziel = dir.filePath(QString("blatt.") + endung);
        Ausfuehren(TVL_PROGRAMM, {"arbeitsblatt", dok, "-o", ziel, "--art", "folie", "--progordner", prog}, &rc);
        EXPECT_EQ(rc, 0) << endung;
        EXPECT_GT(QFileInfo(ziel).size(), 100) << endung;
    }
    // The same page as the library builds with the window's defaults.
    BlattTest t;
    ASSERT_TRUE(t.Laden("aufbau-einer-flagge.tvl"));
    ArbeitsblattOptionen o;
    o.Titel = t.Dok().Titel;
    o.Art = BlattArt::Auflegefolie;
    QFile emf(dir.filePath("blatt.emf"));
    ASSERT_TRUE(emf.open(QIODevice::ReadOnly));
    EXPECT_EQ(EmfLesen(emf.readAll()).texte, t.Bauen(o).Texte());

    QProcess p;
    p.start(TVL_PROGRAMM, {"arbeitsblatt", dok, "-o", dir.filePath("blatt.txt")});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("ungültiger Dateinamenserweiterung"));
    EXPECT_FALSE(QFile::exists(dir.filePath("blatt.txt")));
}
