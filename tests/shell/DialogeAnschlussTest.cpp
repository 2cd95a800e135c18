// "Inf&o...", the "?" of the status panel and "Per E-Mail versenden..." reach their windows.
#include "DialogeAnschluss.h"
#include "ModalHilfe.h"
#include "Ordner.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TInfoBox.h"
#include "TKennzInfoBox.h"
#include "TestDienste.h"
#include "XdgEmailVersand.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(DialogeAnschluss, InfoUndFragezeichenZeigenIhreFensterModal)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + "/prog/data");
    Ordner().Ableiten(tmp.path() + "/prog/");
    TestUmgebung u;
    TForm1 form(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat), {});
    u.meldungen.Leeren(); // the missing start picture is not our matter
    auto *anschluss = new DialogeAnschluss(form, nullptr);
    ASSERT_NE(form.Menue.Info1, nullptr);
    EXPECT_TRUE(form.Menue.Info1->isVisible());
    EXPECT_EQ(form.KennzInfoPan->toolTip(), "Information zu den Kennzahlen");

    // The windows are made when first asked for, once.
    EXPECT_FALSE(anschluss->FensterErzeugt());
    QString gesehen;
    NaechstesModalesFenster([&](QWidget *w) { gesehen = w->metaObject()->className(); });
    form.Menue.Info1->trigger();
    EXPECT_EQ(gesehen, "TInfoBox");
    EXPECT_TRUE(anschluss->FensterErzeugt());
    EXPECT_FALSE(anschluss->InfoBox().isVisible());
    EXPECT_EQ(form.findChildren<TInfoBox *>().size(), 1);
    EXPECT_EQ(&anschluss->InfoBox(), form.findChild<TInfoBox *>());

    gesehen.clear();
    NaechstesModalesFenster([&](QWidget *w) { gesehen = w->metaObject()->className(); });
    emit form.KennzInfoPan->clicked();
    EXPECT_EQ(gesehen, "TKennzInfoBox");
    EXPECT_TRUE(u.meldungen.protokoll.empty());
}

TEST(DialogeAnschluss, EMailKuerzelVerstecktUndAbbrechenDerSpeicherfrageTutNichts)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + "/prog/data");
    Ordner().Ableiten(tmp.path() + "/prog/");
    TestUmgebung u;
    TForm1 form(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat), {});
    u.meldungen.Leeren();
    auto *anschluss = new DialogeAnschluss(form, nullptr);

    // Hidden item: no menu shows it, the window carries its shortcut.
    QAction *mail = form.Menue.PerEMailversenden1;
    ASSERT_NE(mail, nullptr);
    EXPECT_EQ(mail->shortcut(), QKeySequence("Ctrl+M"));
    EXPECT_TRUE(form.actions().contains(mail));
    EXPECT_TRUE(mail->isEnabled());
    // With the extended functions on, the file menu shows it.
    auto imDateiMenue = [&] {
        for (QAction *a : form.Menue.Datei1->actions())
            if (a->isVisible() && a->text().startsWith("Per E-&Mail versenden..."))
                return true;
        return false;
    };
    EXPECT_FALSE(imDateiMenue());
    form.ErweiterteFunktionenSetzen(true);
    EXPECT_TRUE(imDateiMenue());
    form.ErweiterteFunktionenSetzen(false);

    // Cancelling the save prompt: no dialog, no mail program, no message
    // after the question.
    form.Zustand.Dok.DateiName = tmp.path() + "/Europa.tvl";
    form.Zustand.Dok.Geaendert = true;
    u.meldungen.antworten = {Antwort::Abbrechen};
    bool dialogGesehen = false;
    NaechstesModalesFenster([&](QWidget *) { dialogGesehen = true; }, 20);
    mail->trigger();
    QTest::qWait(300);
    EXPECT_FALSE(dialogGesehen);
    EXPECT_EQ(anschluss->MailVersand->Offen(), 0);
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].art, "JaNeinAbbrechen");

    // No document: the message, and still no dialog.
    u.meldungen.Leeren();
    form.Zustand.Dok.DateiName.clear();
    form.Zustand.Dok.Geaendert = false;
    mail->trigger();
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Es ist kein Dokument geöffnet bzw. das aktuelle Dokument muss "
                                               "zunächst gespeichert werden."});
    // The tool-bar button runs the same command.
    ASSERT_NE(anschluss->EMailBtn, nullptr);
    EXPECT_EQ(anschluss->EMailBtn->toolTip(), "Dokument per E-Mail versenden");
    u.meldungen.Leeren();
    emit anschluss->EMailBtn->clicked();
    EXPECT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(anschluss->MailVersand->Offen(), 0);
}

TEST(DialogeAnschluss, OhneMailProgrammWirdDerOrdnerDesDokumentsAngeboten)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + "/prog/data");
    QDir().mkpath(tmp.path() + "/leer");
    Ordner().Ableiten(tmp.path() + "/prog/");
    TestUmgebung u;
    TForm1 form(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat), {});
    u.meldungen.Leeren();
    auto *anschluss = new DialogeAnschluss(form, nullptr);
    form.ErweiterteFunktionenSetzen(true);
    QFile dok(tmp.path() + "/Europa.tvl");
    ASSERT_TRUE(dok.open(QIODevice::WriteOnly));
    dok.close();
    form.Zustand.Dok.DateiName = dok.fileName();

    // No xdg-email anywhere on the PATH.
    const QByteArray altPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(tmp.path() + "/leer"));
    u.meldungen.antworten = {Antwort::Ja};
    QString dialog;
    NaechstesModalesFenster([&](QWidget *w) {
        dialog = w->windowTitle();
        static_cast<QDialog *>(w)->accept();
    });
    QSignalSpy ende(anschluss->MailVersand, &XdgEmailVersand::Beendet);
    anschluss->PerEMailversenden1Click();
    const bool gemeldet = !ende.isEmpty() || ende.wait(5000);
    qputenv("PATH", altPath);
    ASSERT_TRUE(gemeldet);
    EXPECT_EQ(dialog, "Dokument per E-Mail versenden");
    EXPECT_EQ(ende.first().at(0).toInt(), 1);
    // One message: the offer, which also says why nothing was sent.
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(u.meldungen.protokoll[0].art, "JaNein");
    EXPECT_TRUE(u.meldungen.protokoll[0].text.startsWith("Es wurde kein E-Mail-Programm gefunden"));
    EXPECT_EQ(u.oeffner.geoeffnet, QStringList{tmp.path()});
}
