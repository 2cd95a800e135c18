// Tests of the learning view in the main window: covers, navigation, layers.
#include "DokumentLaden.h"
#include "FensterTest.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "Ordner.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TestDienste.h"
#include "TestDokumente.h"
#include "TestObjekte.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The main window with the scene, the picture widget and the learning
// view's wiring, as the program puts them together.
class LernAnsicht : public FensterTest
{
protected:
    LernKartBild *bild = nullptr;
    LernAnsichtAnschluss *anschluss = nullptr;

    void SetUp() override
    {
        ProgrammOrdnerAnlegen(true);
        ASSERT_TRUE(StartbildAnlegen());
        ASSERT_TRUE(SchreibeTestDokument(prog + "b.tvl", "Europa"));
        FensterBauen();
        bild = LernbildEinsetzen();
        anschluss = new LernAnsichtAnschluss(*form, *szene, *bild);
        form->show();
        bild->resize(870, 650);
        QImage basis(870, 650, QImage::Format_RGB32);
        basis.fill(QColor(0, 128, 0));
        form->Zustand.Dok.BasisBild = basis;
        // The learning view as it is used: no start panel over the picture.
        form->StartInfoPan->hide();
        ASSERT_TRUE(u.meldungen.protokoll.empty()) << u.meldungen.Texte().join('|').toStdString();
    }

    DokObjekt &Obj(int i) { return form->Zustand.Dok.Objekte[i]; }
    void Aufbauen() { szene->SzeneAufbauen(); }
    QPoint Mitte(int i)
    {
        const DokObjekt &o = Obj(i);
        return szene->AnzeigePixel((o.Rahmen.Left + o.Rahmen.Right) / 2, (o.Rahmen.Top + o.Rahmen.Bottom) / 2);
    }
    void Klicken(int i, Qt::MouseButton knopf = Qt::LeftButton) { QTest::mouseClick(bild, knopf, {}, Mitte(i)); }
    bool Haken(const char *name) { return Aktion(name)->isChecked(); }
    QAction *Aktion(const char *name) const { return form->findChild<QAction *>(name); }
};
} // namespace

TEST_F(LernAnsicht, ClickOnACoverInThePictureTogglesIt)
{
    form->Zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Nil");
    Aufbauen();
    ASSERT_EQ(Obj(0).Abdeckung, -1);
    Klicken(0);
    EXPECT_EQ(Obj(0).Abdeckung, 0);
    Klicken(0, Qt::MiddleButton);
    EXPECT_EQ(Obj(0).Abdeckung, -1);
    // The right button pans; it never toggles.
    Klicken(0, Qt::RightButton);
    EXPECT_EQ(Obj(0).Abdeckung, -1);
    // In a quiz the picture belongs to the quiz.
    form->Zustand.AnsichtModus = AnsichtArt::Quiz;
    Klicken(0);
    EXPECT_EQ(Obj(0).Abdeckung, -1);
    // While the start panel covers the picture, nothing of it can be hit,
    // also not in the margin around the panel.
    form->Zustand.AnsichtModus = AnsichtArt::Startseite;
    form->StartInfoPan->show();
    Klicken(0);
    EXPECT_EQ(Obj(0).Abdeckung, -1);
    form->StartInfoPan->hide();
    Klicken(0);
    EXPECT_EQ(Obj(0).Abdeckung, 0);
}

TEST_F(LernAnsicht, NavigationButtonsChangeTheCurrentQuestion)
{
    Dokument &d = form->Zustand.Dok;
    d.DokTyp = DokArt::Einzelfragen;
    d.AnzFrageNummern = 3;
    for (int k = 1; k <= 3; ++k) {
        DokObjekt a = Objekt(ObjektTyp::Antwort, 0.225, 0.6, QString("Antwort %1").arg(k));
        a.FrageNummer = k;
        d.Objekte << a;
    }
    const int typen[] = {ObjektTyp::ErsteFrage, ObjektTyp::VorigeFrage, ObjektTyp::NaechsteFrage,
                         ObjektTyp::LetzteFrage, ObjektTyp::ZufallsFrage};
    for (int i = 0; i < 5; ++i)
        d.Objekte << Objekt(typen[i], 0.1 + 0.06 * i, 0.775, "", 2);
    Aufbauen();
    ASSERT_EQ(form->Zustand.AktFrage, 1);
    const int erste = 3, vorige = 4, naechste = 5, letzte = 6, zufall = 7;

    Klicken(naechste);
    EXPECT_EQ(form->Zustand.AktFrage, 2);
    Klicken(letzte);
    EXPECT_EQ(form->Zustand.AktFrage, 3);
    Klicken(naechste);
    EXPECT_EQ(form->Zustand.AktFrage, 3);
    Klicken(vorige);
    EXPECT_EQ(form->Zustand.AktFrage, 2);
    Klicken(zufall);
    EXPECT_NE(form->Zustand.AktFrage, 2);
    Klicken(erste);
    EXPECT_EQ(form->Zustand.AktFrage, 1);

    // The answer of the question now shown toggles; the others cannot be hit.
    Klicken(0);
    EXPECT_EQ(Obj(0).Abdeckung, 0);
}

