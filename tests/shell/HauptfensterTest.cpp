// Tests of the main window: start-up, settings, quiz mode, menus and topics.
#include "KlickZone.h"
#include "Ordner.h"
#include "SpaltenMenue.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"
#include "TestDienste.h"
#include "TestDokumente.h"
#include "TestQuiz.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The picture as the window sees it: records scroll and zoom keys.
struct TestLernBild : OhneLernBild
{
    QList<QPoint> scroll;
    QList<int> zoom;
    int aufbauten = 0;
    void BildNeuAufbauen() override { ++aufbauten; }
    void BildScrollen(int dx, int dy) override { scroll << QPoint(dx, dy); }
    void BildZoomen(int r) override { zoom << r; }
};

class Hauptfenster : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    QString prog = tmp.path() + "/prog/";
    QString conf = tmp.path() + "/Pennoria.conf";
    TestUmgebung u;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TestQuiz> quiz;

    void SetUp() override
    {
        QDir().mkpath(prog + "data");
        QDir().mkpath(prog + "kom");
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        ASSERT_TRUE(bild.save(prog + "data/pennor.png"));
        ASSERT_TRUE(SchreibeTestDokument(prog + "a.tvl", "Afrika"));
        ASSERT_TRUE(SchreibeTestDokument(prog + "b.tvl", "Europa"));
        Ordner().Ableiten(prog);
    }

    void Erzeugen(const QStringList &args = {})
    {
        form = std::make_unique<TForm1>(u.dienste, new QSettings(conf, QSettings::IniFormat), args);
        quiz = std::make_unique<TestQuiz>(*form);
        form->QuizAnschliessen(*quiz);
    }

    QSettings Gespeichert() { return QSettings(conf, QSettings::IniFormat); }
    bool Haken(const char *name) { return Aktion(name)->isChecked(); }
    QAction *Aktion(const char *name) const { return form->findChild<QAction *>(name); }
};
}

TEST_F(Hauptfenster, StartValuesAndFirstRunDefaults)
{
    Erzeugen();
    EXPECT_TRUE(u.meldungen.protokoll.empty());
    EXPECT_EQ(form->size(), QSize(900, 650));
    EXPECT_EQ(form->minimumSize(), QSize(900, 650));
    EXPECT_EQ(form->windowTitle(), "Brinvale Pennoria");
    EXPECT_EQ(form->Zustand.AnsichtModus, AnsichtArt::Startseite);
    EXPECT_EQ(form->Zustand.ThemenIndex, -1);
    form->ErsteAktivierung();
    EXPECT_TRUE(Haken("Sound1"));
    EXPECT_TRUE(Haken("OptNameEingabe1"));
    EXPECT_FALSE(Haken("AutoProtSpeichern1"));
    EXPECT_TRUE(Haken("ErgebBestListEintragen1"));
    EXPECT_EQ(Ordner().StartOrdner, prog);
    EXPECT_EQ(Ordner().AktOrdner, prog);
    EXPECT_EQ(form->Navigation().Liste().size(), 2);
    EXPECT_EQ(Aktion("Auswahl1"), nullptr);
    EXPECT_EQ(form->Menue.Auswahl1->actions().last()->text(), "&2:  Europa");
    EXPECT_FALSE(form->StartInfoPan->isHidden());
    EXPECT_EQ(form->DokTitelLab->Caption(), "Wählen Sie im Menü \"Quizauswahl\" das gewünschte Thema aus.");
}

TEST_F(Hauptfenster, ClosingADocumentGivesTheBasePictureTheWhiteStartPicture)
{
    Erzeugen();
    form->ErsteAktivierung();
    form->DokumentSchliessen();
    const QImage &b = form->BasisBild;
    ASSERT_EQ(b.size(), QSize(870, 600));
    EXPECT_EQ(b.format(), QImage::Format_RGB32);
    EXPECT_EQ(b.dotsPerMeterX(), 3780);
    EXPECT_EQ(b.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(b.pixel(869, 599), qRgb(255, 255, 255));
    // One shared picture, however often the start page comes back.
    form->DokumentSchliessen();
    EXPECT_EQ(form->BasisBild.cacheKey(), TForm1::Startbasisbild().cacheKey());
}

TEST_F(Hauptfenster, MissingStartImageIsReportedAndStartGoesOn)
{
    QFile::remove(prog + "data/pennor.png");
    Erzeugen();
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].text, "Datei \"" + prog + "data/pennor.png\" nicht gefunden.");
    form->ErsteAktivierung();
    EXPECT_FALSE(form->ErsteAktivierungOffen());
}

