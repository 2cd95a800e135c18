// The author menu in the main window, driven with real clicks and key presses.
#include "BeschriftungsBild.h"
#include "BeschriftungsSeite.h"
#include "DokumentDatei.h"
#include "EditorAnschluss.h"
#include "Einzelfragen.h"
#include "FensterTest.h"
#include "FragenSeite.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LueckenSeite.h"
#include "ModalHilfe.h"
#include "NeuesDokument.h"
#include "TAssistentForm.h"
#include "TEditorForm.h"
#include "TNeuesDokumentForm.h"
#include "TestDokumente.h"
#include "TestQuiz.h"
#include "ThemenNavigation.h"

#include "THoverPanel.h"
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A button's shortcut clicks it a moment later, as a click would show.
void Kuerzel(QWidget *w, Qt::Key taste)
{
    QTest::keyClick(w, taste, Qt::ControlModifier);
    QTest::qWait(250);
}

class Autorenfunktion : public FensterTest
{
protected:
    LernKartBild *bild = nullptr;
    std::unique_ptr<TestQuiz> quiz;
    EditorAnschluss *editor = nullptr;
    QStringList gefragteOrdner;
    QString speicherName;
    std::function<void(TEditorForm &)> imEditor;

    void SetUp() override
    {
        ProgrammOrdnerAnlegen(true);
        ASSERT_TRUE(StartbildAnlegen());
        // "Afrika": three questions with their answers.
        Dokument afrika = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "Afrika", "", ""});
        afrika.Fragentext = "Kenia?//Nairobi\r\nGhana?//Accra\r\nMali?//Bamako";
        EinzelfragenAufbauen(afrika);
        QFile datei(prog + "a.tvl");
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && DokumentSchreiben(datei, afrika));
        datei.close();
        FensterBauen();
        bild = LernbildEinsetzen();
        new LernAnsichtAnschluss(*form, *szene, *bild);
        editor = new EditorAnschluss(*form, *szene, bild);
        editor->DateiNameErfragen = [this](const QString &ordner) {
            gefragteOrdner << ordner;
            return speicherName;
        };
        // The editor window is driven once it is open, then closed.
        QObject::connect(editor, &EditorAnschluss::EditorGeoeffnet, [this](QWidget *w) {
            auto *f = static_cast<TEditorForm *>(w);
            QTimer::singleShot(0, f, [this, f] {
                QApplication::setActiveWindow(f);
                EXPECT_TRUE(QTest::qWaitForWindowActive(f));
                if (imEditor)
                    imEditor(*f);
                if (f->isVisible())
                    f->SchliessenBtn->click();
            });
        });
        quiz = std::make_unique<TestQuiz>(*form);
        form->QuizAnschliessen(*quiz);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->ErsteAktivierung();
    }

    // A key on the main window, active again after a dialog.
    void Taste(Qt::Key k, Qt::KeyboardModifiers m = {})
    {
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), k, m);
    }
    // "Neues Dokument anlegen" with the dialog filled in by keys.
    void NeuesDokument(int art, const QString &titel)
    {
        NaechstesModalesFenster([art, titel](QWidget *w) {
            auto *d = qobject_cast<TNeuesDokumentForm *>(w);
            ASSERT_NE(d, nullptr);
            QTest::mouseClick(d->ArtKnopf[art], Qt::LeftButton);
            d->TitelEdit->setFocus();
            QTest::keyClicks(d->TitelEdit, titel);
            QTest::keyClick(d->TitelEdit, Qt::Key_Return);
        });
        form->Menue.NeuesDokument1->trigger();
    }
};

} // namespace

