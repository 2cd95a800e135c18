// Tests of the learning view as a teacher uses it with the extended
// functions on: commands that must not act, strokes and the keyword field
// across loads, zoom during a quiz, output without a document.
#include "AnsichtAusgabeAnschluss.h"
#include "FensterTest.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LernNavigationAnschluss.h"
#include "LernWerkzeugAnschluss.h"
#include "Rahmen.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TestDokumente.h"
#include "TestQuiz.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {
// The program's window with the learning view and two topics, the switch
// on, and the quiz start counted instead of run.
class Lehreransicht : public FensterTest
{
protected:
    LernKartBild *bild = nullptr;
    LernAnsichtAnschluss *ansicht = nullptr;
    LernNavigationAnschluss *navigation = nullptr;
    LernWerkzeugAnschluss *werkzeuge = nullptr;
    AnsichtAusgabeAnschluss *ausgabe = nullptr;
    Wahl *wahl = nullptr;
    std::unique_ptr<TestQuiz> quiz;

    void SetUp() override
    {
        ProgrammOrdnerAnlegen(true);
        ASSERT_TRUE(SchreibeTestDokument(prog + "a.tvl", "Afrika"));
        ASSERT_TRUE(SchreibeTestDokument(prog + "b.tvl", "Asien"));
        FensterBauen();
        const LernAnsichtTeile t = LernAnsichtEinsetzen(&wahl);
        bild = t.bild;
        ansicht = t.ansicht;
        navigation = t.navigation;
        werkzeuge = t.werkzeuge;
        ausgabe = t.ausgabe;
        quiz = std::make_unique<TestQuiz>(*form);
        form->QuizAnschliessen(*quiz);
        form->show();
        form->ErsteAktivierung();
        form->ErweiterteFunktionenSetzen(true);
        u.meldungen.Leeren();
    }
    void Maus(QEvent::Type typ, QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons knoepfe)
    {
        QMouseEvent e(typ, pos, bild->mapToGlobal(pos), knopf, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(bild, &e);
    }
    void Klick(QPoint pos)
    {
        Maus(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        Maus(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    // Red pixels of the display farther than r from a control pixel.
    int RotAusserhalb(QPoint steuer, int r) const
    {
        const QPoint mitte = steuer - szene->BildVersatz();
        int n = 0;
        for (int y = 0; y < szene->AnzeigeBild.height(); ++y)
            for (int x = 0; x < szene->AnzeigeBild.width(); ++x)
                if (QColor(szene->AnzeigeBild.pixel(x, y)) == QColor(255, 0, 0)
                    && (qAbs(x - mitte.x()) > r || qAbs(y - mitte.y()) > r))
                    ++n;
        return n;
    }
    QStringList SichtbareTexte(QMenu *menue) const
    {
        QStringList t;
        for (QAction *a : menue->actions())
            if (a->isVisible() && !a->isSeparator())
                t << a->text();
        return t;
    }
    bool ZoomTaste() { return form->FormKeyDown(Qt::Key_Plus, int(Qt::ControlModifier | Qt::KeypadModifier)); }
};
} // namespace

TEST_F(Lehreransicht, SpeichernBleibtVerstecktWeilNichtsEinDokumentAendert)
{
    const QStringList datei = SichtbareTexte(form->Menue.Datei1);
    EXPECT_FALSE(datei.join('|').contains("&Speichern")) << datei.join('|').toStdString();
    // The other file commands with an effect are there.
    EXPECT_TRUE(datei.join('|').contains(QString::fromUtf8("Ö&ffnen...")));
    form->MenueThemaClick(0);
    EXPECT_FALSE(form->Zustand.Dok.Geaendert);
}

TEST_F(Lehreransicht, StiftNachThemenwechselZeichnetKeinenStrichVomAltenPunkt)
{
    form->MenueThemaClick(0);
    ASSERT_TRUE(form->StartInfoPan->isHidden());
    werkzeuge->Knoepfe[2]->clicked(); // red pen
    const QPoint alt(40, 40), hier(300, 200);
    // The hand rests beside the picture, then moves a little: the pen's
    // position is left on the old topic's picture.
    for (const QPoint p : {alt, hier - QPoint(12, 0), hier})
        Maus(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    form->Menue.NextDok1->trigger(); // PageDown
    ASSERT_EQ(form->Zustand.Dok.Titel, "Asien");
    Klick(hier);
    EXPECT_EQ(RotAusserhalb(hier, 4), 0);
}

TEST_F(Lehreransicht, SchlagwortfeldVerschwindetMitSeinemBild)
{
    const struct
    {
        const char *was;
        std::function<void()> tun;
    } faelle[] = {
        {"Themenwechsel", [this] { form->Menue.NextDok1->trigger(); }},
        {"Groesse",
         [this] {
             form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
             form->resize(form->width() + 60, form->height() + 40);
             form->FormResize();
         }},
        {"Zoom", [this] { ZoomTaste(); }},
        {"Escape", [this] { QTest::keyClick(&werkzeuge->TexteingabeEdit(), Qt::Key_Escape); }},
    };
    for (const auto &f : faelle) {
        form->MenueThemaClick(0);
        szene->ZoomSetzen(0);
        werkzeuge->Knoepfe[8]->clicked(); // keyword
        Klick(QPoint(200, 150));
        QLineEdit &feld = werkzeuge->TexteingabeEdit();
        ASSERT_TRUE(feld.isVisible()) << f.was;
        QTest::keyClicks(&feld, "Wappen");
        f.tun();
        EXPECT_TRUE(feld.isHidden()) << f.was;
        EXPECT_TRUE(feld.text().isEmpty()) << f.was;
        // The focus is back on the picture, not on a layer box.
        EXPECT_EQ(qobject_cast<QCheckBox *>(QApplication::focusWidget()), nullptr) << f.was;
    }
}

TEST_F(Lehreransicht, ImQuizBleibtDieAnsichtBeiHundertProzent)
{
    form->MenueThemaClick(0);
    form->QuizModusSetzen();
    EXPECT_TRUE(ZoomTaste());
    EXPECT_TRUE(ZoomTaste());
    navigation->Zoomstufe200->trigger();
    navigation->ZoomPan4->clicked();
    EXPECT_EQ(szene->ZoomIndex, 0);
    EXPECT_DOUBLE_EQ(szene->ZoomFaktor, 1.0);
    for (QAction *a : {navigation->Zoomstufe100, navigation->Zoomstufe150, navigation->Zoomstufe200})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(navigation->ZoomPan4->isEnabled());

    // Back in the learning view the commands work again.
    form->StartseiteZeigen();
    EXPECT_TRUE(navigation->Zoomstufe200->isEnabled());
    EXPECT_TRUE(ZoomTaste());
    EXPECT_EQ(szene->ZoomIndex, 2);
}

TEST_F(Lehreransicht, AusgabeBefehleBrauchenEinDokument)
{
    wahl->pfad = tmp.filePath("leer.png");
    QAction *befehle[] = {form->Menue.Exportieren1, form->Menue.IndieZwischenablageBMP, form->Menue.Drucken1};
    THoverPanel *knoepfe[] = {ausgabe->ExportBtn, ausgabe->ClipbordBtn, ausgabe->DruckBtn};
    auto pruefen = [&](bool an, const char *wann) {
        for (QAction *a : befehle)
            EXPECT_EQ(a->isEnabled(), an) << a->objectName().toStdString() << " " << wann;
        for (THoverPanel *k : knoepfe)
            EXPECT_EQ(k->isEnabled(), an) << k->objectName().toStdString() << " " << wann;
    };

    // The start page: nothing is written or copied, not even by a button
    // pressed from code.
    pruefen(false, "Startseite");
    QGuiApplication::clipboard()->clear();
    ausgabe->ExportBtn->clicked();
    ausgabe->ClipbordBtn->clicked();
    EXPECT_EQ(wahl->aufrufe, 0);
    EXPECT_FALSE(QFile::exists(wahl->pfad));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());

    form->MenueThemaClick(0);
    pruefen(true, "Dokument");
    form->Menue.Exportieren1->trigger();
    EXPECT_EQ(wahl->aufrufe, 1);
    EXPECT_TRUE(QFile::exists(wahl->pfad));

    form->Menue.Schliessen1->trigger();
    pruefen(false, "geschlossen");
}

TEST_F(Lehreransicht, MausradUndHaupttastaturZoomenUndScrollen)
{
    form->MenueThemaClick(0);
    auto rad = [this](QPoint winkel, Qt::KeyboardModifiers tasten) {
        const QPointF pos(100, 100);
        QWheelEvent e(pos, bild->mapToGlobal(pos), QPoint(), winkel, Qt::NoButton, tasten, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bild, &e);
    };
    rad(QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(szene->ZoomIndex, 2);
    EXPECT_TRUE(navigation->ZoomPan2->Checked());
    const Rechteck start = szene->Ausschnitt;
    rad(QPoint(0, -120), Qt::NoModifier);
    EXPECT_GT(szene->Ausschnitt.Top, start.Top);
    EXPECT_DOUBLE_EQ(szene->Ausschnitt.Left, start.Left);
    rad(QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_GT(szene->Ausschnitt.Left, start.Left);
    rad(QPoint(0, -240), Qt::ControlModifier);
    EXPECT_EQ(szene->ZoomIndex, 0);

    // Ctrl and the main keyboard's plus and minus, as the keypad's.
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(szene->ZoomIndex, 2);
    QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(szene->ZoomIndex, 0);

    // Under the start panel the wheel moves nothing.
    form->Menue.Schliessen1->trigger();
    rad(QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(szene->ZoomIndex, 0);
}

TEST_F(Lehreransicht, SpeicherdialogOeffnetImZuletztBenutztenOrdner)
{
    form->MenueThemaClick(0);
    QDir().mkpath(tmp.filePath("bilder"));
    wahl->pfad = tmp.filePath("bilder/eins.bmp");
    form->Menue.Exportieren1->trigger();
    EXPECT_TRUE(wahl->geoeffnetIn.isEmpty()); // nothing used yet
    form->Menue.Exportieren1->trigger();
    EXPECT_EQ(wahl->geoeffnetIn, tmp.filePath("bilder"));

    // Kept in the settings for the next start.
    form->SchreibeEinstellungen();
    QSettings gelesen(tmp.path() + "/p.conf", QSettings::IniFormat);
    EXPECT_EQ(gelesen.value("Opt-ExportOrdner").toString(), tmp.filePath("bilder"));
    form->ExportOrdner.clear();
    form->LeseEinstellungen();
    EXPECT_EQ(form->ExportOrdner, tmp.filePath("bilder"));
}

TEST_F(Lehreransicht, FokusKommtNieAufDieEbenenSchalter)
{
    form->MenueThemaClick(0);
    QApplication::setActiveWindow(form.get());
    form->setFocus();
    QCheckBox *ebenen[] = {ansicht->Ebene0Check, ansicht->Ebene1Check, ansicht->Ebene2Check};
    // Through the whole focus chain and after scroll commands: a Space
    // never reaches a layer box.
    for (int i = 0; i < 40; ++i) {
        QWidget *w = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        if (i % 3 == 0)
            QTest::keyClick(w, Qt::Key_Right, Qt::ControlModifier);
        else
            QTest::keyClick(w, Qt::Key_Tab);
        for (QCheckBox *c : ebenen)
            ASSERT_NE(QApplication::focusWidget(), c) << i;
    }
    for (QCheckBox *c : ebenen)
        EXPECT_TRUE(c->isChecked());
}

TEST_F(Lehreransicht, KlappknopfBleibtAlsGriffUndWarntVorDemVerlustDerZeichnungen)
{
    form->MenueThemaClick(0);
    THoverPanel *klapp = form->KlappPan;
    ASSERT_TRUE(klapp->isVisible());
    EXPECT_NE(klapp->Caption(), "x"); // not a close button
    EXPECT_EQ(klapp->toolTip(), "Werkzeugleiste zuklappen");

    werkzeuge->Knoepfe[2]->clicked();
    Maus(QEvent::MouseMove, QPoint(50, 50), Qt::NoButton, Qt::NoButton);
    Maus(QEvent::MouseButtonPress, QPoint(50, 50), Qt::LeftButton, Qt::LeftButton);
    Maus(QEvent::MouseMove, QPoint(150, 50), Qt::NoButton, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, QPoint(150, 50), Qt::LeftButton, Qt::NoButton);
    const QImage mitStrich = szene->AnzeigeBild.copy();

    // Asked first; "Nein" keeps the bar and the drawing.
    u.meldungen.antworten.push_back(Antwort::Nein);
    klapp->clicked();
    ASSERT_EQ(u.meldungen.Texte().size(), 1);
    EXPECT_TRUE(u.meldungen.Texte()[0].contains("Zeichnungen"));
    EXPECT_EQ(form->LeisteOffen, 1);
    EXPECT_EQ(szene->AnzeigeBild, mitStrich);

    // "Ja" folds; the control stays as a visible handle that unfolds.
    klapp->clicked();
    EXPECT_EQ(form->LeisteOffen, 0);
    EXPECT_TRUE(form->LernInfoPan->isHidden());
    EXPECT_TRUE(klapp->isVisible());
    EXPECT_TRUE(form->LernKartPan->rect().contains(klapp->geometry()));
    EXPECT_EQ(klapp->toolTip(), "Werkzeugleiste aufklappen");
    // Nothing drawn now: no question.
    u.meldungen.Leeren();
    klapp->clicked();
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
    EXPECT_EQ(form->LeisteOffen, 1);
    EXPECT_TRUE(form->LernInfoPan->isVisible());
}

TEST_F(Lehreransicht, StartseitenknopfSagtWasErTutUndDieLeisteFuehrtZurueck)
{
    EXPECT_EQ(form->LernKartBtn->Caption(), "Startseite");
    form->MenueThemaClick(0);
    EXPECT_TRUE(form->LernKartBtn->Caption().contains(QString::fromUtf8("zurücksetzen")));
    EXPECT_FALSE(form->LernKartBtn->toolTip().isEmpty());

    THoverPanel *zurueck = navigation->StartseiteBtn;
    ASSERT_TRUE(zurueck->isVisible());
    EXPECT_TRUE(form->LernInfoPan->rect().contains(zurueck->geometry()));
    zurueck->clicked();
    EXPECT_FALSE(form->DokumentGeladen());
    EXPECT_TRUE(form->StartInfoPan->isVisible());
    EXPECT_EQ(form->LernKartBtn->Caption(), "Startseite");

    // With the switch off the button is the start page button, as always.
    form->MenueThemaClick(0);
    form->ErweiterteFunktionenSetzen(false);
    EXPECT_EQ(form->LernKartBtn->Caption(), "Startseite");
}

namespace {
// The bounding box of the pixels that pass.
template <typename Passt>
QRect Umriss(const QImage &b, Passt passt)
{
    QRect r;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (passt(b.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}
QPointF Mitte(const QRect &r)
{
    return QRectF(r).center();
}
} // namespace

TEST_F(Lehreransicht, StempelUndRadiererTreffenWohinDerCursorZeigt)
{
    form->MenueThemaClick(0);
    const QPoint hier(200, 150);
    const QPoint anzeige = hier - szene->BildVersatz();
    const struct
    {
        int knopf, cursor;
        QColor farbe;
    } stempel[] = {{6, 5, QColor(0, 196, 0)}, {7, 6, QColor(220, 0, 0)}};
    for (const auto &s : stempel) {
        werkzeuge->AlleZeichnungenEntfernen();
        werkzeuge->Knoepfe[s.knopf]->clicked();
        Klick(hier);
        const QRect gestempelt = Umriss(szene->AnzeigeBild, [&](QRgb p) { return QColor(p) == s.farbe; });
        ASSERT_FALSE(gestempelt.isEmpty()) << s.cursor;
        const QCursor c = ProgrammCursor(s.cursor);
        const QRect symbol = Umriss(ProgrammCursorBild(s.cursor), [](QRgb p) { return qAlpha(p) > 200; });
        // The stamped symbol lies on the one the cursor shows.
        EXPECT_LE((Mitte(gestempelt) - (QPointF(anzeige - c.hotSpot()) + Mitte(symbol))).manhattanLength(), 3.0)
            << s.cursor;
    }

    // The eraser restores exactly the square its cursor outlines.
    werkzeuge->Knoepfe[5]->clicked();
    szene->AnzeigeBild.fill(Qt::red);
    Klick(hier);
    const QRect geloescht = Umriss(szene->AnzeigeBild, [](QRgb p) { return QColor(p) != Qt::red; });
    const QRect umriss = Umriss(ProgrammCursorBild(3), [](QRgb p) { return qAlpha(p) > 0; });
    EXPECT_EQ(geloescht, umriss.translated(anzeige - ProgrammCursor(3).hotSpot()));
}