TEST_F(Hauptfenster, SecondActivationReadsNothingAgain)
{
    {
        QSettings s = Gespeichert();
        s.setValue("Opt-Sound", 0);
    }
    Erzeugen();
    form->ErsteAktivierung();
    EXPECT_FALSE(Haken("Sound1"));
    {
        QSettings s = Gespeichert();
        s.setValue("Opt-Sound", 1);
    }
    ASSERT_TRUE(SchreibeTestDokument(prog + "c.tvl", "Chile"));
    form->ErsteAktivierung();
    EXPECT_FALSE(Haken("Sound1"));
    EXPECT_EQ(form->Navigation().Liste().size(), 2);
}

TEST_F(Hauptfenster, TogglingTwiceWritesTheValueReadAtStart)
{
    {
        QSettings s = Gespeichert();
        s.setValue("opt-sound", 0);
        s.setValue("NetzKomOrdner", prog + "kom");
    }
    Erzeugen();
    form->ErsteAktivierung();
    Aktion("Sound1")->trigger();
    EXPECT_TRUE(Haken("Sound1"));
    Aktion("Sound1")->trigger();
    Aktion("AutoProtSpeichern1")->trigger();
    EXPECT_EQ(Ordner().NetzKomOrdner, prog + "kom"); // no "/" added
    ASSERT_TRUE(form->FormCloseQuery());
    QSettings s = Gespeichert();
    EXPECT_EQ(s.value("Opt-Sound").toInt(), 0);
    EXPECT_FALSE(s.contains("opt-sound"));
    EXPECT_EQ(s.value("Opt-AutoProtSpeichern").toInt(), 1);
    EXPECT_EQ(s.value("NetzKomOrdner").toString(), prog + "kom");
    EXPECT_EQ(s.value("Opt-ProtOrdner").toString(), prog + "protokolle/");
}

TEST_F(Hauptfenster, CommandLineDocumentIsLoadedAndRemembered)
{
    Erzeugen({prog + "b.tvl"});
    form->ErsteAktivierung();
    EXPECT_EQ(form->windowTitle(), "Brinvale Pennoria - Europa");
    EXPECT_EQ(Ordner().StartDokument, prog + "b.tvl");
    EXPECT_EQ(Ordner().StartOrdner, prog);
    EXPECT_EQ(Ordner().AktOrdner, prog);
    EXPECT_EQ(form->Zustand.ThemenIndex, 1);
    EXPECT_TRUE(form->Menue.Auswahl1->actions().last()->isChecked());
}

TEST_F(Hauptfenster, UnloadableCommandLineDocumentStillSetsStartValues)
{
    Erzeugen({prog + "fehlt.tvl"});
    form->ErsteAktivierung();
    EXPECT_EQ(Ordner().StartDokument, prog + "fehlt.tvl");
    EXPECT_EQ(Ordner().StartOrdner, prog);
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].text, "Die Datei \"" + prog + "fehlt.tvl\" existiert nicht.");
    EXPECT_EQ(form->windowTitle(), "Brinvale Pennoria");
}

TEST_F(Hauptfenster, QuizModeDisablesTopicMenuAndGuardsClosing)
{
    Erzeugen();
    form->ErsteAktivierung();
    EXPECT_TRUE(form->LernKartBtn->Checked());
    EXPECT_EQ(form->LernKartBtn->Caption(), "Startseite");
    form->Zustand.AnsichtModus = AnsichtArt::Quiz;
    quiz->beendet = false;
    form->AktualisiereKnoepfe();
    EXPECT_FALSE(form->Menue.Auswahl1->isEnabled());
    EXPECT_FALSE(Aktion("Startseite1")->isEnabled());
    EXPECT_FALSE(Aktion("NextDok1")->isEnabled()); // hidden item under a disabled menu
    EXPECT_TRUE(Aktion("UebungStart1")->isEnabled());
    EXPECT_TRUE(Aktion("Oeffnen1")->isEnabled()); // hidden, but its menus are enabled
    EXPECT_FALSE(form->UebInfoPan->isHidden());
    EXPECT_EQ(form->LernKartBtn->Caption(), "Quiz\nabbrechen");
    EXPECT_TRUE(form->UebungenBtn->Checked());

    u.meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(form->FormCloseQuery());
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].text, "Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?");
    EXPECT_FALSE(QFile::exists(conf)); // nothing written
    EXPECT_EQ(form->Zustand.AnsichtModus, AnsichtArt::Quiz);

    quiz->netz = true;
    form->AktualisiereKnoepfe();
    EXPECT_FALSE(form->UebungenBtn->Checked());
}

