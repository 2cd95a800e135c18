// Tests of the high-score window, the folder window and their commands.
#include "BestListBefehle.h"
#include "BestListTabelle.h"
#include "Dokument.h"
#include "GridDrucken.h"
#include "Ordner.h"
#include "TBestListForm.h"
#include "TBestListVerzForm.h"
#include "TestDienste.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPageSize>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
TBestListEintrag E(const QString &name, double leistung, qint32 dauer)
{
    TBestListEintrag e;
    e.Name = name;
    e.Rechner = "PC";
    e.Leistung = leistung;
    e.Dauer = dauer;
    e.Ende = 46363.5;
    return e;
}
} // namespace

TEST(TBestListForm, LeereListeEineLeereZeileSpeichernUndZwischenablageGleich)
{
    TestMeldungen m;
    TBestListForm f(m);
    f.GridFuellen({});
    EXPECT_EQ(f.Grid1->rowCount(), 1);
    EXPECT_EQ(f.Grid1->columnCount(), 6);
    EXPECT_EQ(f.SpaltenBreiten(), BestListTabelle::Breiten());
    EXPECT_EQ(f.Grid1->model()->headerData(4, Qt::Horizontal).toString(), "Zeit (Min:Sek)");

    QTemporaryDir dir;
    const QString pfad = dir.filePath("liste.txt");
    ASSERT_TRUE(f.TextSpeichern(pfad));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray erwartet = "Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit (Ende)\r\n\t\t\t\t\t\r\n";
    EXPECT_EQ(datei.readAll(), erwartet);
    f.InZwischenablage();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(erwartet));

    // A folder that does not exist is reported with the shared wording.
    EXPECT_FALSE(f.TextSpeichern(dir.filePath("fehlt/liste.txt")));
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_TRUE(m.protokoll[0].text.contains("kann nicht geschrieben werden"));
}

TEST(TBestListForm, ZeilenMitRangUndAusrichtungJeSpalte)
{
    TestMeldungen m;
    TBestListForm f(m);
    f.GridFuellen({E("Ina", 0.8533, 61999), E("Max", 0.5, 1000)});
    ASSERT_EQ(f.Grid1->rowCount(), 2);
    EXPECT_EQ(f.Grid1->item(0, 0)->text(), "1");
    EXPECT_EQ(f.Grid1->item(1, 0)->text(), "2");
    EXPECT_EQ(f.Grid1->item(0, 3)->text(), "85.3 %");
    EXPECT_EQ(f.Grid1->item(0, 4)->text(), "01:01");
    EXPECT_TRUE(f.Grid1->item(0, 0)->textAlignment() & Qt::AlignHCenter);
    EXPECT_TRUE(f.Grid1->item(0, 1)->textAlignment() & Qt::AlignLeft);
    EXPECT_TRUE(f.Grid1->item(0, 3)->textAlignment() & Qt::AlignHCenter);
    EXPECT_TRUE(f.Grid1->item(0, 5)->textAlignment() & Qt::AlignLeft);
    EXPECT_TRUE(f.Grid1->horizontalHeader()->defaultAlignment() & Qt::AlignLeft);
    // Refilling with fewer entries leaves no stale rows behind.
    f.GridFuellen({});
    EXPECT_EQ(f.Grid1->rowCount(), 1);
    EXPECT_TRUE(f.Grid1->item(0, 1)->text().isEmpty());
}

namespace {
int PdfSeiten(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray d = f.readAll();
    return int(d.count("/Type /Page\n") + d.count("/Type /Page\r") + d.count("/Type /Page ") + d.count("/Type /Page>")
               + d.count("/Type /Page/"));
}
} // namespace

TEST(GridDrucken, LangeListeBrichtAufMehrereSeitenUm)
{
    TBestList viele;
    for (int i = 0; i < 150; ++i)
        viele.append(E(QString("Teilnehmer %1").arg(i), 0.5, 1000));
    QTemporaryDir dir;
    const QString pfad = dir.filePath("liste.pdf");
    {
        QPdfWriter pdf(pfad);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        ASSERT_TRUE(GridDrucken(pdf, BestListTabelle::Zeilen(viele), 1, BestListTabelle::Breiten(),
                                BestListTabelle::Ausrichtungen()));
    }
    const int seiten = PdfSeiten(pfad);
    // 151 rows of about 4 mm in 24 cm: more than one page, fewer than four.
    EXPECT_GE(seiten, 2);
    EXPECT_LE(seiten, 3);
}

TEST(TBestListVerzForm, UngueltigerOrdnerHaeltFensterOffenGueltigeWerdenMitSchraegstrichUebernommen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("prot"));
    TestMeldungen m;
    TBestListVerzForm f(m);
    f.ProtVerzEdit1->setText(dir.filePath("prot"));
    f.BestListVerzEdit1->setText(dir.filePath("fehlt"));
    f.setResult(QDialog::Rejected);
    f.CloseBtnClick();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(m.Texte(), QStringList{QString::fromUtf8("Der angegebene Ordner für die Bestenlisten ist ungültig.")});
    EXPECT_EQ(f.ProtVerzEdit1->text(), dir.filePath("prot") + "/");

    f.BestListVerzEdit1->setText(dir.path());
    f.CloseBtnClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.BestListVerzEdit1->text(), dir.path() + "/");
}