TEST_F(Autorenfunktion, WithTheSwitchOffTheMenuIsHiddenAndItsKeysDoNothing)
{
    bool geoeffnet = false;
    QObject::connect(editor, &EditorAnschluss::EditorGeoeffnet, [&geoeffnet] { geoeffnet = true; });
    form->MenueThemaClick(0);
    Taste(Qt::Key_F2);
    form->Menue.NeuesDokument1->trigger();
    form->Menue.Speichernunter1->trigger();
    EXPECT_FALSE(geoeffnet);
    EXPECT_FALSE(form->Menue.Editor1->menuAction()->isVisible());
    EXPECT_FALSE(form->Menue.Dokumententyp1->isEnabled());
    EXPECT_TRUE(gefragteOrdner.isEmpty());

    form->ErweiterteFunktionenSetzen(true);
    EXPECT_TRUE(form->Menue.Editor1->menuAction()->isVisible());
    EXPECT_TRUE(form->Menue.Dokumententyp1->isEnabled());
    Taste(Qt::Key_F2);
    EXPECT_TRUE(geoeffnet);
}

TEST_F(Autorenfunktion, ANewQuestionDocumentIsMadeEditedSavedWithItsNameAndListed)
{
    form->ErweiterteFunktionenSetzen(true);
    imEditor = [](TEditorForm &f) {
        ASSERT_EQ(f.Seiten->currentWidget(), f.Fragen);
        QTest::mouseClick(f.Fragen->findChild<QPushButton *>("FrageHinzuBtn"), Qt::LeftButton);
        // The new line's question is being edited: typed over, Enter stores it.
        QTableWidget *t = f.Fragen->Tabelle;
        auto *feld = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(feld, nullptr);
        feld->selectAll();
        QTest::keyClicks(feld, "Wie heisst die Hauptstadt?");
        // Tab stores the question and opens the answer beside it.
        QTest::keyClick(feld, Qt::Key_Tab);
        feld = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(feld, nullptr);
        QTest::keyClicks(feld, "Berlin");
        QTest::keyClick(feld, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(t->item(0, 0)->text(), "Wie heisst die Hauptstadt?");
        EXPECT_EQ(t->item(0, 1)->text(), "Berlin");
        EXPECT_TRUE(f.windowTitle().endsWith(" *")); // changed, not saved
        // Saving asks for a name (the document has none) and lists the file.
        QTest::mouseClick(f.SpeichernBtn, Qt::LeftButton);
        EXPECT_FALSE(f.windowTitle().endsWith(" *"));
    };
    speicherName = prog + "hauptstaedte.tvl";
    NeuesDokument(2, "Hauptstaedte");
    const Dokument &d = form->Zustand.Dok;
    EXPECT_EQ(d.DokTyp, DokArt::Einzelfragen);
    EXPECT_EQ(d.Titel, "Hauptstaedte");
    EXPECT_EQ(d.Fragentext, "Wie heisst die Hauptstadt?//Berlin");
    EXPECT_EQ(d.AnzFrageNummern, 1);
    EXPECT_TRUE(form->StartInfoPan->isHidden()); // the new document is seen
    EXPECT_EQ(form->windowTitle(), "Brinvale Pennoria - Hauptstaedte");
    EXPECT_TRUE(form->Menue.DokTyp[2]->isChecked());
    ASSERT_EQ(gefragteOrdner.size(), 1);
    EXPECT_FALSE(form->Zustand.Dok.Geaendert);
    EXPECT_EQ(form->Zustand.Dok.DateiName, speicherName);
    EXPECT_EQ(form->Zustand.ThemenIndex, 1);
    QFile f(speicherName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    Dokument gelesen;
    ASSERT_TRUE(DokumentLesen(f, gelesen));
    EXPECT_EQ(gelesen.Fragentext, d.Fragentext);
    EXPECT_TRUE(u.meldungen.protokoll.empty());
}

TEST_F(Autorenfunktion, LeavingAChangedDocumentAsksAndSavesOrStays)
{
    form->ErweiterteFunktionenSetzen(true);
    NeuesDokument(0, "Karte");
    ASSERT_TRUE(form->Zustand.Dok.Geaendert);
    EXPECT_EQ(form->windowTitle(), "Brinvale Pennoria - Karte"); // shown before it has a file

    // Cancel stays; Yes with the save dialog cancelled stays too.
    u.meldungen.antworten = {Antwort::Abbrechen, Antwort::Ja};
    form->MenueThemaClick(0);
    speicherName.clear();
    form->MenueThemaClick(0);
    EXPECT_EQ(form->Zustand.Dok.Titel, "Karte");
    EXPECT_TRUE(form->Zustand.Dok.Geaendert);
    ASSERT_EQ(u.meldungen.protokoll.size(), 2u) << u.meldungen.Texte().join('\n').toStdString();
    EXPECT_EQ(u.meldungen.protokoll[0].text, "Änderungen speichern?");

    // Yes with a name saves, then the topic is opened.
    speicherName = prog + "karte.tvl";
    u.meldungen.antworten = {Antwort::Ja};
    form->MenueThemaClick(0);
    EXPECT_TRUE(QFile::exists(speicherName));
    EXPECT_EQ(form->Zustand.Dok.Titel, "Afrika");
    EXPECT_FALSE(form->Zustand.Dok.Geaendert);
}

TEST_F(Autorenfunktion, TryingAsAQuizStartsItOnTheEditedDocumentWithoutSaving)
{
    form->ErweiterteFunktionenSetzen(true);
    form->MenueThemaClick(0);
    const QString pfad = form->Zustand.Dok.DateiName;
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();
    imEditor = [](TEditorForm &e) {
        QTest::mouseClick(e.Fragen->findChild<QPushButton *>("FrageLoeschenBtn"), Qt::LeftButton);
        QTest::mouseClick(e.AusprobierenBtn, Qt::LeftButton);
    };
    Taste(Qt::Key_F2);
    EXPECT_EQ(quiz->starts, 1);
    EXPECT_EQ(form->Zustand.Dok.AnzFrageNummern, 2);
    EXPECT_TRUE(form->Zustand.Dok.Geaendert);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
}

TEST_F(Autorenfunktion, AClozeGapIsMadeFromTheSelectedWordAndUndoneWithCtrlZ)
{
    form->ErweiterteFunktionenSetzen(true);
    imEditor = [](TEditorForm &e) {
        QPlainTextEdit *t = e.Luecken->TextEdit;
        t->setFocus();
        QTest::keyClicks(t, "Die Flagge ist rot");
        // The last word selected with the keyboard, then Ctrl+L.
        QTest::keyClick(t, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        Kuerzel(t, Qt::Key_L);
        EXPECT_EQ(e.Luecken->TextEdit->toPlainText().toStdString(), "Die Flagge ist <<rot>>");
        QTest::keyClick(t, Qt::Key_Home);
        QTest::keyClick(t, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(t, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::mouseClick(e.Luecken->findChild<QPushButton *>("LueckeBtn"), Qt::LeftButton);
        EXPECT_EQ(e.Luecken->TextEdit->toPlainText(), "Die <<Flagge>> ist <<rot>>");
        Kuerzel(&e, Qt::Key_Z);
        EXPECT_EQ(e.Luecken->TextEdit->toPlainText(), "Die Flagge ist <<rot>>");
    };
    NeuesDokument(1, "Farben");
    EXPECT_EQ(form->Zustand.Dok.Lueckentext, "Die Flagge ist <<rot>>");
    EXPECT_EQ(form->Zustand.Dok.AnzFrageNummern, 1);
}

TEST_F(Autorenfunktion, LabelsArePlacedByDraggingOnThePictureMovedAndDeleted)
{
    form->ErweiterteFunktionenSetzen(true);
    imEditor = [](TEditorForm &e) {
        BeschriftungsSeite *s = e.Beschriftungen;
        QStringList texte{"Nord", "Süd"};
        s->TextErfragen = [&texte](QString &t) {
            t = texte.takeFirst();
            return true;
        };
        BeschriftungsBild *b = s->Bild;
        const QPoint mitte = b->rect().center();
        QTest::mousePress(b, Qt::LeftButton, {}, mitte + QPoint(-100, -20));
        QTest::mouseMove(b, mitte + QPoint(-40, -60));
        QTest::mouseRelease(b, Qt::LeftButton, {}, mitte + QPoint(-40, -60));
        QTest::mousePress(b, Qt::LeftButton, {}, mitte + QPoint(-80, 100));
        QTest::mouseRelease(b, Qt::LeftButton, {}, mitte + QPoint(-80, 100));
        ASSERT_EQ(e.Beschriftungen->Liste->count(), 2);
        // Each label keeps its own caption; the new one is selected.
        EXPECT_EQ(s->Liste->item(0)->text(), "Nord");
        EXPECT_EQ(s->Liste->item(1)->text(), "Süd");
        EXPECT_EQ(s->Liste->currentRow(), 1);
        EXPECT_EQ(s->TextEdit->text(), "Süd");
        // The second label is selected: the size is set with the keyboard.
        s->GroesseSpin->setFocus();
        QTest::keyClick(s->GroesseSpin, Qt::Key_Up);
        // Delete removes it, Ctrl+Z brings it back, Ctrl+Y removes it again.
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Delete);
        EXPECT_EQ(s->Liste->count(), 1);
        Kuerzel(&e, Qt::Key_Z);
        EXPECT_EQ(s->Liste->count(), 2);
        Kuerzel(&e, Qt::Key_Y);
        EXPECT_EQ(s->Liste->count(), 1);
    };
    NeuesDokument(0, "Kompass");
    const Dokument &d = form->Zustand.Dok;
    ASSERT_EQ(d.Objekte.size(), 1);
    EXPECT_EQ(d.Objekte[0].Cap, "Nord");
    EXPECT_GT(d.Objekte[0].Sx, 0.0); // placed on the picture
    EXPECT_LT(d.Objekte[0].Sx, 1.0);
    EXPECT_GT(d.Objekte[0].Kx, d.Objekte[0].Sx); // the box where the drag ended
    EXPECT_LT(d.Objekte[0].Ky, d.Objekte[0].Sy);
    EXPECT_EQ(d.AnzFrageNummern, 1);
}

TEST_F(Autorenfunktion, TheAssistantFollowsTheDocumentThroughItsSteps)
{
    form->ErweiterteFunktionenSetzen(true);
    form->Menue.Assistent1->trigger();
    TAssistentForm *a = editor->Assistent;
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->Schritt(), AssistentSchritt::Anlegen);

    // Its button leads on: a new cloze text, a gap typed in the editor.
    imEditor = [](TEditorForm &e) {
        e.Luecken->TextEdit->setFocus();
        QTest::keyClicks(e.Luecken->TextEdit, "Die <<Sonne>> scheint.");
    };
    NaechstesModalesFenster([](QWidget *w) {
        auto *d = qobject_cast<TNeuesDokumentForm *>(w);
        ASSERT_NE(d, nullptr);
        QTest::mouseClick(d->ArtKnopf[1], Qt::LeftButton);
        QTest::keyClick(d, Qt::Key_Return);
    });
    QTest::mouseClick(a->WeiterBtn, Qt::LeftButton);
    EXPECT_EQ(form->Zustand.Dok.DokTyp, DokArt::Lueckentext);
    EXPECT_EQ(a->Schritt(), AssistentSchritt::Speichern);

    speicherName = prog + "sonne.tvl";
    QTest::mouseClick(a->WeiterBtn, Qt::LeftButton);
    EXPECT_EQ(a->Schritt(), AssistentSchritt::Ausprobieren);
    QTest::mouseClick(a->WeiterBtn, Qt::LeftButton);
    EXPECT_EQ(quiz->starts, 1);
}

TEST_F(Autorenfunktion, FillingTheQuestionTableIsNoEditAndSettles)
{
    Dokument d = NeuesDokumentAnlegen({DokArt::Einzelfragen, {}, "x", "", ""});
    Bearbeitung b(d);
    b.FrageHinzufuegen({"<@flaggenfrage><@img=de.png>", "Deutschland"});
    b.FrageHinzufuegen({"Neue Frage", ""});
    FragenSeite seite(b, u.meldungen, prog);
    QSignalSpy zellen(seite.Tabelle, &QTableWidget::cellChanged);
    QSignalSpy inhalt(&b, &Bearbeitung::InhaltGeaendert);
    seite.Tabelle->setCurrentCell(1, 0);
    seite.FlaggeEinfuegen("fr.png", "Frankreich");
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    const qsizetype nachEinfuegen = zellen.count();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(zellen.count(), nachEinfuegen); // no table refill that triggers the next one
    EXPECT_EQ(inhalt.count(), 1);             // one edit, one step
    EXPECT_EQ(b.Stapel.count(), 3);
    EXPECT_EQ(b.FragenZeilen()[1], (FragenZeile{"<@flaggenfrage><@img=fr.png>", "Frankreich"}));
}

TEST_F(Autorenfunktion, LabelsArePlacedAndMovedOnTheLearningViewsPicture)
{
    form->ErweiterteFunktionenSetzen(true);
    NeuesDokument(0, "Hof");
    ASSERT_EQ(form->Zustand.Dok.DokTyp, DokArt::Bildbeschriftung);
    QStringList texte{"Tor", "Baum"};
    editor->TextErfragen = [&texte](QString &t) {
        t = texte.takeFirst();
        return true;
    };
    const QPoint mitte = bild->rect().center();
    // Off: a drag is the view's own business and makes no label.
    QTest::mousePress(bild, Qt::LeftButton, {}, mitte);
    QTest::mouseRelease(bild, Qt::LeftButton, {}, mitte + QPoint(30, 0));
    EXPECT_TRUE(form->Zustand.Dok.Objekte.isEmpty());

    editor->BeschriftenImBild->trigger();
    ASSERT_TRUE(editor->BeschriftenImBild->isChecked());
    QTest::mousePress(bild, Qt::LeftButton, {}, mitte);
    QTest::mouseMove(bild, mitte + QPoint(60, -40));
    QTest::mouseRelease(bild, Qt::LeftButton, {}, mitte + QPoint(60, -40));
    QTest::mousePress(bild, Qt::LeftButton, {}, mitte + QPoint(-100, 80));
    QTest::mouseRelease(bild, Qt::LeftButton, {}, mitte + QPoint(-100, 80));
    const Dokument &d = form->Zustand.Dok;
    ASSERT_EQ(d.Objekte.size(), 2);
    EXPECT_EQ(d.Objekte[0].Cap, "Tor");
    EXPECT_EQ(d.Objekte[1].Cap, "Baum");
    EXPECT_GT(d.Objekte[0].Kx, d.Objekte[0].Sx);
    EXPECT_EQ(d.AnzFrageNummern, 2);
    EXPECT_EQ(editor->Editor.Stapel.count(), 2);
    // Their captions are seen while they are set.
    for (const DokObjekt &o : d.Objekte)
        EXPECT_EQ(o.Abdeckung, AbdeckungsArt::Aufgedeckt);

    // The first label's box, as the view drew it, is dragged to the left.
    const DokObjekt &o = szene->Zustand.Dok.Objekte[0];
    const QPoint kasten =
        szene->AnzeigePixel((o.Rahmen.Left + o.Rahmen.Right) / 2, (o.Rahmen.Top + o.Rahmen.Bottom) / 2);
    const double kxVorher = d.Objekte[0].Kx;
    QTest::mousePress(bild, Qt::LeftButton, {}, kasten);
    QTest::mouseMove(bild, kasten - QPoint(50, 0));
    QTest::mouseRelease(bild, Qt::LeftButton, {}, kasten - QPoint(50, 0));
    EXPECT_LT(d.Objekte[0].Kx, kxVorher);
    EXPECT_EQ(d.Objekte.size(), 2);
    EXPECT_EQ(editor->Editor.Stapel.count(), 3);
}
