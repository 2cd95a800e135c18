// The live view's rows: messages in any order, duplicates and losses.
#include "KontrollModell.h"

#include <QSortFilterProxyModel>

#include <gtest/gtest.h>

namespace {
QString Kennung(char c)
{
    return QString(30, QLatin1Char(c));
}

TnNachricht Init(const QString &k, const QString &name)
{
    TnNachricht n;
    n.Art = TnArt::Init;
    n.Kennung = k;
    n.Name = name;
    n.StartZeitText = "10:00:00";
    return n;
}

TnNachricht Aktion(const QString &k, int richtig, int falsch, int offen, const QString &zeit)
{
    TnNachricht n;
    n.Art = TnArt::Aktion;
    n.Kennung = k;
    n.StartZeitText = "10:00:00";
    n.AnzFragen = richtig + offen;
    n.AnzRichtig = richtig;
    n.AnzFalsch = falsch;
    n.AnzOffen = offen;
    n.UhrText = zeit;
    n.Erfolgsquote = 100.0 * richtig / std::max(1, richtig + falsch);
    n.Gesamtleistung = 100.0 * richtig / std::max(1, richtig + falsch + offen);
    n.Schulnote = 3;
    return n;
}

TnNachricht Fertig(const QString &k, int status, const QString &zeit)
{
    TnNachricht n;
    n.Art = TnArt::Fertig;
    n.Kennung = k;
    n.Endestatus = EndeArt(status);
    n.UhrText = zeit;
    return n;
}

TnNachricht Bestlist(const QString &k, const QString &name)
{
    TnNachricht n;
    n.Art = TnArt::Bestlist;
    n.Kennung = k;
    n.Name = name;
    n.Rechner = "pc";
    n.Leistung = 0.5;
    n.Laufzeit = 60000;
    return n;
}
} // namespace

TEST(KontrollModell, ZeilenAusNachrichtenInBeliebigerReihenfolge)
{
    KontrollModell m;
    int geaendert = 0;
    QObject::connect(&m, &QAbstractItemModel::dataChanged, [&geaendert] { ++geaendert; });
    const QString a = Kennung('A');
    // Reports before the join are not taken: they may be a replay.
    m.Verarbeiten("pc-1", "anna", Aktion(a, 1, 0, 4, "00:10"));
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.Verworfen(KontrollModell::Grund::Unbekannt), 1);
    m.Verarbeiten("pc-1", "anna", Init(a, ""));
    m.Verarbeiten("pc-1", "anna", Aktion(a, 1, 0, 4, "00:10"));
    ASSERT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.Zeilen()[0].StartZeit, "10:00:00");
    EXPECT_EQ(m.Zeilen()[0].Name, "");
    EXPECT_EQ(m.index(0, KontrollModell::SpName).data().toString(), "-");
    // A later answer, then an older one that was overtaken, then a duplicate.
    m.Verarbeiten("pc-1", "anna", Aktion(a, 3, 1, 2, "00:30"));
    m.Verarbeiten("pc-1", "anna", Aktion(a, 2, 1, 3, "00:20"));
    m.Verarbeiten("pc-1", "anna", Aktion(a, 3, 1, 2, "00:30"));
    EXPECT_EQ(m.Zeilen()[0].AnzRichtig, 3);
    EXPECT_EQ(m.Zeilen()[0].Zeit, "00:30");
    EXPECT_EQ(m.index(0, KontrollModell::SpBeantwortet).data().toString(), "3 von 5");
    // A repeated INIT names the row; the end comes before the last answer.
    m.Verarbeiten("pc-1", "anna", Init(a, "Anna"));
    m.Verarbeiten("pc-1", "anna", Fertig(a, 1, "00:45"));
    m.Verarbeiten("pc-1", "anna", Aktion(a, 5, 1, 0, "00:44"));
    const auto &z = m.Zeilen()[0];
    EXPECT_EQ(z.Name, "Anna");
    EXPECT_EQ(z.AnzRichtig, 5);
    EXPECT_EQ(z.Zeit, "00:45"); // the end's time stays
    EXPECT_EQ(z.Status, KontrollModell::Zustand::Fertig);
    EXPECT_EQ(m.rowCount(), 1);
    // The views hear of the changed row once, at the refresh.
    EXPECT_EQ(geaendert, 0);
    m.Aktualisieren();
    EXPECT_EQ(geaendert, 1);
    m.Aktualisieren();
    EXPECT_EQ(geaendert, 1);
    EXPECT_EQ(m.index(0, KontrollModell::SpKennung).data().toString(), "AAAAAAAA…");
    EXPECT_EQ(m.index(0, KontrollModell::SpKennung).data(Qt::ToolTipRole).toString(), a);
    EXPECT_EQ(m.index(0, KontrollModell::SpRechner).data(Qt::ToolTipRole).toString(), "Benutzer: anna");
}

