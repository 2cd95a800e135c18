// The store on real SQLite files: creating and migrating, unusable files,
// recording quiz runs, cards, the progress queries and the CSV export.
#include "LernFragen.h"
#include "LernstandTestHilfe.h"
#include "Lernverlauf.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {
// ---- Creating and migrating ----

struct MigrationsFall
{
    const char *name;
    std::function<void(const QString &)> vorher;
    QStringList schueler; // who is in the store afterwards, before any new run
    int altFehler;        // misses of the old runs
};

class Migration : public ::testing::TestWithParam<MigrationsFall>
{
};

TEST_P(Migration, BringsTheFileToTheCurrentSchemaKeepingItsRuns)
{
    TestOrdner o;
    GetParam().vorher(o.Pfad());
    OffenerStand s(o.Pfad());
    ASSERT_EQ(s.stand.Zustand(), Lernstand::Stand::Bereit);
    EXPECT_TRUE(s.meldungen.isEmpty());
    EXPECT_EQ(Zahl(o.Pfad(), "PRAGMA user_version"), Lernstand::SchemaVersion);
    Lernverlauf v(s.stand);
    EXPECT_EQ(v.Schueler(), GetParam().schueler);
    for (const QString &name : GetParam().schueler) {
        const QList<Fehlerfrage> f = v.MeistVerfehlt(name, 10);
        EXPECT_EQ(f.size() == 1 ? f[0].Fehler : 0, GetParam().altFehler);
        EXPECT_EQ(v.Verlauf(name).size(), 1);
    }

    // The migrated file takes runs and cards like a new one.
    AufgezeichneterQuiz q(s.stand);
    ASSERT_TRUE(q.Spielen({"Polen", "Malta", "Irland"}, {"Malta"}));
    EXPECT_EQ(s.stand.Karten("anna", "flaggen").value("Malta").Box, 1);
    EXPECT_TRUE(v.Schueler().contains("anna"));
}

INSTANTIATE_TEST_SUITE_P(Lernstand, Migration,
                         ::testing::Values(MigrationsFall{"NoFileYet", [](const QString &) {}, {}, 0},
                                           MigrationsFall{"EmptyFile",
                                                          [](const QString &p) {
                                                              QDir().mkpath(QFileInfo(p).absolutePath());
                                                              QFile f(p);
                                                              f.open(QIODevice::WriteOnly);
                                                          },
                                                          {},
                                                          0},
                                           MigrationsFall{"FirstVersion", ErsteVersionAnlegen, {"Ben"}, 1}),
                         [](const ::testing::TestParamInfo<MigrationsFall> &i) { return std::string(i.param.name); });

// ---- Files the store cannot use: the quiz goes on ----

void Kaputt(const QString &p, qint64 stelle)
{
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(stelle);
    f.write(QByteArray(512, '\x5a'));
}

void GueltigAnlegen(const QString &p)
{
    Lernstand s(p);
    ASSERT_EQ(s.Oeffnen(), Lernstand::Stand::Bereit);
}

struct UnbrauchbarFall
{
    const char *name;
    std::function<void(const QString &)> vorher;
    Lernstand::Stand stand;
    const char *meldungTeil;
};

class Unbrauchbar : public ::testing::TestWithParam<UnbrauchbarFall>
{
};

TEST_P(Unbrauchbar, ReportedOnceAndTheQuizRunsWithoutIt)
{
    const UnbrauchbarFall &f = GetParam();
    TestOrdner o;
    GueltigAnlegen(o.Pfad());
    f.vorher(o.Pfad());
    QFile datei(o.Pfad());
    datei.open(QIODevice::ReadOnly);
    const QByteArray inhalt = datei.readAll();
    datei.close();

    OffenerStand s(o.Pfad());
    AufgezeichneterQuiz q(s.stand);
    ASSERT_TRUE(q.Spielen({"Polen", "Malta", "Irland"}, {"Polen"}));
    ASSERT_TRUE(q.Spielen({"Polen", "Malta"}, {}));
    EXPECT_EQ(s.stand.Zustand(), f.stand);
    ASSERT_EQ(s.meldungen.size(), 1);
    EXPECT_TRUE(s.meldungen[0].contains(f.meldungTeil)) << s.meldungen[0].toStdString();
    EXPECT_TRUE(q.t.umg.meldungen.Texte().isEmpty()); // no message box interrupted the quiz
    datei.open(QIODevice::ReadOnly);
    EXPECT_EQ(datei.readAll(), inhalt);
}