TEST_F(Hauptfenster, ClosingLeavesTheClassExerciseAndWritesSettings)
{
    {
        QSettings s = Gespeichert();
        s.setValue("NetzKomKanal", "K9");
    }
    for (const char *n : {"K9-tvlnetzuebung.tvl", "K9-tvlnetzuebung.dat", "TVL-1-tvlnetzuebung.okx"}) {
        QFile f(prog + "kom/" + n);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Erzeugen();
    form->ErsteAktivierung();
    form->Zustand.Dok.Geaendert = true;
    form->Zustand.Dok.DateiName = prog + "a.tvl";
    u.meldungen.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(form->FormCloseQuery()); // the save prompt cancels
    EXPECT_TRUE(QFile::exists(prog + "kom/K9-tvlnetzuebung.tvl"));
    u.meldungen.antworten = {Antwort::Nein};
    EXPECT_TRUE(form->FormCloseQuery());
    // This program did not initiate the exercise: it belongs to the class.
    EXPECT_TRUE(QFile::exists(prog + "kom/K9-tvlnetzuebung.tvl"));
    EXPECT_TRUE(QFile::exists(prog + "kom/K9-tvlnetzuebung.dat"));
    EXPECT_TRUE(QFile::exists(prog + "kom/TVL-1-tvlnetzuebung.okx"));
    EXPECT_EQ(Gespeichert().value("NetzKomKanal").toString(), "K9");
}

TEST_F(Hauptfenster, ShortcutsOfHiddenItemsFollowTheirMenus)
{
    Erzeugen();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QCoreApplication::processEvents();
    ASSERT_FALSE(form->ErsteAktivierungOffen());

    QTest::keyClick(form.get(), Qt::Key_PageDown); // hidden "&Nächstes Quiz der Liste"
    EXPECT_EQ(form->Zustand.Dok.DateiName, prog + "a.tvl");
    EXPECT_EQ(quiz->starts, 0); // previous/next do not start the quiz
    QTest::keyClick(form.get(), Qt::Key_PageDown);
    EXPECT_EQ(form->Zustand.Dok.DateiName, prog + "b.tvl");

    form->Zustand.AnsichtModus = AnsichtArt::Quiz;
    quiz->beendet = false;
    form->AktualisiereKnoepfe();
    QTest::keyClick(form.get(), Qt::Key_PageUp);
    QTest::keyClick(form.get(), Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(form->Zustand.Dok.DateiName, prog + "b.tvl");
    EXPECT_TRUE(u.meldungen.protokoll.empty());
    QTest::keyClick(form.get(), Qt::Key_F7); // reaches the quiz start, which decides
    EXPECT_EQ(quiz->starts, 1);
    quiz->beendet = true;
}

TEST_F(Hauptfenster, ChoosingATopicLoadsAndStartsTheQuiz)
{
    Erzeugen();
    form->ErsteAktivierung();
    form->Menue.Auswahl1->actions().last()->trigger();
    EXPECT_EQ(form->Zustand.Dok.DateiName, prog + "b.tvl");
    EXPECT_EQ(form->Zustand.ThemenIndex, 1);
    EXPECT_EQ(quiz->starts, 1);
    EXPECT_EQ(form->DokTitelLab->Caption(), "Europa (3 Fragen)");
}

TEST_F(Hauptfenster, MainWindowKeysWithExactModifiers)
{
    Erzeugen();
    form->ErsteAktivierung();
    TestLernBild bild;
    form->LernNavigationAnschliessen(bild);
    const QList<QPoint> &scroll = bild.scroll;
    const QList<int> &zoom = bild.zoom;
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_Left, Qt::ControlModifier));
    EXPECT_FALSE(form->FormKeyDown(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_Down, Qt::ControlModifier));
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier));
    EXPECT_EQ(scroll, (QList<QPoint>{{-1, 0}, {0, 1}}));
    EXPECT_EQ(zoom, QList<int>{1});
    form->FormKeyDown(Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(form->size(), QSize(1024, 768));
}

