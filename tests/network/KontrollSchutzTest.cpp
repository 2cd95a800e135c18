// The live view's rows against made-up and replayed messages, floods of
// joins and of reports, and the figures it shows.
#include "KontrollModell.h"

#include "DelphiZeit.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {
const qint64 T0 = QDateTime(QDate(2026, 3, 2), QTime(9, 0)).toMSecsSinceEpoch();

QString Kennung(int i)
{
    QString k;
    for (int j = 0; j < 30; ++j, i /= 26)
        k.append(QChar(u'A' + i % 26));
    return k;
}

TnNachricht Nachricht(TnArt art, const QString &k)
{
    TnNachricht n;
    n.Art = art;
    n.Kennung = k;
    n.StartZeitText = "09:01:00";
    n.UhrText = "00:30";
    n.Endestatus = EndeArt::Fertig;
    return n;
}

TnNachricht Bericht(const QString &k, int richtig, int falsch, int offen)
{
    TnNachricht n = Nachricht(TnArt::Aktion, k);
    n.AnzFragen = richtig + offen;
    n.AnzRichtig = richtig;
    n.AnzFalsch = falsch;
    n.AnzOffen = offen;
    return n;
}

TnNachricht Eintrag(const QString &k, qint64 beginnMs, qint32 dauer, double leistung)
{
    TnNachricht n = Nachricht(TnArt::Bestlist, k);
    n.Name = "Mia";
    n.Rechner = "pc-02";
    n.Beginn = ZeitNachDelphi(QDateTime::fromMSecsSinceEpoch(beginnMs));
    n.Laufzeit = dauer;
    n.Leistung = leistung;
    return n;
}

KontrollModell::Absender Von(const QString &adresse)
{
    return {"pc-02", "mia", adresse};
}
} // namespace

// A list record is taken only from a participation of this initiation
// whose figures fit what it reported.
TEST(KontrollSchutz, ListeneintraegeMuessenZurTeilnahmePassen)
{
    const qint64 jetzt = T0 + qint64(10) * 60000;
    const struct
    {
        const char *fall;
        bool angemeldet;
        int richtig, falsch, offen; // reported before; -1: no answer
        qint64 beginnMs;
        qint32 dauer;
        double leistung;
        bool genommen;
    } faelle[] = {
        {"passt", true, 4, 1, 0, T0 + 60000, 300000, 0.8, true},
        {"ohne Anmeldung", false, -1, 0, 0, T0 + 60000, 300000, 0.8, false},
        {"vor der Initiierung begonnen", true, 4, 1, 0, T0 - 3600000, 300000, 0.8, false},
        {"in der Zukunft begonnen", true, 4, 1, 0, jetzt + 3600000, 300000, 0.8, false},
        {"kürzer als die Antworten", true, 4, 1, 0, T0 + 60000, 4 * 250, 0.8, false},
        {"länger als die Übung besteht", true, 4, 1, 0, T0 + 60000, 3600000, 0.8, false},
        {"Leistung ohne Antwort", true, -1, 0, 0, T0 + 60000, 300000, 1.0, false},
        {"mehr Leistung als gemeldet", true, 1, 0, 4, T0 + 60000, 300000, 1.0, false},
        {"eine Meldung verloren", true, 3, 0, 2, T0 + 60000, 300000, 0.8, true},
        {"Leistung über eins", true, 4, 0, 0, T0 + 60000, 300000, 1.5, false},
        {"nichts beantwortet, Zeit um", true, -1, 0, 0, T0 + 60000, 300000, 0.0, true},
    };
    for (const auto &f : faelle) {
        KontrollModell m;
        m.Beginnen(T0, false);
        const QString k = Kennung(7);
        if (f.angemeldet)
            m.Verarbeiten(Von("10.0.0.2"), Nachricht(TnArt::Init, k), T0 + 60000);
        if (f.richtig >= 0)
            m.Verarbeiten(Von("10.0.0.2"), Bericht(k, f.richtig, f.falsch, f.offen), T0 + 120000);
        EXPECT_EQ(m.Verarbeiten(Von("10.0.0.2"), Eintrag(k, f.beginnMs, f.dauer, f.leistung), jetzt), f.genommen)
            << f.fall;
        EXPECT_EQ(m.VerworfenGesamt(), f.genommen ? 0 : 1) << f.fall;
        if (const KontrollModell::Zeile *z = m.ZeileVon(k)) {
            EXPECT_EQ(z->Eingetragen, f.genommen) << f.fall;
        }
    }
}