INSTANTIATE_TEST_SUITE_P(Lernstand, Unbrauchbar,
                         ::testing::Values(UnbrauchbarFall{"NotADatabase",
                                                           [](const QString &p) {
                                                               QFile f(p);
                                                               f.open(QIODevice::WriteOnly | QIODevice::Truncate);
                                                               f.write(QByteArray(8192, '\x17'));
                                                           },
                                                           Lernstand::Stand::Aus, "beschädigt"},
                                           UnbrauchbarFall{"DamagedHeader", [](const QString &p) { Kaputt(p, 0); },
                                                           Lernstand::Stand::Aus, "beschädigt"},
                                           UnbrauchbarFall{"NewerVersion",
                                                           [](const QString &p) {
                                                               QSqlDatabase db =
                                                                   QSqlDatabase::addDatabase("QSQLITE", "neu");
                                                               db.setDatabaseName(p);
                                                               db.open();
                                                               QSqlQuery(db).exec("PRAGMA user_version=99");
                                                               db.close();
                                                               db = {};
                                                               QSqlDatabase::removeDatabase("neu");
                                                           },
                                                           Lernstand::Stand::NurLesen, "neueren Programmversion"}),
                         [](const ::testing::TestParamInfo<UnbrauchbarFall> &i) { return std::string(i.param.name); });

TEST(Lernstand, LockedDatabaseIsReportedOnceAndTheQuizGoesOn)
{
    TestOrdner o;
    GueltigAnlegen(o.Pfad());
    QSqlDatabase sperre = QSqlDatabase::addDatabase("QSQLITE", "sperre");
    sperre.setDatabaseName(o.Pfad());
    ASSERT_TRUE(sperre.open());
    QSqlQuery(sperre).exec("BEGIN EXCLUSIVE");

    OffenerStand s(o.Pfad());
    AufgezeichneterQuiz q(s.stand);
    ASSERT_TRUE(q.Spielen({"Polen", "Malta"}, {}));
    ASSERT_TRUE(q.Spielen({"Polen", "Malta"}, {}));
    ASSERT_EQ(s.meldungen.size(), 1);
    EXPECT_TRUE(s.meldungen[0].contains("gesperrt")) << s.meldungen[0].toStdString();
    QSqlQuery(sperre).exec("ROLLBACK");
    sperre.close();
    sperre = {};
    QSqlDatabase::removeDatabase("sperre");
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf"), 0);
}

