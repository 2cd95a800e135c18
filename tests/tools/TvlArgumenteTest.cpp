// Tests of the argument errors of "tvl render" and "tvl arbeitsblatt".
#include "ProgrammLauf.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Fall
{
    QStringList args;
    QString meldung; // the first line on standard error
};

// Every wrong call ends with code 2, its own message and the verb's usage,
// before any file is read or written.
void Pruefen(const QString &verb, const QList<Fall> &faelle)
{
    for (const Fall &f : faelle) {
        const ProgrammLauf l = Ausfuehren(TVL_PROGRAMM, QStringList{verb} + f.args);
        const QStringList zeilen = l.fehler.split('\n');
        EXPECT_EQ(l.code, 2) << f.args.join(' ').toStdString();
        EXPECT_EQ(zeilen.value(0), f.meldung) << f.args.join(' ').toStdString();
        EXPECT_TRUE(zeilen.value(1).startsWith("Aufruf: tvl " + verb + " ")) << f.args.join(' ').toStdString();
        EXPECT_TRUE(l.aus.isEmpty());
    }
}

} // namespace

TEST(TvlArgumente, RenderNenntJedenFehlerMitSeinerOption)
{
    Pruefen(
        "render",
        {
            {{}, "Themendokument und Bilddatei (-o) angeben."},
            {{"a.tvl"}, "Themendokument und Bilddatei (-o) angeben."},
            {{"-o", "b.png"}, "Themendokument und Bilddatei (-o) angeben."},
            {{"a.tvl", "-o"}, "Nach -o fehlt der Name der Bilddatei."},
            {{"a.tvl", "--ausgabe"}, "Nach -o fehlt der Name der Bilddatei."},
            {{"a.tvl", "-o", "b.png", "--progordner"}, "Nach --progordner fehlt der Ordner."},
            {{"a.tvl", "-o", "b.png", "--farbe", "rot"}, "Unbekannte Option \"--farbe\"."},
            {{"a.tvl", "-o", "b.png", "-"}, "Unbekannte Option \"-\"."},
            {{"a.tvl", "b.tvl", "-o", "b.png"}, "Nur ein Themendokument angeben (\"b.tvl\" ist zu viel)."},
            {{"a.tvl", "-o", "b.png", "--groesse", "10x10"},
             "--groesse erwartet Breite x Höhe in Pixeln, z. B. 870x650 (16 bis 8000)."},
            {{"a.tvl", "-o", "b.png", "--groesse"},
             "--groesse erwartet Breite x Höhe in Pixeln, z. B. 870x650 (16 bis 8000)."},
            {{"a.tvl", "-o", "b.png", "--zoom", "5"}, "--zoom erwartet eine Zoomstufe von 0 (100 %) bis 4 (200 %)."},
            {{"a.tvl", "-o", "b.png", "--ebenen", "12"},
             "--ebenen erwartet drei Ziffern 0 oder 1 (Illustration, Beschriftung, Infopunkte)."},
            {{"a.tvl", "-o", "b.png", "--saat", "-1"}, "--saat erwartet eine ganze Zahl ab 0."},
        });
}

TEST(TvlArgumente, ArbeitsblattNenntJedenFehlerMitSeinerOption)
{
    Pruefen("arbeitsblatt",
            {
                {{"a.tvl"}, "Themendokument und Ausgabedatei (-o) angeben."},
                {{"a.tvl", "-o"}, "Nach -o fehlt der Name der Ausgabedatei."},
                {{"a.tvl", "-o", "b.emf", "--progordner"}, "Nach --progordner fehlt der Ordner."},
                {{"a.tvl", "-o", "b.emf", "--farbe"}, "Unbekannte Option \"--farbe\"."},
                {{"a.tvl", "b.tvl", "-o", "b.emf"}, "Nur ein Themendokument angeben (\"b.tvl\" ist zu viel)."},
                // A lone "-" is a name here, so it is the second document.
                {{"a.tvl", "-", "-o", "b.emf"}, "Nur ein Themendokument angeben (\"-\" ist zu viel)."},
                {{"a.tvl", "-o", "b.emf", "--art", "bild"}, "--art erwartet arbeitsblatt, loesung oder folie."},
                {{"a.tvl", "-o", "b.emf", "--ab-frage", "0"}, "--ab-frage erwartet eine Fragennummer von 1 bis 99999."},
                {{"a.tvl", "-o", "b.txt"}, "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."},
                {{"a.tvl", "-o", "b.pdf", "--wortliste", "keine"},
                 "--wortliste erwartet blatt (nur die Antworten des Blatts) oder alle."},
                {{"a.tvl", "-o", "b.pdf", "--wortliste"},
                 "--wortliste erwartet blatt (nur die Antworten des Blatts) oder alle."},
            });
}

TEST(TvlArgumente, FehlendesDokumentIstKeinAufruffehler)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString &verb : {QString("render"), QString("arbeitsblatt")}) {
        const QString ziel = dir.filePath(verb == "render" ? "b.png" : "b.emf");
        const ProgrammLauf l = Ausfuehren(TVL_PROGRAMM, {verb, dir.filePath("fehlt.tvl"), "-o", ziel});
        EXPECT_EQ(l.code, 1) << verb.toStdString();
        EXPECT_TRUE(l.fehler.contains("fehlt.tvl")) << verb.toStdString();
        EXPECT_FALSE(l.fehler.contains("Aufruf: tvl")) << verb.toStdString();
        EXPECT_FALSE(QFile::exists(ziel));
    }
}

TEST(TvlArgumente, HilfeIstKeinFehler)
{
    for (const QStringList &args : {QStringList{"--help"}, QStringList{"arbeitsblatt", "--help"},
                                    QStringList{"arbeitsblatt", "a.tvl", "-o", "b.pdf", "-h"}, QStringList{}}) {
        const ProgrammLauf l = Ausfuehren(TVL_PROGRAMM, args);
        // Help goes to standard output with 0; no verb at all is an error.
        EXPECT_EQ(l.code, args.isEmpty() ? 2 : 0) << args.join(' ').toStdString();
        EXPECT_TRUE((args.isEmpty() ? l.fehler : l.aus).startsWith("Aufruf:")) << args.join(' ').toStdString();
        EXPECT_EQ(l.fehler.isEmpty(), !args.isEmpty());
        EXPECT_EQ(l.aus.contains("tvl arbeitsblatt"), !args.isEmpty());
    }
}
