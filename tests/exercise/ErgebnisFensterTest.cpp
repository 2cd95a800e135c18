// Tests of the results window, the name dialog and their creation on first use.
#include "BestListBefehle.h"
#include "ErgebnisSteuerung.h"
#include "TNameEingabeForm.h"
#include "TUebFertigForm.h"
#include "UebTestUmgebung.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
ErgebnisInhalt Inhalt(bool teilwiederholung)
{
    UebErgebnis e;
    e.AnzFragen = 20;
    e.AnzFalsch = teilwiederholung ? 3 : 0;
    e.Gesamtleistung = 0.85;
    e.RichtigText = "17";
    e.FalschText = QString::number(e.AnzFalsch);
    e.QuoteText = "85.0 %";
    e.GesamtleistungText = "85.0 %";
    e.UebZeitText = "01:05";
    auto i = ErgebnisAblauf::InhaltBerechnen(e);
    i.InBestenlisteBtnSichtbar = teilwiederholung;
    return i;
}
} // namespace

TEST(TUebFertigForm, LabelsSkalaUndWiederholungsgruppe)
{
    TUebFertigForm f;
    f.TeilRadio->setChecked(true);
    f.InhaltSetzen(Inhalt(true));
    EXPECT_EQ(f.windowTitle(), "Quiz beendet");
    EXPECT_EQ(f.RichtigLab->text(), "17  von  20");
    EXPECT_EQ(f.NoteLab->text(), "1");
    EXPECT_EQ(f.BewertLab->text(), "sehr gut");
    EXPECT_EQ(f.ZeitArtLab->text(), QString::fromUtf8("Benötigte Zeit:"));
    EXPECT_EQ(f.BewertSkalaImg->pixmap().size(), QSize(217, 209));
    EXPECT_TRUE(f.WiederholenMode->isEnabled());
    EXPECT_EQ(f.GewaehlterWiederholenMode(), 1);
    EXPECT_FALSE(f.InBestenlisteBtn->isHidden());

    // Without a wrong attempt the group is disabled and set back to 0.
    f.InhaltSetzen(Inhalt(false));
    EXPECT_FALSE(f.WiederholenMode->isEnabled());
    EXPECT_TRUE(f.KomplettRadio->isChecked());
    EXPECT_EQ(f.GewaehlterWiederholenMode(), 0);
    EXPECT_TRUE(f.InBestenlisteBtn->isHidden());
}

TEST(TUebFertigForm, SchliessenHatDenFokusUndBeendetMitAbbruch)
{
    TUebFertigForm f;
    f.InhaltSetzen(Inhalt(true));
    bool fokus = false;
    QTimer::singleShot(0, &f, [&] {
        fokus = f.LernBtn->hasFocus() || f.focusWidget() == f.LernBtn;
        f.LernBtn->click();
    });
    EXPECT_FALSE(f.ModalZeigen());
    EXPECT_TRUE(fokus);
    QTimer::singleShot(0, &f, [&] { f.WiederholenBtn->click(); });
    EXPECT_TRUE(f.ModalZeigen());
}

TEST(TNameEingabeForm, DreissigZeichenUndNameBleibtZwischenLaeufen)
{
    TNameEingabeForm f;
    f.TNameEdit->setText(QString(40, 'x'));
    EXPECT_EQ(f.TNameEdit->text().size(), 30);
    f.TNameEdit->setText("Ina");
    QString name;
    QTimer::singleShot(0, &f, [&] { f.StartBtn->click(); });
    EXPECT_TRUE(f.NamenErfragen(name));
    EXPECT_EQ(name, "Ina");
    QString zweiter = "alt";
    QTimer::singleShot(0, &f, [&] {
        EXPECT_EQ(f.TNameEdit->text(), "Ina");
        f.AbbrechenBtn->click();
    });
    EXPECT_FALSE(f.NamenErfragen(zweiter));
    EXPECT_EQ(zweiter, "alt");
}

// Neither the results window nor the name dialog exists before the end of a
// run needs it; once made, the same dialog serves every later run.
TEST(ErgebnisSteuerung, FensterErstBeimErstenGebrauch)
{
    UebTest t;
    QWidget eltern;
    BestListBefehle befehle(t.umg.dienste, &eltern);
    TestHauptfenster hauptfenster;
    ErgebnisSteuerung e(t.ueb, befehle, t.dok, *t.umg.dienste.meldungen, hauptfenster, &eltern);
    EXPECT_FALSE(e.FensterErzeugt());
    EXPECT_TRUE(eltern.findChildren<QDialog *>().isEmpty());

    const auto antworten = [&](const QString &text) {
        QTimer::singleShot(0, &eltern, [&eltern, text] {
            auto *d = eltern.findChild<TNameEingabeForm *>();
            ASSERT_NE(d, nullptr);
            d->TNameEdit->setText(text);
            d->StartBtn->click();
        });
    };
    QString name;
    antworten("Ina");
    EXPECT_TRUE(e.NamenErfragen(name));
    EXPECT_EQ(name, "Ina");
    EXPECT_TRUE(e.FensterErzeugt());
    antworten("Ole");
    EXPECT_TRUE(e.NamenErfragen(name));
    EXPECT_EQ(name, "Ole");
    EXPECT_EQ(eltern.findChildren<TNameEingabeForm *>().size(), 1);
    EXPECT_TRUE(eltern.findChildren<TUebFertigForm *>().isEmpty());
}

// The results window's "Protokoll" shows the protocol window of the main
// window.
TEST(ErgebnisSteuerung, ProtokollKnopfZeigtDasProtokollfenster)
{
    UebTest t;
    QWidget eltern;
    BestListBefehle befehle(t.umg.dienste, &eltern);
    TestHauptfenster hauptfenster;
    ErgebnisSteuerung e(t.ueb, befehle, t.dok, *t.umg.dienste.meldungen, hauptfenster, &eltern);
    emit e.UebFertigForm().ProtokollGewuenscht();
    EXPECT_EQ(hauptfenster.gezeigt, 1);
    EXPECT_EQ(hauptfenster.dargestellt, 0);
}