TEST(KontrollSchutz, BerichteNurVonAngemeldetenKennungen)
{
    KontrollModell m;
    m.Beginnen(T0, false);
    for (TnArt art : {TnArt::Aktion, TnArt::Fertig, TnArt::Bestlist})
        EXPECT_FALSE(m.Verarbeiten(Von("10.0.0.2"), Nachricht(art, Kennung(1)), T0 + 1000));
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.Verworfen(KontrollModell::Grund::Unbekannt), 3);
    EXPECT_TRUE(m.VerworfenText().contains("3 ohne Anmeldung zu dieser Übung"));
    // A new initiation forgets the joins of the last one.
    m.Verarbeiten(Von("10.0.0.2"), Nachricht(TnArt::Init, Kennung(1)), T0 + 2000);
    m.Beginnen(T0 + 5000, false);
    m.Verarbeiten(Von("10.0.0.2"), Bericht(Kennung(1), 1, 0, 1), T0 + 6000);
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.Verworfen(KontrollModell::Grund::Unbekannt), 1);
}

TEST(KontrollSchutz, AnmeldeflutSperrtEchteSchuelerNichtAus)
{
    KontrollModell m;
    m.Beginnen(T0, false);
    // A thousand made-up joins from one address within a second.
    for (int i = 0; i < 1000; ++i)
        m.Verarbeiten(Von("10.0.0.66"), Nachricht(TnArt::Init, Kennung(i)), T0 + i);
    const int genommen = m.rowCount();
    EXPECT_LT(genommen, 100);
    EXPECT_EQ(m.Verworfen(KontrollModell::Grund::Anmeldeflut), 1000 - genommen);
    // A real pupil elsewhere, and one more on the flooding address later.
    m.Verarbeiten(Von("10.0.0.7"), Nachricht(TnArt::Init, Kennung(5000)), T0 + 1000);
    m.Verarbeiten(Von("10.0.0.66"), Nachricht(TnArt::Init, Kennung(5001)), T0 + 11000);
    EXPECT_NE(m.ZeileVon(Kennung(5000)), nullptr);
    EXPECT_NE(m.ZeileVon(Kennung(5001)), nullptr);
}

TEST(KontrollSchutz, VolleTabelleMachtPlatzBeiStummenZeilen)
{
    KontrollModell m;
    m.Beginnen(T0, false);
    auto adresse = [](int i) { return "10.1." + QString::number(i / 200) + "." + QString::number(i % 200); };
    for (int i = 0; i < KontrollModell::MaxZeilen; ++i)
        m.Verarbeiten(Von(adresse(i)), Nachricht(TnArt::Init, Kennung(i)), T0 + i);
    ASSERT_EQ(m.rowCount(), KontrollModell::MaxZeilen);
    // Row 0 answered; row 1 is the oldest that never did and gives way.
    m.Verarbeiten(Von(adresse(0)), Bericht(Kennung(0), 1, 0, 4), T0 + 5000);
    m.Verarbeiten(Von("10.9.9.9"), Nachricht(TnArt::Init, Kennung(9000)), T0 + 6000);
    EXPECT_EQ(m.rowCount(), KontrollModell::MaxZeilen);
    EXPECT_NE(m.ZeileVon(Kennung(0)), nullptr);
    EXPECT_EQ(m.ZeileVon(Kennung(1)), nullptr);
    ASSERT_NE(m.ZeileVon(Kennung(9000)), nullptr);
    EXPECT_EQ(m.ZeileVon(Kennung(9000))->Adresse, "10.9.9.9");
    // When every row has answered, a join is refused and counted.
    for (int i = 2; i < KontrollModell::MaxZeilen; ++i)
        m.Verarbeiten(Von(adresse(i)), Bericht(Kennung(i), 1, 0, 4), T0 + 7000);
    m.Verarbeiten(Von("10.9.9.9"), Bericht(Kennung(9000), 1, 0, 4), T0 + 7000);
    m.Verarbeiten(Von("10.9.9.8"), Nachricht(TnArt::Init, Kennung(9001)), T0 + 8000);
    EXPECT_EQ(m.ZeileVon(Kennung(9001)), nullptr);
    EXPECT_EQ(m.Verworfen(KontrollModell::Grund::TabelleVoll), 1);
}