TEST_F(Hauptfenster, HelpOpensTheLocalIndexPage)
{
    Erzeugen();
    QDir().mkpath(prog + "hilfe");
    QFile f(prog + "hilfe/index.html");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    Aktion("Inhalt1")->trigger();
    ASSERT_EQ(u.oeffner.geoeffnet.size(), 1);
    EXPECT_EQ(u.oeffner.geoeffnet[0], "file://" + prog + "hilfe/index.html");
    EXPECT_TRUE(u.meldungen.protokoll.empty());

    // Without a working browser xdg-open fails after it was started: F1 and
    // the product page say so instead of showing nothing.
    u.oeffner.spaeter = true;
    Aktion("Inhalt1")->trigger();
    Aktion("Homepage1")->trigger();
    ASSERT_EQ(u.oeffner.offen.size(), 2u);
    for (auto &melden : u.oeffner.offen)
        melden(false);
    const QStringList texte = u.meldungen.Texte();
    ASSERT_EQ(texte.size(), 2);
    EXPECT_EQ(texte[0], "Die Datei \"file://" + prog
                            + "hilfe/index.html\" kann nicht geöffnet werden. Sie benötigen einen Webbrowser, um "
                              "dieses Dokument anzusehen.");
    EXPECT_TRUE(texte[1].contains("kann nicht geöffnet werden")) << texte[1].toStdString();
}

TEST_F(Hauptfenster, TopicMenuWithColumnMarkAndUnreadableTopic)
{
    for (int i = 0; i < 29; ++i)
        ASSERT_TRUE(SchreibeTestDokument(prog + QString("n%1.tvl").arg(i, 2, 10, QChar('0')), "N"));
    Erzeugen();
    form->ErsteAktivierung();
    QMenu *auswahl = form->Menue.Auswahl1;
    QList<QAction *> themen;
    for (QAction *a : auswahl->actions())
        if (a->objectName().startsWith("MenueThemaItem"))
            themen << a;
    ASSERT_EQ(themen.size(), 31);
    EXPECT_EQ(themen[0]->objectName(), "MenueThemaItem0");
    EXPECT_EQ(themen[0]->text(), "&1:  Afrika");
    EXPECT_EQ(themen[10]->text(), "11:  N");
    EXPECT_TRUE(themen[12]->property("neueSpalte").toBool());
    EXPECT_FALSE(themen[11]->property("neueSpalte").toBool());
    // The fixed items come first and only "&Startseite" shows.
    EXPECT_EQ(auswahl->actions()[0]->objectName(), "Startseite1");
    // The open menu draws item 12 at the top of a second column.
    auto *spalten = dynamic_cast<SpaltenMenue *>(auswahl);
    ASSERT_NE(spalten, nullptr);
    auswahl->popup(QPoint(0, 0));
    EXPECT_EQ(spalten->Spalten(), 2);
    EXPECT_EQ(spalten->SpaltenFeld(themen[12]).top(), spalten->SpaltenFeld(auswahl->actions()[0]).top());
    EXPECT_GT(spalten->SpaltenFeld(themen[12]).left(), spalten->SpaltenFeld(themen[11]).right());
    auswahl->hide();

    // A topic that became unreadable: read error, document closed, the
    // list rebuilt from inside the clicked item's own handler.
    QFile f(prog + "b.tvl");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("KMF-1.01");
    f.close();
    themen[1]->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->Zustand.Dok.DateiName.isEmpty());
    ASSERT_FALSE(u.meldungen.protokoll.empty());
    EXPECT_TRUE(u.meldungen.protokoll.back().text.contains("kann nicht gelesen werden"));
    EXPECT_EQ(form->Navigation().Liste().size(), 30); // the damaged file is left out now
    // Thirty topics need no column of their own: Qt lays the menu out.
    for (QAction *a : auswahl->actions()) {
        EXPECT_FALSE(a->property("neueSpalte").toBool());
        EXPECT_EQ(spalten->SpaltenFeld(a), auswahl->actionGeometry(a));
    }
    EXPECT_EQ(quiz->starts, 1); // the quiz start still follows and decides itself
    EXPECT_FALSE(form->StartInfoPan->isHidden());
}

