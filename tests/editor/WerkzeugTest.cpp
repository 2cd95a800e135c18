// The labelling tool driven by mouse positions on a drawn scene, and the previews.
#include "Bearbeitung.h"
#include "BeschriftungsWerkzeug.h"
#include "DokumentDatei.h"
#include "FlaggenNamen.h"
#include "NeuesDokument.h"
#include "ProgrammLauf.h"
#include "Szene.h"
#include "Vorschau.h"

#include "BildDatei.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const Dokument &d)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(DokumentSchreiben(buf, d));
    return b;
}

// A document, the scene over a copy of it as the editor's picture draws it.
struct Bildflaeche
{
    DokumentZustand kopie;
    Szene szene{kopie, Dienste{}};
    Bildflaeche() { szene.SteuerGroesse = QSize(700, 500); }
    void Zeichnen(const Dokument &dok)
    {
        kopie.Dok = dok;
        for (DokObjekt &o : kopie.Dok.Objekte)
            o.Abdeckung = AbdeckungsArt::Aufgedeckt;
        szene.LernansichtSichtbar = true;
        szene.SzeneAufbauen();
    }
};

TEST(BeschriftungsWerkzeug, FiveLabelsPlacedWithTheMouseAreTheDocumentTvlBauMakes)
{
    QTemporaryDir ordner;
    QImage foto(640, 480, QImage::Format_RGB32);
    foto.fill(QColor(30, 140, 60));
    ASSERT_TRUE(PngSchreibenDatei(ordner.filePath("foto.png"), foto));
    Dokument d = NeuesDokumentAnlegen({DokArt::Bildbeschriftung, foto, "Park", "", ""});
    Bearbeitung b(d);
    Bildflaeche f;
    BeschriftungsWerkzeug w(b, f.szene);
    struct Zug
    {
        QPoint druck, los;
        const char *text;
    };
    const Zug zuege[5] = {{{100, 100}, {150, 60}, "Teich"},
                          {{300, 200}, {300, 200}, "Bank"},
                          {{500, 400}, {420, 450}, "Baum"},
                          {{60, 420}, {120, 470}, "Weg\nzum See"},
                          {{640, 50}, {600, 90}, "Spielplatz"}};
    QJsonArray objekte;
    for (const Zug &z : zuege) {
        f.Zeichnen(d);
        w.Druck(z.druck);
        w.Bewegung((z.druck + z.los) / 2);
        w.Bewegung(z.los);
        ASSERT_TRUE(w.Los(z.los));
        ASSERT_EQ(w.Anlegen(z.text), "");
        const QPointF a = f.szene.SteuerNachBruch(z.druck), k = f.szene.SteuerNachBruch(z.los);
        objekte.append(QJsonObject{{"Sx", a.x()}, {"Sy", a.y()}, {"Kx", k.x()}, {"Ky", k.y()}, {"Cap", z.text}});
    }
    EXPECT_EQ(b.Stapel.count(), 5); // one step per label

    const QJsonObject j{{"Titel", "Park"}, {"BasisBild", "foto.png"}, {"Objekte", objekte}};
    QFile json(ordner.filePath("park.json"));
    ASSERT_TRUE(json.open(QIODevice::WriteOnly));
    json.write(QJsonDocument(j).toJson());
    json.close();
    const ProgrammLauf l = Ausfuehren(TVL_PROGRAMM, {"bau", json.fileName(), "-o", ordner.filePath("park.tvl")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    QFile gebaut(ordner.filePath("park.tvl"));
    ASSERT_TRUE(gebaut.open(QIODevice::ReadOnly));
    EXPECT_EQ(Bytes(d), gebaut.readAll());
}

TEST(BeschriftungsWerkzeug, DragsMoveTheBoxOrTheAnchorOfTheHitLabelAsOneStepEach)
{
    Dokument d = NeuesDokumentAnlegen({DokArt::Bildbeschriftung, {}, "", "", ""});
    Bearbeitung b(d);
    ASSERT_EQ(b.BeschriftungAnlegen({0.2, 0.6}, {0.5, 0.3}, "Mitte"), "");
    Bildflaeche f;
    f.Zeichnen(d);
    BeschriftungsWerkzeug w(b, f.szene);
    const DokObjekt &o = f.kopie.Dok.Objekte[0];
    const QPoint kasten =
        f.szene.AnzeigePixel((o.Rahmen.Left + o.Rahmen.Right) / 2, (o.Rahmen.Top + o.Rahmen.Bottom) / 2);

    struct Fall
    {
        const char *name;
        QPoint druck;
        QPoint weg;
        bool kastenBewegt, ankerBewegt;
    };
    const Fall faelle[] = {
        {"box", kasten, {40, 20}, true, false},
        {"anchor", f.szene.AnzeigePixel(0.2, 0.6), {-30, 10}, false, true},
    };
    w.Ausgewaehlt = 0;
    for (const Fall &fall : faelle) {
        f.Zeichnen(d);
        const DokObjekt vorher = d.Objekte[0];
        const int schritte = b.Stapel.count();
        w.Druck(fall.druck);
        for (int i = 1; i <= 4; ++i)
            w.Bewegung(fall.druck + fall.weg * i / 4);
        EXPECT_FALSE(w.Los(fall.druck + fall.weg)) << fall.name;
        EXPECT_EQ(b.Stapel.count(), schritte + 1) << fall.name;
        EXPECT_EQ(d.Objekte[0].Kx != vorher.Kx, fall.kastenBewegt) << fall.name;
        EXPECT_EQ(d.Objekte[0].Sx != vorher.Sx, fall.ankerBewegt) << fall.name;
        EXPECT_EQ(d.Objekte.size(), 1) << fall.name;
    }
    // A click beside everything starts a new label; no caption, no label.
    f.Zeichnen(d);
    w.Druck({5, 5});
    EXPECT_TRUE(w.Los({5, 5}));
    EXPECT_FALSE(w.Anlegen("  ").isEmpty());
    w.Verwerfen();
    EXPECT_FALSE(w.Anlegen("x").isEmpty());
    EXPECT_EQ(d.Objekte.size(), 1);
}

TEST(Vorschau, TheCardCheckShowsCollisionsOfTheQuestionShown)
{
    Dokument d = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "", "", ""});
    Bearbeitung b(d);
    ASSERT_EQ(b.FrageHinzufuegen({"<@flaggenfrage><@img=de.png>", "Deutschland"}), "");
    // A question long enough to wrap runs into the flag's frame.
    ASSERT_EQ(b.FrageHinzufuegen({"Welches Land zeigt diese Flagge, die seit vielen Jahren über dem Rathaus der "
                                  "Hauptstadt weht?<@img=de.png>",
                                  "Deutschland"}),
              "");
    struct Fall
    {
        int k;
        bool konflikt;
    };
    for (const Fall &f : {Fall{1, false}, Fall{2, true}}) {
        QStringList konflikte;
        const QImage karte = FragenkarteVorschau(d, f.k, &konflikte, INHALT_ORDNER);
        EXPECT_EQ(!konflikte.isEmpty(), f.konflikt) << f.k << konflikte.join('\n').toStdString();
        for (const QString &z : konflikte)
            EXPECT_TRUE(z.startsWith(QString("Frage %1:").arg(f.k)));
        EXPECT_EQ(karte.size(), QSize(552, 557));
        // Collisions are outlined in red on the card.
        bool rot = false;
        for (int y = 0; y < karte.height() && !rot; y += 1)
            for (int x = 0; x < karte.width() && !rot; ++x)
                rot = karte.pixel(x, y) == qRgb(220, 0, 0);
        EXPECT_EQ(rot, f.konflikt) << f.k;
    }
}

