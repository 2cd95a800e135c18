// The live view window and the communication dialog.
#include "KontrollModell.h"
#include "NetzDateien.h"
#include "TKontrollForm.h"
#include "TNetzKomForm.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
TnNachricht Nachricht(TnArt art, char c, int richtig = 0, int status = 1)
{
    TnNachricht n;
    n.Art = art;
    n.Kennung = QString(30, QLatin1Char(c));
    n.StartZeitText = "10:00:00";
    n.AnzFragen = 10;
    n.AnzRichtig = richtig;
    n.AnzOffen = 10 - richtig;
    n.UhrText = "00:10";
    n.Schulnote = 4;
    n.Endestatus = EndeArt(status);
    return n;
}
} // namespace

TEST(TKontrollForm, ZeigtJedeTeilnahmeUndZaehlt)
{
    KontrollModell m;
    TKontrollForm f(m);
    EXPECT_FALSE(f.isModal());
    EXPECT_EQ(f.ZaehlerLab->text(), "0 Teilnahmen: 0 läuft, 0 beendet");
    m.Verarbeiten("pc-1", "a", Nachricht(TnArt::Init, 'A'));
    m.Verarbeiten("pc-2", "b", Nachricht(TnArt::Init, 'B'));
    m.Verarbeiten("pc-1", "a", Nachricht(TnArt::Aktion, 'A', 3));
    m.Verarbeiten("pc-2", "b", Nachricht(TnArt::Aktion, 'B', 9));
    m.Verarbeiten("pc-2", "b", Nachricht(TnArt::Fertig, 'B'));
    m.Aktualisieren();
    EXPECT_EQ(f.KontrollGrid->model()->rowCount(), 2);
    EXPECT_EQ(f.ZaehlerLab->text(), "2 Teilnahmen: 1 läuft, 1 beendet");
    // Clicking the header of "Richtig" twice sorts descending.
    f.KontrollGrid->horizontalHeader()->setSortIndicator(KontrollModell::SpRichtig, Qt::DescendingOrder);
    EXPECT_EQ(f.KontrollGrid->model()->index(0, KontrollModell::SpRechner).data().toString(), "pc-2");
    // A later report moves the row at once.
    m.Verarbeiten("pc-1", "a", Nachricht(TnArt::Aktion, 'A', 10));
    m.Aktualisieren();
    EXPECT_EQ(f.KontrollGrid->model()->index(0, KontrollModell::SpRechner).data().toString(), "pc-1");
    EXPECT_EQ(f.KontrollGrid->model()->headerData(KontrollModell::SpStatus, Qt::Horizontal).toString(), "Status");

    f.KopfSetzen("Flaggen Europas", "/srv/kom/", "7b", true);
    EXPECT_TRUE(f.KopfLab->text().contains("Kanal: 7b"));
    EXPECT_TRUE(f.KopfLab->text().contains("Thema: Flaggen Europas"));
    EXPECT_TRUE(f.KopfLab->text().contains("laufend angezeigt"));
    f.KopfSetzen("Flaggen Europas", "/srv/kom/", "7b", false);
    EXPECT_TRUE(f.KopfLab->text().contains("nicht mehr aktualisiert"));
    m.Leeren();
    EXPECT_EQ(f.ZaehlerLab->text(), "0 Teilnahmen: 0 läuft, 0 beendet");
}

TEST(TKontrollForm, BeendenKnopfKlassenlisteUndVerworfenes)
{
    KontrollModell m;
    TKontrollForm f(m);
    f.show();
    int beenden = 0, liste = 0;
    QObject::connect(&f, &TKontrollForm::UebungBeendenGewuenscht, [&] { ++beenden; });
    QObject::connect(&f, &TKontrollForm::KlassenlisteGewuenscht, [&] { ++liste; });
    ASSERT_TRUE(f.BeendenBtn->isVisible());
    EXPECT_EQ(f.BeendenBtn->text().remove('&'), "Übung beenden");
    f.BeendenBtn->click();
    EXPECT_EQ(beenden, 1);
    // Ctrl+F8 from the table, as in the main window.
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.KontrollGrid->setFocus();
    QTest::keyClick(f.KontrollGrid, Qt::Key_F8, Qt::ControlModifier);
    EXPECT_EQ(liste, 1);
    // Dropped reports are shown with their reason once the rows refresh.
    EXPECT_FALSE(f.VerworfenLab->isVisible());
    m.Verarbeiten("pc-1", "a", Nachricht(TnArt::Aktion, 'Z', 3));
    m.Aktualisieren();
    EXPECT_TRUE(f.VerworfenLab->isVisible());
    EXPECT_TRUE(f.VerworfenLab->text().contains("1 ohne Anmeldung"));
}

TEST(TNetzKomForm, PrueftOrdnerUndKanal)
{
    QTemporaryDir dir;
    TNetzKomForm f;
    EXPECT_EQ(f.KanalEdit->maxLength(), 8);
    f.OrdnerEdit->setText(dir.path());
    f.KanalEdit->setText("7b");
    EXPECT_EQ(f.Pruefen(), "");
    f.OrdnerEdit->setText(dir.path() + "/fehlt");
    EXPECT_TRUE(f.Pruefen().startsWith("Der Ordner"));
    f.OrdnerEdit->setText(dir.path());
    for (const char *k : {"", "  ", "..", ".", "a/b", "a\\b", "a:b", "k?", "<x>", "a|b"}) {
        f.KanalEdit->setText(k);
        EXPECT_TRUE(f.Pruefen().startsWith("Der Kanal")) << k;
    }
    EXPECT_TRUE(KanalNameGueltig("TVL-1"));
    EXPECT_TRUE(KanalNameGueltig("Klasse7b"));
    EXPECT_FALSE(KanalNameGueltig("Klasse10b"));
    EXPECT_FALSE(KanalNameGueltig(QString("a\tb")));
}
