// Tests of the quiz controller on a bare panel: clicks, keys, dragging, options.
#include "AntwortPanel.h"
#include "RadioGruppe.h"
#include "TUebOptForm.h"
#include "TUebOptFragenForm.h"
#include "TUebProtokollForm.h"
#include "UebTestUmgebung.h"
#include "UebungsSteuerung.h"

#include "Szene.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

static QApplication *App()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    return app;
}

// The controller on a bare panel with the real scene.
struct AppZuerst
{
    AppZuerst() { App(); }
};

// The main window as the quiz sees it: just the mode, sound off.
struct TestFenster : IQuizFenster
{
    int modus = 2;
    AnsichtArt Modus() const override { return AnsichtArt(modus); }
    void QuizModusSetzen() override { modus = 3; }
    void StartseiteZeigen() override { modus = 2; }
    void AktualisiereKnoepfe() override {}
    void UebungenBtnLoesen() override {}
    void UebungPanPlatzieren() override {}
    void BildGroesseSetzen(QSize) override {}
    void NummerierungErneuern() override {}
    bool TonausgabeAn() const override { return false; }
    bool NameEingabeAn() const override { return false; }
    bool AutoProtSpeichernAn() const override { return false; }
    bool ErgebBestListEintragenAn() const override { return true; }
    QString ProtOrdner() const override { return {}; }
};

// Counts the ends of runs; the name dialog is never asked for.
struct TestErgebnis : IErgebnisAnzeige
{
    int anzahl = 0;
    void ErgebnisAnzeigen() override { ++anzahl; }
    bool NamenErfragen(QString &name) override
    {
        name.clear();
        return true;
    }
};

struct Oberflaeche : AppZuerst
{
    TestUmgebung umg;
    DokumentZustand dok;
    QWidget pan;
    Szene szene{dok, umg.dienste};
    TestFenster fenster;
    int &modus = fenster.modus;
    TestErgebnis ergebnis;
    int &ergebnisse = ergebnis.anzahl;
    std::unique_ptr<UebungsSteuerung> st;