TEST(FlaggenNamen, NamesComeFromTheQuestionLinesAndTagsAreReplaced)
{
    const auto namen = FlaggenNamenAusFragen("<@flaggenfrage><@img=DE.png>//Deutschland\r\n"
                                             "<@img=fr.png> Welches Land? // Frankreich\r\nohne Bild//x\r\n"
                                             "<@img=it.png>");
    EXPECT_EQ(namen.size(), 2);
    EXPECT_EQ(namen.value("de.png"), "Deutschland");
    EXPECT_EQ(namen.value("fr.png"), "Frankreich");

    struct Fall
    {
        QString frage, datei, erwartet;
    };
    const Fall faelle[] = {
        {"", "de.png", "<@flaggenfrage><@img=de.png>"},
        {"<@flaggenfrage><@img=fr.png>", "de.png", "<@flaggenfrage><@img=de.png>"},
        {"Welches Land?", "it.png", "<@img=it.png>Welches Land?"},
        {"<@IMG=x.png>Wer?", "pl.png", "<@img=pl.png>Wer?"},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(FlaggeEinsetzen(f.frage, f.datei), f.erwartet) << f.frage.toStdString();
}

TEST(FlaggenNamen, TheListHasEveryFlagFileSortedByName)
{
    QTemporaryDir prog;
    QDir(prog.path()).mkpath("Flaggen");
    QImage flagge(6, 4, QImage::Format_RGB32);
    flagge.fill(Qt::red);
    for (const char *f : {"de.png", "at.png", "zz.png"})
        ASSERT_TRUE(PngSchreibenDatei(prog.filePath(QString("Flaggen/") + f), flagge));
    Dokument quiz = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "", "", ""});
    Bearbeitung b(quiz);
    b.FrageHinzufuegen({"<@img=de.png>", "Deutschland"});
    b.FrageHinzufuegen({"<@img=at.png>", "Österreich"});
    QFile datei(prog.filePath("quiz.tvl"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    ASSERT_TRUE(DokumentSchreiben(datei, quiz));
    datei.close();
    QStringList namen, dateien;
    for (const FlaggenEintrag &e : FlaggenListe(prog.path()))
        namen << e.name, dateien << e.datei;
    EXPECT_EQ(namen, (QStringList{"Deutschland", "Österreich", "zz.png"}));
    EXPECT_EQ(dateien, (QStringList{"de.png", "at.png", "zz.png"}));
}

} // namespace