TEST_F(Hauptfenster, TopicCheckmarkFollowsThemenIndexOnly)
{
    Erzeugen();
    form->ErsteAktivierung();
    auto themen = [this] {
        QList<QAction *> l;
        for (QAction *a : form->Menue.Auswahl1->actions())
            if (a->objectName().startsWith("MenueThemaItem"))
                l << a;
        return l;
    };
    auto haken = [&] {
        QList<int> l;
        const QList<QAction *> t = themen();
        for (int i = 0; i < t.size(); ++i)
            if (t[i]->isChecked())
                l << i;
        return l;
    };
    ASSERT_EQ(themen().size(), 2);
    // Choosing a topic whose file vanished after the scan, with nothing
    // loaded yet: no item may carry the checkmark.
    ASSERT_TRUE(QFile::remove(prog + "b.tvl"));
    themen()[1]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->Zustand.ThemenIndex, -1);
    EXPECT_EQ(haken(), QList<int>{});

    ASSERT_TRUE(SchreibeTestDokument(prog + "b.tvl", "Europa"));
    themen()[0]->trigger();
    ASSERT_EQ(form->Zustand.ThemenIndex, 0);
    EXPECT_EQ(haken(), QList<int>{0});
    // Now the second one vanishes: the old document stays, and so does the mark.
    ASSERT_TRUE(QFile::remove(prog + "b.tvl"));
    themen()[1]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->Zustand.Dok.DateiName, prog + "a.tvl");
    EXPECT_EQ(form->Zustand.ThemenIndex, 0);
    EXPECT_EQ(haken(), QList<int>{0});
    // Clicking the checked item again does not take its mark away.
    themen()[0]->trigger();
    EXPECT_EQ(haken(), QList<int>{0});
}

TEST_F(Hauptfenster, StatusPanelCarriesTheRepetitionNote)
{
    Erzeugen();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->Zustand.AnsichtModus = AnsichtArt::Quiz; // the panel is laid out as in a quiz
    form->AktualisiereKnoepfe();
    TShadowLabel *hinweis = form->UebInfoPan->findChild<TShadowLabel *>("HinweisLab");
    ASSERT_NE(hinweis, nullptr);
    EXPECT_EQ(hinweis->Caption(), "Hinweis: Falsch beantwortete Fragen werden später wiederholt.");
    EXPECT_TRUE(hinweis->WordWrap());
    // Inside the panel, below the last figure and the "?" button.
    EXPECT_TRUE(form->UebInfoPan->rect().contains(hinweis->geometry()));
    EXPECT_GT(hinweis->geometry().top(), form->KennzInfoPan->geometry().bottom());
    // Only while wrong answers do come back.
    for (bool wiederholt : {false, true}) {
        quiz->wiederholt = wiederholt;
        form->AktualisiereKnoepfe();
        EXPECT_EQ(hinweis->isVisible(), wiederholt);
    }
}