TEST(Lernstand, ReadOnlyFileIsReadButNeverWritten)
{
    TestOrdner o;
    {
        OffenerStand s(o.Pfad());
        AufgezeichneterQuiz q(s.stand);
        ASSERT_TRUE(q.Spielen({"Polen", "Malta"}, {"Malta"}));
    }
    // Even the superuser cannot write an immutable file; others are kept
    // out by the permissions alone.
    QFile::setPermissions(o.Pfad(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const bool unveraenderlich = QProcess::execute("chattr", {"+i", o.Pfad()}) == 0;
    if (!unveraenderlich && QFileInfo(o.Pfad()).isWritable())
        GTEST_SKIP() << "cannot make a file read-only for this user here";

    OffenerStand s(o.Pfad());
    AufgezeichneterQuiz q(s.stand);
    const bool gespielt = q.Spielen({"Polen", "Malta", "Irland"}, {"Irland"});
    const Lernstand::Stand stand = s.stand.Zustand();
    Lernverlauf v(s.stand);
    const QStringList schueler = v.Schueler();
    if (unveraenderlich)
        QProcess::execute("chattr", {"-i", o.Pfad()});
    EXPECT_TRUE(gespielt);
    EXPECT_EQ(stand, Lernstand::Stand::NurLesen);
    ASSERT_EQ(s.meldungen.size(), 1);
    EXPECT_TRUE(s.meldungen[0].contains("schreibgeschützt"));
    EXPECT_EQ(schueler, QStringList{"anna"});
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf"), 1);
}

// ---- Recording ----

TEST(Lernstand, QuizRunIsRecordedWithFirstAttemptsAndMovesCards)
{
    TestOrdner o;
    OffenerStand s(o.Pfad());
    AufgezeichneterQuiz q(s.stand);
    ASSERT_TRUE(q.Spielen({"Polen", "Malta", "Irland"}, {"Malta"}));

    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf WHERE fertig=1 AND endestatus=1"), 1);
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM antwort"), 4);
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM antwort WHERE frage='Malta' AND erster_versuch=0 AND richtig=1"), 1);
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT min(zeit_ms) FROM antwort"), 1500);
    Lernverlauf v(s.stand);
    const auto verlauf = v.Verlauf("anna");
    ASSERT_EQ(verlauf.value("Flaggen").size(), 1);
    EXPECT_DOUBLE_EQ(verlauf.value("Flaggen")[0].Leistung, q.t.ueb.Lauf.Gesamtleistung);
    const QList<Fehlerfrage> fehler = v.MeistVerfehlt("anna", 10, "flaggen");
    ASSERT_EQ(fehler.size(), 1);
    EXPECT_EQ(fehler[0].Frage, "Malta");
    EXPECT_EQ(fehler[0].Bild, "malta.png");
    // Only the miss starts a card; a right first answer does not.
    const auto karten = s.stand.Karten("anna", "flaggen");
    EXPECT_EQ(karten.keys(), QStringList{"Malta"});
    EXPECT_EQ(karten.value("Malta").Faellig, q.t.umg.uhr.Jetzt().date());
}

TEST(Lernstand, LeftRunIsKeptAsAbortedAndNotCharted)
{
    TestOrdner o;
    OffenerStand s(o.Pfad());
    AufgezeichneterQuiz q(s.stand);
    q.t.dok.Dok = EinzelfragenDok({"A? // Polen", "B? // Malta", "C? // Irland"}, "Flaggen");
    ASSERT_TRUE(q.t.ueb.UebungStarten({}));
    q.t.Antworten(q.t.AktuelleAntwort());
    q.t.ueb.UebungVerlassen();
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf WHERE fertig=1 AND endestatus=2"), 1);
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM antwort"), 1);
    EXPECT_TRUE(Lernverlauf(s.stand).Verlauf("anna").isEmpty());
}

TEST(Lernstand, RunOverChosenQuestionsAsksOnlyThemAndCountsLikeARandomSelection)
{
    UebTest t;
    t.dok.Dok = EinzelfragenDok({"A? // Polen", "B? // Malta", "C? // Irland", "D? // Spanien"}, "Flaggen");
    const QList<LernFrage> fragen = LernFragen(t.dok.Dok);
    ASSERT_EQ(fragen.size(), 4);
    StartAuftrag a;
    a.fragenVorgabe = {fragen[1].Objekt, fragen[3].Objekt};
    ASSERT_TRUE(t.ueb.UebungStarten(a));
    EXPECT_EQ(t.ueb.Lauf.AnzFragen, 2);
    QStringList gefragt;
    while (t.ui.ergebnisse == 0 && gefragt.size() < 5) {
        gefragt << t.AktuelleAntwort();
        t.Antworten(t.AktuelleAntwort());
    }
    gefragt.sort();
    EXPECT_EQ(gefragt, (QStringList{"Malta", "Spanien"}));
    EXPECT_TRUE(t.ueb.ProtokollText().contains("2 von 4 Fragen\r\n"));
}

// ---- CSV ----

TEST(Lernstand, CsvHasOneRowPerAnswerWithGermanHeaders)
{
    TestOrdner o;
    OffenerStand s(o.Pfad());
    AufgezeichneterQuiz q(s.stand);
    q.t.ueb.Einst.NameEingabe = true;
    q.t.ui.name = "=Lea; \"B\"";
    ASSERT_TRUE(q.Spielen({"Polen", "Malta"}, {"Polen"}));
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Lernverlauf(s.stand).CsvSchreiben("=Lea; \"B\"", b));
    QByteArray daten = b.data();
    ASSERT_TRUE(daten.startsWith("\xEF\xBB\xBF"));
    const QStringList zeilen = QString::fromUtf8(daten.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1 + 3);
    EXPECT_EQ(zeilen[0], "Datum;Uhrzeit;Schüler;Dokument;Art;Lauf;Frage;Ergebnis;Erster Versuch;Antwortzeit (ms)");
    EXPECT_TRUE(zeilen[1].startsWith("07.12.2026;10:00:0")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[1].contains(";\"'=Lea; \"\"B\"\"\";Flaggen;Quiz;")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[1].endsWith(";Polen;falsch;ja;1500")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[3].endsWith(";Polen;richtig;nein;1500")) << zeilen[3].toStdString();
}

} // namespace