    explicit Oberflaeche(const Dokument &d)
    {
        App();
        dok.Dok = d;
        dok.Dok.BasisBild = QImage(600, 400, QImage::Format_RGB32);
        dok.Dok.BasisBild.fill(Qt::white);
        pan.resize(900, 560);
        st = std::make_unique<UebungsSteuerung>(dok, umg.dienste, szene, fenster, UebungsSteuerung::Flaechen{&pan, {}},
                                                nullptr);
        st->ErgebnisAnschliessen(ergebnis);
    }
    AntwortPanel *Panel(int i) const { return pan.findChild<AntwortPanel *>(QString("UebElemPan%1").arg(i)); }
    AntwortPanel *PanelMit(const QString &caption) const
    {
        for (AntwortPanel *p : pan.findChildren<AntwortPanel *>())
            if (p->Caption() == caption && p->isVisibleTo(&pan))
                return p;
        return nullptr;
    }
    static void Maus(QWidget *w, QEvent::Type typ, QPoint lokal, Qt::MouseButtons knoepfe)
    {
        QMouseEvent e(typ, QPointF(lokal), w->mapToGlobal(QPointF(lokal)), Qt::LeftButton, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void Taste(QWidget *w, int key)
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

TEST(UebungsSteuerung, SingleQuestionsAnsweredByClickAndNumberKeys)
{
    Oberflaeche o(EinzelfragenDok({"1 // Aa", "2 // Bb", "3 // Cc"}));
    ASSERT_TRUE(o.st->UebungStarten({}));
    EXPECT_EQ(o.modus, 3);
    EXPECT_TRUE(o.st->ZeitTimer->isActive());
    auto richtig = [&] {
        const Uebung &u = o.st->Engine;
        return o.dok.Dok.Objekte[u.Lauf.FragenFolge[u.Lauf.Position].ZielObjekt].Cap;
    };
    AntwortPanel *p = o.PanelMit(richtig());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->size(), QSize(150, 46));
    EXPECT_EQ(p->cursor().shape(), Qt::PointingHandCursor);
    Oberflaeche::Maus(p, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    Oberflaeche::Maus(p, QEvent::MouseButtonRelease, {10, 10}, Qt::NoButton);
    EXPECT_EQ(o.st->Engine.Lauf.AnzRichtig, 1);
    EXPECT_TRUE(o.st->UebFrageZaehlerPan->isVisibleTo(&o.pan));
    EXPECT_EQ(o.st->UebFrageZaehlerPan->Caption(), "2. Frage");

    // Key n answers with the panel in grid slot n.
    QList<AntwortPanel *> sichtbar;
    for (AntwortPanel *a : o.pan.findChildren<AntwortPanel *>())
        if (a->isVisibleTo(&o.pan))
            sichtbar << a;
    std::sort(sichtbar.begin(), sichtbar.end(), [](AntwortPanel *a, AntwortPanel *b) {
        return a->y() < b->y() || (a->y() == b->y() && a->x() < b->x());
    });
    const int slot = int(sichtbar.indexOf(o.PanelMit(richtig())));
    ASSERT_GE(slot, 0);
    Oberflaeche::Taste(sichtbar.first(), Qt::Key_1 + slot);
    EXPECT_EQ(o.st->Engine.Lauf.AnzRichtig, 2);
}

TEST(UebungsSteuerung, LabelsByDraggingAndByKeyboard)
{
    Oberflaeche o(BildDok({"Nord", "Süd"}));
    ASSERT_TRUE(o.st->UebungStarten({}));
    AntwortPanel *nord = o.PanelMit("Nord");
    ASSERT_NE(nord, nullptr);
    EXPECT_EQ(nord->cursor().shape(), Qt::BitmapCursor); // PFEILMOVE
    // Drag "Nord" so that its left edge midpoint lies on its label.
    const int ziel = 1;
    const Rechteck r = o.dok.Dok.Objekte[ziel].Rahmen;
    const QPoint lo = o.szene.AnzeigePixel(r.Left, r.Top), ru = o.szene.AnzeigePixel(r.Right, r.Bottom);
    const QPoint hin(lo.x() + 2, (lo.y() + ru.y()) / 2 - 23);
    const QPoint griff(5, 5);
    Oberflaeche::Maus(nord, QEvent::MouseButtonPress, griff, Qt::LeftButton);
    Oberflaeche::Maus(nord, QEvent::MouseMove, griff + (hin - nord->pos()), Qt::LeftButton);
    EXPECT_TRUE(o.st->UebMoveAnker->isVisibleTo(&o.pan));
    EXPECT_EQ(o.st->Engine.Lauf.AktZiel, ziel);
    Oberflaeche::Maus(nord, QEvent::MouseButtonRelease, griff, Qt::NoButton);
    EXPECT_EQ(o.st->Engine.Lauf.AnzRichtig, 1);
    EXPECT_EQ(o.dok.Dok.Objekte[ziel].Abdeckung, 0);

    // "Süd" with the keyboard: pick, choose the one open target, drop.
    AntwortPanel *sued = o.PanelMit("Süd");
    ASSERT_NE(sued, nullptr);
    Oberflaeche::Taste(sued, Qt::Key_Space);
    EXPECT_EQ(o.st->Engine.MarkiertesFeld(), sued->Index());
    Oberflaeche::Taste(sued, Qt::Key_Right);
    Oberflaeche::Taste(sued, Qt::Key_Return);
    EXPECT_EQ(o.st->Engine.Lauf.AnzRichtig, 2);
    EXPECT_EQ(o.ergebnisse, 1);
}

TEST(UebungsSteuerung, AClickOnAnOpenTargetDropsThePickedUpLabel)
{
    Oberflaeche o(BildDok({"Nord", "Süd"}));
    ASSERT_TRUE(o.st->UebungStarten({}));
    const int sued = 2;
    const Rechteck r = o.dok.Dok.Objekte[sued].Rahmen;
    const QPoint mitte = (o.szene.AnzeigePixel(r.Left, r.Top) + o.szene.AnzeigePixel(r.Right, r.Bottom)) / 2;
    // Without a picked-up label the click does nothing.
    Oberflaeche::Maus(&o.pan, QEvent::MouseButtonPress, mitte, Qt::LeftButton);
    EXPECT_EQ(o.st->Engine.Lauf.AnzRichtig + o.st->Engine.Lauf.AnzFalsch, 0);

    AntwortPanel *p = o.PanelMit("Süd");
    ASSERT_NE(p, nullptr);
    Oberflaeche::Taste(p, Qt::Key_Space);
    ASSERT_EQ(o.st->Engine.MarkiertesFeld(), p->Index());
    // A click beside every target keeps the label picked up.
    Oberflaeche::Maus(&o.pan, QEvent::MouseButtonPress, {o.pan.width() - 5, o.pan.height() - 5}, Qt::LeftButton);
    EXPECT_EQ(o.st->Engine.MarkiertesFeld(), p->Index());
    Oberflaeche::Maus(&o.pan, QEvent::MouseButtonPress, mitte, Qt::LeftButton);
    EXPECT_EQ(o.st->Engine.Lauf.AnzRichtig, 1);
    EXPECT_EQ(o.dok.Dok.Objekte[sued].Abdeckung, AbdeckungsArt::Aufgedeckt);
}

TEST(UebungsSteuerung, ProtocolWindowMadeOnFirstUseAndKept)
{
    Oberflaeche o(EinzelfragenDok({"1 // Aa", "2 // Bb"}));
    EXPECT_FALSE(o.st->ProtokollFormErzeugt());
    ASSERT_TRUE(o.st->UebungStarten({}));
    o.st->ProtokollDarstellen();
    ASSERT_TRUE(o.st->ProtokollFormErzeugt());
    TUebProtokollForm *fenster = &o.st->UebProtokollForm();
    EXPECT_EQ(fenster->Inhalt(), o.st->Engine.ProtokollText());
    EXPECT_TRUE(fenster->Inhalt().contains("Quiz wird gestartet")) << fenster->Inhalt().toStdString();
    // The same window again, with what it was given.
    EXPECT_EQ(&o.st->UebProtokollForm(), fenster);
    EXPECT_FALSE(o.st->UebProtokollForm().Rtf().isEmpty());
}

TEST(UebungsSteuerung, OptionValuesWaitForTheWindowsMadeOnFirstUse)
{
    Oberflaeche o(BildDok({"Nord"}));
    EXPECT_FALSE(o.st->OptionsFensterErzeugt());
    // The untouched defaults are read without the windows.
    EXPECT_EQ(o.st->OptWerteHolen(), UebOptWerte());
    o.st->OptWerteSetzen(UebOptWerte());
    EXPECT_EQ(o.st->OptWerteHolen(), UebOptWerte());
    EXPECT_FALSE(o.st->OptionsFensterErzeugt());
    UebOptWerte w;
    w.AbfrageModus = 2;
    w.ZLimitMin = "123";
    w.Zuordnungsziele = 7; // out of range: the window's default
    w.FragenZeitlimit = 1;
    o.st->OptWerteSetzen(w);
    EXPECT_FALSE(o.st->OptionsFensterErzeugt());
    // Reading makes the windows, which hold the waiting values as they
    // would have taken them at once.
    const UebOptWerte r = o.st->OptWerteHolen();
    EXPECT_TRUE(o.st->OptionsFensterErzeugt());
    EXPECT_EQ(r.AbfrageModus, 2);
    EXPECT_EQ(r.ZLimitMin, "12");
    EXPECT_EQ(r.Zuordnungsziele, 1);
    EXPECT_EQ(r.FragenZeitlimit, 1);
    EXPECT_EQ(o.st->UebOptForm().AbfrageModus->ItemIndex(), 2);
    // Once made, the windows take new values directly.
    w.AbfrageModus = 1;
    o.st->OptWerteSetzen(w);
    EXPECT_EQ(o.st->UebOptForm().AbfrageModus->ItemIndex(), 1);
    EXPECT_EQ(o.st->OptWerteHolen().AbfrageModus, 1);
    const TUebOptForm *fenster = &o.st->UebOptForm();
    o.st->OptWerteHolen();
    EXPECT_EQ(&o.st->UebOptForm(), fenster);
}

TEST(UebungsSteuerung, OptionsRefusedDuringARun)
{
    Oberflaeche o(BildDok({"Nord"}));
    ASSERT_TRUE(o.st->UebungStarten({}));
    o.st->UebOpt1Click();
    EXPECT_EQ(o.umg.meldungen.Texte(),
              QStringList{"Die Übungsoptionen können nicht während der Übung geändert werden."});
}

TEST(UebungsSteuerung, OptionsWindowOfTheDocumentsKindBeforeTheStart)
{
    // The box "Dieses Dialogfenster vor jeder Übung anzeigen" is ticked by
    // default: the start shows the window that fits the document first.
    for (const bool einzel : {false, true}) {
        Oberflaeche o(einzel ? EinzelfragenDok({"1 // Aa", "2 // Bb"}) : BildDok({"Nord", "Süd"}));
        ASSERT_TRUE(o.st->OptionenVorJederUebung());
        QDialog *erwartet = einzel ? static_cast<QDialog *>(&o.st->UebOptFragenForm())
                                   : static_cast<QDialog *>(&o.st->UebOptForm());
        QList<QWidget *> gezeigt;
        // Answers the modal window once it is shown.
        std::function<void(bool)> antworten = [&](bool starten) {
            QTimer::singleShot(10, [&, starten] {
                QWidget *w = QApplication::activeModalWidget();
                if (!w)
                    return antworten(starten);
                gezeigt << w;
                if (auto *d = qobject_cast<QDialog *>(w))
                    starten ? d->accept() : d->reject();
            });
        };
        antworten(false); // "Schließen"
        EXPECT_FALSE(o.st->UebungStarten({.optionenZeigen = o.st->OptionenVorJederUebung()}));
        EXPECT_EQ(o.modus, 2);
        antworten(true); // "Übung starten"
        EXPECT_TRUE(o.st->UebungStarten({.optionenZeigen = o.st->OptionenVorJederUebung()}));
        EXPECT_EQ(o.modus, 3);
        EXPECT_EQ(gezeigt, (QList<QWidget *>{erwartet, erwartet})) << einzel;
    }
}

// A document of many labels: in every way of asking, the quiz makes a panel only for what can be seen on
// the panel area, and every shown panel mirrors its field. Answering brings the next panels in.
TEST(UebungsSteuerung, PanelsMadeOnlyWhereTheyCanBeSeen)
{
    QStringList texte;
    for (int i = 0; i < 1500; ++i)
        texte << QString("Ort %1").arg(i);
    for (const int modus : {0, 1, 2}) {
        Oberflaeche o(BildDok(texte));
        UebOptWerte w;
        w.AbfrageModus = modus;
        o.st->OptWerteSetzen(w);
        ASSERT_TRUE(o.st->UebungStarten({}));
        auto pruefen = [&](const char *wann) {
            const auto &felder = o.st->Engine.Felder();
            const QList<AntwortPanel *> panels = o.pan.findChildren<AntwortPanel *>();
            EXPECT_LT(panels.size(), int(felder.size()) / 2) << modus << wann;
            int sichtbar = 0;
            for (const auto &[i, f] : felder) {
                if (!f.Sichtbar || !f.Rahmen.intersects(o.pan.rect()))
                    continue;
                ++sichtbar;
                AntwortPanel *p = o.Panel(i);
                ASSERT_NE(p, nullptr) << modus << wann << " " << i;
                EXPECT_TRUE(p->isVisibleTo(&o.pan));
                EXPECT_EQ(p->geometry(), f.Rahmen);
                EXPECT_EQ(p->Caption(), f.Caption);
            }
            EXPECT_GT(sichtbar, 0) << modus << wann;
        };
        pruefen(" start");
        // A right answer: a label is the target of its own text (the text asked for, else the target asked for).
        const Uebung &u = o.st->Engine;
        const FragenPaar paar = u.Lauf.FragenFolge[u.Lauf.Position];
        const int ziel = modus == 1 ? paar.TextObjekt : paar.ZielObjekt;
        int feld = -1;
        for (const auto &[i, f] : u.Felder())
            if (f.Tag == ziel && f.Sichtbar)
                feld = i;
        ASSERT_GE(feld, 0) << modus;
        const int vorher = u.Lauf.AnzRichtig;
        o.st->Engine.FeldAnklicken(feld);
        o.st->Engine.ZielAnklicken(ziel);
        EXPECT_EQ(u.Lauf.AnzRichtig, vorher + 1) << modus;
        pruefen(" after an answer");
    }
}