TEST(KontrollModell, BestenlisteNurEinmalJeTeilnahme)
{
    KontrollModell m;
    const QString a = Kennung('B');
    m.Verarbeiten("pc", "u", Init(a, ""));
    m.Verarbeiten("pc", "u", Aktion(a, 1, 0, 1, "00:05"));
    EXPECT_FALSE(m.Verarbeiten("pc", "u", Fertig(a, 3, "00:00")));
    EXPECT_TRUE(m.Verarbeiten("pc", "u", Bestlist(a, "Ben")));
    EXPECT_FALSE(m.Verarbeiten("pc", "u", Fertig(a, 3, "00:00")));
    EXPECT_FALSE(m.Verarbeiten("pc", "u", Bestlist(a, "Ben")));
    EXPECT_EQ(m.Zeilen()[0].Status, KontrollModell::Zustand::Zeitlimit);
    EXPECT_EQ(m.Zeilen()[0].Name, "Ben");
    EXPECT_EQ(m.index(0, KontrollModell::SpStatus).data().toString(), "Zeit abgelaufen");
    EXPECT_EQ(m.index(0, KontrollModell::SpGesamtleistung).data().toString(), "50.0 %");
}

TEST(KontrollModell, WiederholungIstNeuerLaufDesRechners)
{
    KontrollModell m;
    m.Verarbeiten("PC-1", "u", Init(Kennung('C'), "x"));
    m.Verarbeiten("pc-2", "u", Init(Kennung('D'), "y"));
    m.Verarbeiten("pc-1", "u", Init(Kennung('E'), "x"));
    ASSERT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.Zeilen()[0].Lauf, 1);
    EXPECT_EQ(m.Zeilen()[1].Lauf, 1);
    EXPECT_EQ(m.Zeilen()[2].Lauf, 2);
    EXPECT_EQ(m.index(2, KontrollModell::SpBeantwortet).data().toString(), "-");
    m.Verarbeiten("pc-1", "u", Fertig(Kennung('C'), 2, "00:05"));
    EXPECT_EQ(m.index(0, KontrollModell::SpStatus).data().toString(), "abgebrochen");
    EXPECT_EQ(m.index(2, KontrollModell::SpStatus).data().toString(), "läuft");
}

TEST(KontrollModell, SortierbarUndBegrenzt)
{
    KontrollModell m;
    m.Verarbeiten("pc-a", "u", Init(Kennung('F'), ""));
    m.Verarbeiten("pc-b", "u", Init(Kennung('G'), ""));
    m.Verarbeiten("pc-c", "u", Init(Kennung('H'), ""));
    m.Verarbeiten("pc-a", "u", Aktion(Kennung('F'), 9, 0, 1, "00:10"));
    m.Verarbeiten("pc-b", "u", Aktion(Kennung('G'), 10, 0, 0, "00:10"));
    m.Verarbeiten("pc-c", "u", Aktion(Kennung('H'), 2, 0, 8, "00:10"));
    m.Aktualisieren();
    QSortFilterProxyModel p;
    p.setSourceModel(&m);
    p.setSortRole(KontrollModell::SortierRolle);
    p.sort(KontrollModell::SpRichtig, Qt::DescendingOrder);
    EXPECT_EQ(p.index(0, KontrollModell::SpRechner).data().toString(), "pc-b");
    EXPECT_EQ(p.index(2, KontrollModell::SpRechner).data().toString(), "pc-c");
    // Numbers sort as numbers: 10 after 9, not between 1 and 2.
    p.sort(KontrollModell::SpRichtig, Qt::AscendingOrder);
    EXPECT_EQ(p.index(1, KontrollModell::SpRechner).data().toString(), "pc-a");

    m.Leeren();
    EXPECT_EQ(m.rowCount(), 0);
    for (int i = 0; i < KontrollModell::MaxZeilen + 20; ++i) {
        QString k;
        for (int j = 0, v = i; j < 30; ++j, v /= 26)
            k.append(QChar(u'A' + v % 26));
        // From as many addresses: one address could not join so often.
        m.Verarbeiten({"pc", "u", "10.0." + QString::number(i / 200) + "." + QString::number(i % 200)}, Init(k, "n"),
                      1000);
    }
    EXPECT_EQ(m.rowCount(), KontrollModell::MaxZeilen);
}