// Work for the views grows with the rows that changed, not the messages.
TEST(KontrollSchutz, BerichtsflutWirdGebuendelt)
{
    KontrollModell m;
    m.Beginnen(T0, false);
    QList<std::pair<int, int>> bereiche;
    QObject::connect(&m, &QAbstractItemModel::dataChanged, [&](const QModelIndex &a, const QModelIndex &b) {
        bereiche.append({a.row(), b.row()});
    });
    for (int r = 0; r < 50; ++r)
        m.Verarbeiten(Von("10.2.0." + QString::number(r)), Nachricht(TnArt::Init, Kennung(r)), T0);
    m.Aktualisieren();
    bereiche.clear();
    for (int i = 0; i < 10000; ++i)
        m.Verarbeiten(Von("10.2.0.1"), Bericht(Kennung(i % 50 == 7 ? 7 : 40 + i % 3), i, 0, 20000), T0 + i);
    EXPECT_TRUE(bereiche.isEmpty());
    m.Aktualisieren();
    // Rows 7 and 40..42: two ranges.
    EXPECT_EQ(bereiche, (QList<std::pair<int, int>>{{7, 7}, {40, 42}}));
    EXPECT_EQ(m.ZeileVon(Kennung(7))->AnzRichtig, 9957);
}

TEST(KontrollSchutz, KennzahlenSagenWasSieBedeuten)
{
    KontrollModell m;
    m.Beginnen(T0, true);
    EXPECT_EQ(m.headerData(KontrollModell::SpZeit, Qt::Horizontal).toString(), "Restzeit");
    m.Beginnen(T0, false);
    EXPECT_EQ(m.headerData(KontrollModell::SpZeit, Qt::Horizontal).toString(), "Verstrichene Zeit");
    const QString langerName = "Maximiliane Theodora von Hohenberg-Sternfeld";
    TnNachricht init = Nachricht(TnArt::Init, Kennung(1));
    init.Name = langerName;
    m.Verarbeiten(Von("10.0.0.2"), init, T0 + 1000);
    // Nothing answered yet: every question is open.
    EXPECT_EQ(m.index(0, KontrollModell::SpOffen).data().toString(), "alle");
    EXPECT_EQ(m.index(0, KontrollModell::SpBeantwortet).data().toString(), "-");
    const QString name = m.index(0, KontrollModell::SpName).data().toString();
    EXPECT_LT(name.size(), langerName.size());
    EXPECT_TRUE(name.endsWith(QStringLiteral("…")));
    EXPECT_EQ(m.index(0, KontrollModell::SpName).data(Qt::ToolTipRole).toString(), langerName);
    EXPECT_TRUE(m.index(0, KontrollModell::SpRechner).data(Qt::ToolTipRole).toString().contains("Adresse: 10.0.0.2"));
    m.Verarbeiten(Von("10.0.0.2"), Bericht(Kennung(1), 3, 1, 0), T0 + 60000);
    EXPECT_EQ(m.index(0, KontrollModell::SpOffen).data().toString(), "0");
    // The end report was lost; the list record says the run was completed.
    EXPECT_TRUE(m.Verarbeiten(Von("10.0.0.2"), Eintrag(Kennung(1), T0 + 1000, 60000, 0.75), T0 + 61000));
    EXPECT_EQ(m.index(0, KontrollModell::SpStatus).data().toString(), "fertig");
    // Runs count per pupil at a computer (login and name), not per computer.
    TnNachricht wieder = init;
    wieder.Kennung = Kennung(3);
    m.Verarbeiten({"pc-02", "tom", "10.0.0.2"}, Nachricht(TnArt::Init, Kennung(2)), T0 + 70000);
    m.Verarbeiten({"PC-02", "mia", "10.0.0.2"}, wieder, T0 + 80000);
    EXPECT_EQ(m.ZeileVon(Kennung(2))->Lauf, 1);
    EXPECT_EQ(m.ZeileVon(Kennung(3))->Lauf, 2);
}