TEST_F(LernAnsicht, LinksInfoPointsAndDocumentLinks)
{
    // An executable file next to the document: a link to it must never run.
    const QString programm = tmp.path() + "/start.sh";
    {
        QFile f(programm);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
    }
    QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    form->Zustand.Dok.Objekte << Objekt(ObjektTyp::Link, 0.2, 0.2, "https://example.org/", 2)
                              << Objekt(ObjektTyp::Link, 0.4, 0.2, programm, 2)
                              << Objekt(ObjektTyp::Infopunkt, 0.6, 0.2, "<B>Der Nil</b>\r\nist lang.", 2)
                              << Objekt(ObjektTyp::DokumentLink, 0.8, 0.2, "fehlt.tvl", 2)
                              << Objekt(ObjektTyp::DokumentLink, 0.8, 0.5, "b.tvl", 2);
    Aufbauen();

    u.oeffner.ergebnis = false;
    Klicken(0);
    EXPECT_EQ(u.oeffner.geoeffnet, QStringList{"https://example.org/"});
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].art, "Fehler");
    EXPECT_EQ(u.meldungen.protokoll[0].text,
              "Die Datei oder Internet-Adresse \"https://example.org/\" kann nicht geöffnet werden.");

    u.meldungen.Leeren();
    u.oeffner.ergebnis = true;
    Klicken(1);
    EXPECT_EQ(u.oeffner.geoeffnet.size(), 1); // the program was not handed on
    EXPECT_EQ(u.meldungen.Texte(),
              QStringList{"Die Datei oder Internet-Adresse \"" + programm + "\" kann nicht geöffnet werden."});

    u.meldungen.Leeren();
    Klicken(2);
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].art, "Information");
    EXPECT_EQ(u.meldungen.protokoll[0].text, "Der Nil\nist lang.");

    u.meldungen.Leeren();
    Klicken(3);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Die Datei \"fehlt.tvl\" existiert nicht."});

    u.meldungen.Leeren();
    Klicken(4);
    EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << u.meldungen.Texte().join('|').toStdString();
    EXPECT_EQ(form->Zustand.Dok.Titel, "Europa");
}

TEST_F(LernAnsicht, NumberingRadioItemsSetModeAndCheckmarks)
{
    form->Zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.5, 0.2, "a")
                              << Objekt(ObjektTyp::Beschriftung, 0.1, 0.2, "b")
                              << Objekt(ObjektTyp::Beschriftung, 0.3, 0.1, "c");
    // At start: ordered, shown on both the button and the item.
    EXPECT_TRUE(Haken("NummerierungGeordnet1"));
    EXPECT_TRUE(anschluss->NummerModeSort->Checked());
    EXPECT_EQ(Aktion("NummerierungGeordnet1")->text(), "&Geordnet");

    Aktion("NummerierungFragezeichen1")->trigger();
    EXPECT_EQ(szene->NummerierModus, NummerierArt::Fragezeichen);
    EXPECT_TRUE(Haken("NummerierungFragezeichen1"));
    EXPECT_FALSE(Haken("NummerierungGeordnet1"));
    EXPECT_FALSE(Haken("NummerierungZufaellig1"));
    EXPECT_TRUE(anschluss->NummerModeFragez->Checked());
    EXPECT_FALSE(anschluss->NummerModeSort->Checked());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Obj(i).Nummer, 0);

    Aktion("NummerierungGeordnet1")->trigger();
    EXPECT_EQ(szene->NummerierModus, NummerierArt::Geordnet);
    EXPECT_TRUE(Haken("NummerierungGeordnet1"));
    EXPECT_FALSE(Haken("NummerierungFragezeichen1"));
    EXPECT_EQ(Obj(2).Nummer, 1);
    EXPECT_EQ(Obj(1).Nummer, 2);
    EXPECT_EQ(Obj(0).Nummer, 3);

    // The button does the same as its item.
    anschluss->NummerModeZufall->Click();
    EXPECT_EQ(szene->NummerierModus, NummerierArt::Zufaellig);
    EXPECT_TRUE(Haken("NummerierungZufaellig1"));
    EXPECT_TRUE(anschluss->NummerModeZufall->Checked());
    EXPECT_FALSE(anschluss->NummerModeSort->Checked());
    QList<int> nummern{Obj(0).Nummer, Obj(1).Nummer, Obj(2).Nummer};
    std::sort(nummern.begin(), nummern.end());
    EXPECT_EQ(nummern, (QList<int>{1, 2, 3}));

    // A loaded document gets the stored mode through the window's hook.
    Aktion("NummerierungFragezeichen1")->trigger();
    form->Zustand.Dok.Objekte[0].Nummer = 7;
    form->ZoomUndNummerierungZuruecksetzen();
    EXPECT_EQ(Obj(0).Nummer, 0);
}