TEST_F(Hauptfenster, StartPanelColourAndLinkZoneInTheImageMiddle)
{
    QImage bild(560, 300, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    ASSERT_TRUE(bild.save(prog + "data/pennor.png"));
    Erzeugen();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->ErsteAktivierung();
    EXPECT_EQ(form->StartInfoPan->NormColor(), QColor(174, 194, 212));
    const QRect img = form->QuizStartImg->geometry();
    const QRect zone = form->StartImgKlickZone->geometry();
    ASSERT_EQ(img.size(), QSize(560, 300));
    EXPECT_EQ(zone.size(), QSize(450, 160));
    EXPECT_LE(std::abs(zone.center().x() - img.center().x()), 1);
    EXPECT_LE(std::abs(zone.center().y() - img.center().y()), 1);
}

TEST_F(Hauptfenster, DisplayModes)
{
    Erzeugen();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->maximumSize(), QSize(900, 650)); // a fixed border at start
    Aktion("Vollbild1")->trigger();
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    Aktion("Fenster1")->trigger();
    EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->size(), QSize(900, 650));
    EXPECT_EQ(form->minimumSize(), QSize(900, 650));
    EXPECT_GT(form->maximumWidth(), 900); // now sizeable
    EXPECT_EQ(Aktion("Vollbild1")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(Aktion("Fenster1")->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(Aktion("Minimieren1")->shortcut(), QKeySequence("Ctrl+N"));
    Aktion("Minimieren1")->trigger();
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
}

TEST_F(Hauptfenster, FullProgramSwitchShowsHiddenItemsInPlaceAndIsStored)
{
    Erzeugen();
    form->ErsteAktivierung();
    QMenu *auswahl = form->Menue.Auswahl1;
    QMenu *datei = form->Menue.Datei1;
    const auto sichtbareTexte = [](QMenu *m) {
        QStringList t;
        for (QAction *a : m->actions())
            if (a->isVisible() && !a->isSeparator())
                t << a->text();
        return t;
    };
    const QStringList vorher = sichtbareTexte(auswahl);
    EXPECT_FALSE(datei->menuAction()->isVisible());
    EXPECT_FALSE(form->Menue.Editor1->menuAction()->isVisible());

    QAction *schalter = Aktion("ErweiterteFunktionen1");
    ASSERT_NE(schalter, nullptr);
    EXPECT_FALSE(schalter->isChecked()); // off by default
    int gemeldet = 0;
    QObject::connect(form.get(), &TForm1::ErweiterteFunktionenGeaendert, [&](bool an) { gemeldet += an ? 1 : -10; });
    schalter->trigger();
    EXPECT_TRUE(form->ErweiterteFunktionen());
    EXPECT_EQ(gemeldet, 1);
    // The hidden items appear at their places, with their shortcut texts.
    const QStringList an = sichtbareTexte(auswahl);
    ASSERT_GE(an.size(), 5);
    EXPECT_EQ(an[0], vorher[0]);
    EXPECT_EQ(an[1], "&Zuvor angzeigtes Dokument\tAlt+Backspace");
    EXPECT_TRUE(datei->menuAction()->isVisible());
    EXPECT_TRUE(sichtbareTexte(datei).contains("Ö&ffnen...\tCtrl+O"));
    // Items without an effect stay hidden, and so does a menu of only such.
    EXPECT_FALSE(sichtbareTexte(datei).join(' ').contains("Speichern &unter"));
    EXPECT_FALSE(form->Menue.Editor1->menuAction()->isVisible());

    // A stand-in triggers the real item.
    QAction *weiter = nullptr;
    for (QAction *a : auswahl->actions())
        if (a->text().startsWith("&Nächstes Quiz"))
            weiter = a;
    ASSERT_NE(weiter, nullptr);
    weiter->trigger();
    EXPECT_EQ(form->Zustand.Dok.DateiName, prog + "a.tvl");

    form->SchreibeEinstellungen();
    EXPECT_EQ(Gespeichert().value("Opt-ErweiterteFunktionen").toString(), "1");
    schalter->trigger();
    EXPECT_EQ(sichtbareTexte(auswahl), vorher);
    EXPECT_FALSE(datei->menuAction()->isVisible());
    EXPECT_EQ(gemeldet, -9);

    // Read back at the next start.
    form->SchreibeEinstellungen();
    QSettings(conf, QSettings::IniFormat).setValue("Opt-ErweiterteFunktionen", 1);
    Erzeugen();
    form->ErsteAktivierung();
    EXPECT_TRUE(form->ErweiterteFunktionen());
    EXPECT_TRUE(Aktion("ErweiterteFunktionen1")->isChecked());
}

// One checkmark at most, at the topic shown, while topics are clicked, clicked
// again and the folder is re-read with more and with fewer documents.
TEST_F(Hauptfenster, TopicCheckmarkStaysSingleAcrossClicksAndRebuilds)
{
    Erzeugen();
    form->ErsteAktivierung();
    QMenu *auswahl = form->Menue.Auswahl1;
    const auto themen = [&] {
        QList<QAction *> t;
        for (QAction *a : auswahl->actions())
            if (a->objectName().startsWith("MenueThemaItem"))
                t << a;
        return t;
    };
    const auto gehakt = [&] {
        QList<int> h;
        const QList<QAction *> t = themen();
        for (int i = 0; i < t.size(); ++i)
            if (t[i]->isChecked())
                h << i;
        return h;
    };
    ASSERT_EQ(themen().size(), 2);
    EXPECT_TRUE(gehakt().isEmpty());
    themen()[0]->trigger();
    EXPECT_EQ(form->Zustand.ThemenIndex, 0);
    EXPECT_EQ(gehakt(), QList<int>{0});
    form->ZeigeStartseite();
    themen()[1]->trigger();
    EXPECT_EQ(gehakt(), QList<int>{1});
    form->ZeigeStartseite();
    themen()[1]->trigger(); // the shown topic again: it stays checked
    EXPECT_EQ(gehakt(), QList<int>{1});

    ASSERT_TRUE(SchreibeTestDokument(prog + "c.tvl", "Asien"));
    form->findChild<QAction *>("Ordnerneueinlesen1")->trigger();
    ASSERT_EQ(themen().size(), 3);
    EXPECT_EQ(themen()[2]->text(), "&3:  Asien");
    EXPECT_EQ(themen()[2]->objectName(), "MenueThemaItem2");
    EXPECT_EQ(gehakt(), QList<int>{1});

    ASSERT_TRUE(QFile::remove(prog + "c.tvl"));
    ASSERT_TRUE(QFile::remove(prog + "a.tvl"));
    form->findChild<QAction *>("Ordnerneueinlesen1")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(themen().size(), 1);
    EXPECT_EQ(themen()[0]->text(), "&1:  Europa");
    EXPECT_EQ(gehakt(), QList<int>{0});
    themen()[0]->trigger();
    EXPECT_EQ(gehakt(), QList<int>{0});
}

// The start panel covers the learning picture at start-up: it is composed
// once after the first paint, or at once when the panel goes first; later
// start pages compose it right away.
TEST_F(Hauptfenster, StartPictureIsComposedAfterTheFirstPaintOrWhenThePanelGoes)
{
    Erzeugen();
    TestLernBild bild;
    int &aufbauten = bild.aufbauten;
    form->LernBildAnschliessen(bild);
    form->show();
    form->ErsteAktivierung();
    EXPECT_EQ(aufbauten, 0);
    EXPECT_FALSE(form->StartInfoPan->isHidden());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (int i = 0; i < 50 && aufbauten == 0; ++i)
        QTest::qWait(10);
    EXPECT_EQ(aufbauten, 1);
    form->StartInfoPan->hide();
    QTest::qWait(20);
    EXPECT_EQ(aufbauten, 1); // nothing was left to compose
    form->ZeigeStartseite();
    EXPECT_EQ(aufbauten, 2);

    Erzeugen();
    aufbauten = 0;
    form->LernBildAnschliessen(bild);
    form->show();
    form->ErsteAktivierung();
    EXPECT_EQ(aufbauten, 0);
    form->StartInfoPan->hide(); // before any paint
    EXPECT_EQ(aufbauten, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(20);
    EXPECT_EQ(aufbauten, 1);
}

// Shown without a document, the window's first activation leaves the folder's
// topics until the first paint is done; with a document on the command line
// (the title shows its place in the list) or when called directly it reads
// them at once.
TEST_F(Hauptfenster, TopicListFollowsTheFirstPaintWhenNoDocumentIsShown)
{
    Erzeugen();
    form->show();
    QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall); // the queued first activation
    ASSERT_FALSE(form->ErsteAktivierungOffen());
    EXPECT_TRUE(form->Navigation().Liste().isEmpty());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (int i = 0; i < 50 && form->Navigation().Liste().isEmpty(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(form->Navigation().Liste().size(), 2);
    EXPECT_EQ(form->Menue.Auswahl1->actions().last()->text(), "&2:  Europa");

    Erzeugen({prog + "b.tvl"});
    form->show();
    QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall);
    ASSERT_FALSE(form->ErsteAktivierungOffen());
    EXPECT_EQ(form->Navigation().Liste().size(), 2);
    EXPECT_EQ(form->Zustand.ThemenIndex, 1);

    // A key before the first paint finds the list built (its shortcut is
    // matched after the key has been seen).
    Erzeugen();
    form->show();
    QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall);
    ASSERT_TRUE(form->Navigation().Liste().isEmpty());
    QTest::keyClick(form.get(), Qt::Key_PageDown);
    EXPECT_EQ(form->Navigation().Liste().size(), 2);
}