TEST(TBestListVerzForm, HinweistexteOhneTippfehler)
{
    TestMeldungen m;
    TBestListVerzForm f(m);
    const QString prot = f.Memo2->toPlainText().simplified();
    const QString liste = f.Memo1->toPlainText().simplified();
    EXPECT_TRUE(prot.contains(QString::fromUtf8("sind für diesen Ordner Schreibzugriffsrechte erforderlich.")))
        << prot.toStdString();
    EXPECT_TRUE(liste.contains("In diesem Ordner werden die Bestenlisten gespeichert.")) << liste.toStdString();
    EXPECT_FALSE(prot.contains("Order ") || liste.contains("gepeichert"));
}

TEST(BestListBefehle, OrdnerfensterUebernimmtBeideOrdnerAbbrechenAendertNichts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("p"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("b"));
    TestUmgebung umg;
    BestListBefehle befehle(umg.dienste, nullptr);
    Ordner().ProtOrdner = "/alt/p/";
    Ordner().BestListOrdner = "/alt/b/";

    QTimer::singleShot(0, &befehle.BestListVerzForm(), [&] {
        EXPECT_EQ(befehle.BestListVerzForm().ProtVerzEdit1->text(), "/alt/p/");
        befehle.BestListVerzForm().ProtVerzEdit1->setText(dir.filePath("p"));
        befehle.BestListVerzForm().BestListVerzEdit1->setText(dir.filePath("b"));
        befehle.BestListVerzForm().CloseBtn->click();
    });
    EXPECT_TRUE(befehle.OrdnerBestenlisten1Click());
    EXPECT_EQ(Ordner().ProtOrdner, dir.filePath("p") + "/");
    EXPECT_EQ(Ordner().BestListOrdner, dir.filePath("b") + "/");

    QTimer::singleShot(0, &befehle.BestListVerzForm(), [&] {
        befehle.BestListVerzForm().BestListVerzEdit1->setText("/nirgends");
        befehle.BestListVerzForm().BitBtn21->click();
    });
    EXPECT_FALSE(befehle.OrdnerBestenlisten1Click());
    EXPECT_EQ(Ordner().BestListOrdner, dir.filePath("b") + "/");
}

TEST(BestListBefehle, BestenlisteZeigtDasFensterMitTitelUndSortierterListe)
{
    QTemporaryDir dir;
    TestUmgebung umg;
    Ordner().BestListOrdner = dir.path() + "/";
    QWidget eltern;
    BestListBefehle befehle(umg.dienste, &eltern);
    // No window before the first command; the command makes the list window.
    EXPECT_FALSE(befehle.FensterErzeugt());
    EXPECT_TRUE(eltern.findChildren<TBestListForm *>().isEmpty());
    Dokument dok;
    dok.DateiName = "/q/Asien.tvl";
    dok.Titel = "Flaggen Asiens";
    BestListDatensatz d;
    d.Name = "Zweite";
    d.Leistung = 0.5;
    ASSERT_TRUE(befehle.Listen.ErgebnisEintragen(false, dok.DateiName, d));
    d.Name = "Erste";
    d.Leistung = 0.9;
    ASSERT_TRUE(befehle.Listen.ErgebnisEintragen(false, dok.DateiName, d));
    QString titel;
    QStringList namen;
    QTimer::singleShot(0, &befehle.BestListForm(), [&] {
        titel = befehle.BestListForm().windowTitle();
        for (int r = 0; r < befehle.BestListForm().Grid1->rowCount(); ++r)
            namen << befehle.BestListForm().Grid1->item(r, 1)->text();
        befehle.BestListForm().OKBtn->click();
    });
    befehle.Bestenliste1Click(Rolle::Einzeln, &dok);
    EXPECT_EQ(titel, "Bestenliste - Flaggen Asiens");
    EXPECT_EQ(namen, (QStringList{"Erste", "Zweite"}));
    EXPECT_TRUE(umg.meldungen.protokoll.empty());
    EXPECT_TRUE(befehle.FensterErzeugt());
    EXPECT_EQ(eltern.findChildren<TBestListForm *>().size(), 1);
    EXPECT_TRUE(eltern.findChildren<TBestListVerzForm *>().isEmpty());
    // A second command shows the same window again.
    QTimer::singleShot(0, &befehle.BestListForm(), [&] { befehle.BestListForm().OKBtn->click(); });
    befehle.Bestenliste1Click(Rolle::Einzeln, &dok);
    EXPECT_EQ(eltern.findChildren<TBestListForm *>().size(), 1);
}