namespace {

// The header alone is read from a file cut anywhere after it; the whole
// document is not.
TEST(DokumentKopf, HeaderIsReadWithoutObjectsAndPicture)
{
    Dokument d = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "Kopf", "Ich", "Bem"});
    Bearbeitung b(d);
    b.FrageHinzufuegen({"<@img=de.png>", "Deutschland"});
    const QByteArray ganz = Bytes(d);
    struct Fall
    {
        qsizetype laenge;
        bool kopf, ganz;
    };
    for (const Fall &f : {Fall{ganz.size(), true, true}, Fall{ganz.size() - 10, true, false},
                          Fall{ganz.size() / 2, true, false}, Fall{20, false, false}}) {
        QByteArray teil = ganz.left(f.laenge);
        QBuffer puffer(&teil);
        puffer.open(QIODevice::ReadOnly);
        Dokument kopf;
        EXPECT_EQ(DokumentKopfLesen(puffer, kopf), f.kopf) << f.laenge;
        if (f.kopf) {
            EXPECT_EQ(kopf.Fragentext, d.Fragentext);
            EXPECT_EQ(kopf.Titel, "Kopf");
            EXPECT_EQ(kopf.DokTyp, DokArt::Einzelfragen);
            EXPECT_TRUE(kopf.Objekte.isEmpty());
            EXPECT_TRUE(kopf.BasisBild.isNull());
        }
        puffer.seek(0);
        Dokument alles;
        EXPECT_EQ(DokumentLesen(puffer, alles), f.ganz) << f.laenge;
    }
}

} // namespace
