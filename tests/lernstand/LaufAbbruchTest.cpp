// A program killed in the middle of a run leaves the store consistent: the
// run is absent, the runs before it are complete.
#include "LernstandTestHilfe.h"
#include "Lernverlauf.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace {
struct AbbruchFall
{
    const char *name;
    int fertige;
    int antworten;
};

class Abbruch : public ::testing::TestWithParam<AbbruchFall>
{
};

TEST_P(Abbruch, KilledRunIsAbsentAndTheOthersComplete)
{
    const AbbruchFall &f = GetParam();
    TestOrdner o;
    QProcess kind;
    kind.start(LERNSTAND_KIND, {o.Pfad(), QString::number(f.fertige), QString::number(f.antworten)});
    ASSERT_TRUE(kind.waitForStarted(10000));
    ASSERT_TRUE(kind.waitForReadyRead(20000));
    ASSERT_EQ(kind.readLine().trimmed(), "bereit");
    ::kill(pid_t(kind.processId()), SIGKILL);
    ASSERT_TRUE(kind.waitForFinished(10000));
    EXPECT_EQ(kind.exitStatus(), QProcess::CrashExit);

    // Before anyone opens it again the killed run is there, unfinished.
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf WHERE fertig=0"), 1);

    OffenerStand s(o.Pfad());
    ASSERT_EQ(s.stand.Zustand(), Lernstand::Stand::Bereit);
    EXPECT_TRUE(s.meldungen.isEmpty());
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf"), f.fertige);
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM antwort"), 2 * f.fertige);
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM antwort WHERE lauf NOT IN (SELECT id FROM lauf)"), 0);
    Lernverlauf v(s.stand);
    EXPECT_EQ(v.Verlauf("Kim").value("Flaggen").size(), f.fertige);

    // And the store goes on: the next run is kept.
    AufgezeichneterQuiz q(s.stand);
    ASSERT_TRUE(q.Spielen({"Polen", "Malta"}, {}));
    EXPECT_EQ(Zahl(o.Pfad(), "SELECT count(*) FROM lauf WHERE fertig=1"), f.fertige + 1);
}

INSTANTIATE_TEST_SUITE_P(Lernstand, Abbruch,
                         ::testing::Values(AbbruchFall{"BeforeTheFirstAnswer", 0, 0},
                                           AbbruchFall{"BetweenAnswers", 0, 3}, AbbruchFall{"AfterAFinishedRun", 1, 2}),
                         [](const ::testing::TestParamInfo<AbbruchFall> &i) { return std::string(i.param.name); });
} // namespace
