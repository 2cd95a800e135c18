// The about box, the explanation of the status figures and the two save dialogs of the main window.
#include "InfoBoxTexte.h"
#include "ModalHilfe.h"
#include "Ordner.h"
#include "TBestListForm.h"
#include "TInfoBox.h"
#include "TKennzInfoBox.h"
#include "TShadowLabel.h"
#include "TUebProtokollForm.h"
#include "TestDienste.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(InfoBoxTexte, PlatzhalterNurInGenauDieserSchreibweiseErsetzt)
{
    EXPECT_EQ(InfoBoxTexte::TitelEinsetzen("%programmtitel% und %programmtitel%.", "X Y"), "X Y und X Y.");
    EXPECT_EQ(InfoBoxTexte::TitelEinsetzen("%Programmtitel% %PROGRAMMTITEL%", "X"), "%Programmtitel% %PROGRAMMTITEL%");
    const QString hinweis = InfoBoxTexte::HinweisMitPlatzhalter();
    EXPECT_TRUE(hinweis.contains("%programmtitel%"));
    EXPECT_FALSE(InfoBoxTexte::TitelEinsetzen(hinweis, "Brinvale Pennoria").contains('%'));
}

TEST(TInfoBox, TitelVersionSymbolUndHinweisOhnePlatzhalter)
{
    TInfoBox box;
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_EQ(box.size(), QSize(578, 379));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(box.AVTextImg1->pixmap().isNull());
    EXPECT_EQ(box.AVTextImg1->size(), QSize(32, 32));
    EXPECT_FALSE(box.EiImg->pixmap().isNull());
    EXPECT_EQ(box.Shape1->height(), 2);
    EXPECT_TRUE(box.Memo1->isReadOnly());
    const QString text = box.Memo1->toPlainText();
    EXPECT_FALSE(text.contains("%programmtitel%"));
    EXPECT_TRUE(text.contains("Brinvale Pennoria"));

    // Title and version are set on every showing.
    box.TitelLabel->setCaption("alt");
    box.show();
    EXPECT_EQ(box.TitelLabel->Caption(), "Brinvale Pennoria");
    EXPECT_EQ(box.VersLab->Caption(), QStringLiteral("Version " PENNORIA_VERSION));
    EXPECT_EQ(box.OKBtn->text(), "OK");
    EXPECT_TRUE(box.OKBtn->isDefault());
    box.close();
}

TEST(TKennzInfoBox, ErklaerungZeileFuerZeile)
{
    TKennzInfoBox box;
    EXPECT_EQ(box.windowTitle(), "Information zu den Kennzahlen");
    EXPECT_EQ(box.size(), QSize(540, 398));
    const QStringList zeilen = box.Memo1->toPlainText().split('\n');
    ASSERT_EQ(zeilen.size(), 25);
    EXPECT_EQ(zeilen[0], "\"Status\":");
    EXPECT_EQ(zeilen[1], "Zeigt den aktuellen Status an. ");
    EXPECT_EQ(zeilen[3], "");
    EXPECT_EQ(zeilen[12], "Die aktuelle Erfolgsquote ist:   Q = richtig / (richtig + falsch)");
    EXPECT_EQ(zeilen[19], "Die bisherige Gesamtleistung ist:   L = richtig / (richtig + falsch + offen)");
    EXPECT_EQ(zeilen[24], "Zeigt die bisher benötigte Zeit im Format \"Minuten:Sekunden\" an.");
    EXPECT_EQ(zeilen, InfoBoxTexte::KennzahlenZeilen());
    EXPECT_TRUE(box.Memo1->isReadOnly());
    EXPECT_EQ(box.OKBtn->text(), "Schließen");

    // Escape closes it like "Schließen".
    box.show();
    box.reject();
    EXPECT_FALSE(box.isVisible());
}

namespace {
struct GesehenerDialog
{
    QString name, titel, ordner, endung;
    QStringList filter;
    bool ueberschreibenFragen = false;
};

GesehenerDialog SpeicherDialogAnsehen(const std::function<void()> &oeffnen)
{
    GesehenerDialog g;
    NaechstesModalesFenster([&g](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        if (!d)
            return;
        g.name = d->objectName();
        g.titel = d->windowTitle();
        g.ordner = d->directory().absolutePath();
        g.endung = d->defaultSuffix();
        g.filter = d->nameFilters();
        g.ueberschreibenFragen = !d->testOption(QFileDialog::DontConfirmOverwrite);
    });
    oeffnen();
    return g;
}
} // namespace

TEST(SpeicherDialoge, ProtokollUndBestenlisteOeffnenImProtokollOrdner)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir().mkpath(tmp.path() + "/prot"));
    const QString altProt = Ordner().ProtOrdner;
    Ordner().ProtOrdner = tmp.path() + "/prot/";
    TestMeldungen meldungen;

    TUebProtokollForm protokoll(meldungen);
    const GesehenerDialog rtf = SpeicherDialogAnsehen([&] { protokoll.SaveBtnClick(); });
    EXPECT_EQ(rtf.name, "SaveRTFDlg");
    EXPECT_EQ(rtf.ordner, QDir(tmp.path() + "/prot").absolutePath());
    EXPECT_EQ(rtf.endung, "rtf");
    EXPECT_EQ(rtf.filter, (QStringList{"Rich Text Dokument (*.rtf)", "Alle Dateien (*.*)"}));
    EXPECT_TRUE(rtf.ueberschreibenFragen);

    TBestListForm liste(meldungen);
    liste.TextSpeichernOrdner = Ordner().ProtOrdner;
    const GesehenerDialog txt = SpeicherDialogAnsehen([&] { liste.SaveBtn->click(); });
    EXPECT_EQ(txt.name, "SaveTXTDlg");
    EXPECT_EQ(txt.titel, "Bestenliste in Datei speichern");
    EXPECT_EQ(txt.ordner, QDir(tmp.path() + "/prot").absolutePath());
    EXPECT_EQ(txt.endung, "txt");
    EXPECT_TRUE(txt.ueberschreibenFragen);
    EXPECT_TRUE(meldungen.protokoll.empty()); // cancelled: nothing written, nothing said
    Ordner().ProtOrdner = altProt;
}

TEST(InfoFenster, BeideBoxenZeigenDenTextGleichUndLiegenAufIhremRahmen)
{
    TInfoBox info;
    TKennzInfoBox kennz;
    for (QDialog *box : {static_cast<QDialog *>(&info), static_cast<QDialog *>(&kennz)}) {
        auto *memo = box->findChild<QPlainTextEdit *>("Memo1");
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(memo->font().family(), "Arial");
        EXPECT_EQ(memo->font().pixelSize(), 12);

        box->show();
        auto *hintergrund = box->findChild<QLabel *>("MainBackImg");
        ASSERT_NE(hintergrund, nullptr);
        EXPECT_EQ(hintergrund->geometry(), box->rect());
        EXPECT_EQ(hintergrund->pixmap().size(), box->size());
        EXPECT_EQ(box->children().first(), hintergrund);
        box->close();
    }
}