TEST_F(LernAnsicht, LayerSwitchesHideALayerAndMirrorTheirMenuItems)
{
    form->Zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Nil")
                              << Objekt(ObjektTyp::Infopunkt, 0.7, 0.7, "i", 2);
    Aufbauen();
    const QPoint label = Mitte(0);
    EXPECT_TRUE(Haken("EbeneIllustration1"));
    EXPECT_TRUE(Haken("EbeneBeschriftung1"));
    EXPECT_TRUE(Haken("EbeneInfopunkte1"));

    // The menu item toggles its box; the box's handler rebuilds the scene.
    Aktion("EbeneBeschriftung1")->trigger();
    EXPECT_FALSE(anschluss->Ebene1Check->isChecked());
    EXPECT_FALSE(Haken("EbeneBeschriftung1"));
    EXPECT_FALSE(szene->Ebene1Check);
    EXPECT_EQ(szene->ObjektAn(label.x(), label.y()), -1);
    QTest::mouseClick(bild, Qt::LeftButton, {}, label);
    EXPECT_EQ(Obj(0).Abdeckung, -1);
    EXPECT_EQ(szene->ObjektAn(Mitte(1).x(), Mitte(1).y()), 1);

    // A click on the box itself copies its state into the item.
    anschluss->Ebene0Check->click();
    EXPECT_FALSE(Haken("EbeneIllustration1"));
    EXPECT_FALSE(szene->Ebene0Check);
    EXPECT_EQ(QColor(szene->SzenenBild.pixel(5, 5)), QColor(Qt::white));

    Aktion("EbeneBeschriftung1")->trigger();
    EXPECT_TRUE(anschluss->Ebene1Check->isChecked());
    EXPECT_TRUE(szene->Ebene1Check);
    EXPECT_EQ(szene->ObjektAn(label.x(), label.y()), 0);
}

TEST_F(LernAnsicht, CoverAllAndUncoverAll)
{
    form->Zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Nil")
                              << Objekt(ObjektTyp::Beschriftung, 0.6, 0.6, "Kongo");
    Aufbauen();
    Aktion("AlleBeschriftungenaufdecken1")->trigger();
    EXPECT_EQ(Obj(0).Abdeckung, 0);
    EXPECT_EQ(Obj(1).Abdeckung, 0);
    Klicken(1);
    EXPECT_EQ(Obj(1).Abdeckung, -1);
    anschluss->AlleAbdeckenBtn->Click();
    EXPECT_EQ(Obj(0).Abdeckung, -1);
    EXPECT_EQ(Obj(1).Abdeckung, -1);
    EXPECT_EQ(anschluss->AlleAbdeckenBtn->toolTip(), "Alle Beschriftungen abdecken");
    EXPECT_EQ(Aktion("AlleBeschriftungenaufdecken1")->text(), "Alle auf&decken");
}

TEST_F(LernAnsicht, ShippedDocumentShowsTheTextBehindAClickedCover)
{
    const QString datei = prog + "aufbau-einer-flagge.tvl";
    ASSERT_TRUE(QFile::copy(PENNORIA_PROGRAMM "/aufbau-einer-flagge.tvl", datei));
    ASSERT_TRUE(LadeDokument(form->Zustand, *form, u.meldungen, datei, true));
    ASSERT_TRUE(u.meldungen.protokoll.empty()) << u.meldungen.Texte().join('|').toStdString();
    szene->SzeneAufbauen();
    // "Feld": covered with its number in ordered mode.
    const int feld = 4;
    ASSERT_EQ(Obj(feld).Cap, "Feld");
    EXPECT_GT(Obj(feld).Nummer, 0);
    const QImage vorher = szene->Ansicht(true);
    Klicken(feld);
    EXPECT_EQ(Obj(feld).Abdeckung, 0);
    const QImage nachher = szene->Ansicht(true);
    const QPoint m = Mitte(feld);
    const QRect box(szene->AnzeigePixel(Obj(feld).Rahmen.Left, Obj(feld).Rahmen.Top),
                    szene->AnzeigePixel(Obj(feld).Rahmen.Right, Obj(feld).Rahmen.Bottom));
    int anders = 0;
    for (int y = box.top(); y < box.bottom(); ++y)
        for (int x = box.left(); x < box.right(); ++x)
            anders += vorher.pixel(x, y) != nachher.pixel(x, y);
    EXPECT_GT(anders, box.width() * box.height() / 10) << "the cover did not change at " << m.x() << "," << m.y();
    // Only the clicked box changes; elsewhere the picture stays as it was.
    EXPECT_EQ(vorher.copy(0, 0, nachher.width(), box.top() - 1), nachher.copy(0, 0, nachher.width(), box.top() - 1));

    const QString ablage = QProcessEnvironment::systemEnvironment().value("PENNORIA_BILDER");
    if (!ablage.isEmpty()) {
        vorher.save(ablage + "/lernansicht-vorher.png");
        nachher.save(ablage + "/lernansicht-nachher.png");
    }
}
