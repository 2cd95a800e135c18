// The channel: port mapping, envelope and strict decoding, the polling loop.
#include "MailSlotNachricht.h"
#include "MailSlotPort.h"
#include "PollSchleife.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(MailSlotPort, FesteAbbildungAusNameUndBasis)
{
    // FNV-1a of the upper-cased name, mod 1000, on top of the base.
    EXPECT_EQ(Fnv1a32(""), 0x811c9dc5u);
    EXPECT_EQ(Fnv1a32("TVL-1"), 0x69a35777u);
    EXPECT_EQ(MailSlotPort("TVL-1", 47000), 47439);
    EXPECT_EQ(MailSlotPort("tvl-1", 47000), 47439);
    EXPECT_EQ(MailSlotPort("7b", 47000), 47916);
    EXPECT_EQ(MailSlotPort("MailBox", 47000), 47771);
    EXPECT_EQ(MailSlotPort("ärger", 47000), 47955); // Ä as 0xC4 in Windows-1252
    EXPECT_EQ(MailSlotPort("7b", 30000), 30916);
    // "ß" has no single capital: it stays one byte.
    EXPECT_EQ(MailBoxSchluessel(QStringLiteral("maß")), QByteArray("MA\xdf"));
}

TEST(MailSlotPort, UmgebungsvariableErsetztDieBasis)
{
    ::setenv("PENNORIA_MAILSLOT_PORTBASIS", "30000", 1);
    EXPECT_EQ(MailSlotPortBasis(), 30000);
    EXPECT_EQ(MailSlotPort("7b"), 30916);
    for (const char *falsch : {"", "abc", "0", "-5", "99999999999", "3e4", "64537"}) {
        ::setenv("PENNORIA_MAILSLOT_PORTBASIS", falsch, 1);
        EXPECT_EQ(MailSlotPortBasis(), 47000) << falsch;
    }
    ::setenv("PENNORIA_MAILSLOT_PORTBASIS", "64536", 1);
    EXPECT_EQ(MailSlotPortBasis(), 64536);
    ::unsetenv("PENNORIA_MAILSLOT_PORTBASIS");
    EXPECT_EQ(MailSlotPortBasis(), 47000);
}

TEST(MailSlotNachricht, UmschlagMitCrLfInWindows1252)
{
    const QByteArray d = MailSlotVerpacken("jörg", "pc-07", {"A", "B"});
    EXPECT_EQ(d, QByteArray("Message\r\nj\xf6rg\r\npc-07\r\nA\r\nB\r\n"));
    MailSlotEmpfang e;
    ASSERT_TRUE(MailSlotEntpacken(d, e));
    EXPECT_EQ(e.UserName, QStringLiteral("jörg"));
    EXPECT_EQ(e.Computer, "pc-07");
    EXPECT_EQ(e.Text, "A\r\nB\r\n");
    EXPECT_EQ(NachrichtZeilen(e.Text), QStringList({"A", "B"}));

    // Line breaks inside a line do not make new lines; the euro sign is 0x80.
    EXPECT_EQ(MailSlotVerpacken("u", "c", {"x\r\ny\nz€"}), QByteArray("Message\r\nu\r\nc\r\nx y z\x80\r\n"));
    // An empty body is a message too; empty lines survive.
    ASSERT_TRUE(MailSlotEntpacken(MailSlotVerpacken("u", "c", {}), e));
    EXPECT_EQ(e.Text, "");
    ASSERT_TRUE(MailSlotEntpacken(MailSlotVerpacken("", "", {"", "x", ""}), e));
    EXPECT_EQ(NachrichtZeilen(e.Text), QStringList({"", "x", ""}));
}

TEST(MailSlotNachricht, VerpackenBleibtInDenGrenzen)
{
    EXPECT_TRUE(MailSlotVerpacken("u", "c", QStringList(61, "x")).size() > 0);
    EXPECT_TRUE(MailSlotVerpacken("u", "c", QStringList(62, "x")).isEmpty());
    EXPECT_TRUE(MailSlotVerpacken("u", "c", {QString(5000, 'x')}).isEmpty());
    // Overlong names are cut to 255 characters, not refused.
    MailSlotEmpfang e;
    ASSERT_TRUE(MailSlotEntpacken(MailSlotVerpacken(QString(300, 'u'), QString(300, 'c'), {"x"}), e));
    EXPECT_EQ(e.UserName.size(), 255);
    EXPECT_EQ(e.Computer.size(), 255);
}

TEST(MailSlotNachricht, StrengesEntpackenVerwirftAllesUnsaubere)
{
    MailSlotEmpfang e;
    const QByteArray schlecht[] = {
        QByteArray(),
        QByteArray("Message"),
        QByteArray("message\r\nu\r\nc\r\nx\r\n"), // marker is case-sensitive
        QByteArray(" Message\r\nu\r\nc\r\n"),
        QByteArray("Message\r\nu\r\n"),                  // envelope incomplete
        QByteArray("Message\r\nu\r\nc\r\nx"),            // last line not ended
        QByteArray("Message\r\nu\r\nc\r\nx\ny\r\n"),     // bare LF
        QByteArray("Message\r\nu\r\nc\r\nx\ry\r\n"),     // bare CR
        QByteArray("Message\r\nu\r\nc\r\nx\0y\r\n", 20), // NUL
        QByteArray("Message\r\nu\r\nc\r\nx\x1by\r\n"),   // escape
        QByteArray("Message\r\nu\r\nc\r\nx\x81y\r\n"),   // unassigned byte
        QByteArray("Message\r\nu\r\nc\r\nx\x7fy\r\n"),
        QByteArray("Message\r\n") + QByteArray(256, 'u') + "\r\nc\r\n", // user name too long
        QByteArray("Message\r\nu\r\n") + QByteArray(256, 'c') + "\r\n",
        QByteArray("Message\r\nu\r\nc\r\n") + QByteArray(4096, 'x') + "\r\n",   // too large
        QByteArray("Message\r\nu\r\nc\r\n") + QByteArray("x\r\n").repeated(62), // too many lines
    };
    for (const QByteArray &d : schlecht)
        EXPECT_FALSE(MailSlotEntpacken(d, e)) << d.left(40).toStdString();
    EXPECT_TRUE(MailSlotEntpacken(QByteArray("Message\r\nu\r\nc\r\n") + QByteArray("x\r\n").repeated(61), e));
    EXPECT_TRUE(MailSlotEntpacken("Message\r\nu\r\nc\r\na\tb\r\n", e));
}

namespace {
// Runs the loop on a test clock for a while and records when it checked.
struct TaktUmgebung : IPollUmgebung
{
    int intervall;
    qint64 jetzt = 0;
    qint64 ende;
    QList<qint64> pruefungen;
    QList<int> schlaefe;
    TaktUmgebung(int iv, qint64 bis) : intervall(iv), ende(bis) {}
    bool SollEnden() override { return jetzt >= ende; }
    int Intervall() override { return intervall; }
    void Schlafen(int ms) override
    {
        schlaefe << ms;
        jetzt += ms;
    }
    void Pruefen() override { pruefungen << jetzt; }
};
} // namespace

TEST(PollSchleife, PeriodeNachCheckIntervall)
{
    TaktUmgebung a(150, 1000);
    PollSchleife(a);
    EXPECT_EQ(a.pruefungen, QList<qint64>({0, 150, 300, 450, 600, 750, 900}));

    TaktUmgebung b(1000, 5000);
    PollSchleife(b);
    EXPECT_EQ(b.pruefungen, QList<qint64>({0, 1000, 2000, 3000, 4000}));
    EXPECT_EQ(QSet<int>(b.schlaefe.begin(), b.schlaefe.end()), QSet<int>({1000}));

    // 2500 is taken up to whole seconds: every 3 s; sleeps stay 1 s so an end
    // request is noticed within a second.
    TaktUmgebung c(2500, 10000);
    PollSchleife(c);
    EXPECT_EQ(c.pruefungen, QList<qint64>({0, 3000, 6000, 9000}));
    EXPECT_EQ(QSet<int>(c.schlaefe.begin(), c.schlaefe.end()), QSet<int>({1000}));
}

TEST(PollSchleife, KeinLeerlaufUndSofortigesEnde)
{
    TaktUmgebung null(0, 5);
    PollSchleife(null);
    EXPECT_EQ(null.pruefungen.size(), 5);
    EXPECT_EQ(null.schlaefe, QList<int>({1, 1, 1, 1, 1}));

    TaktUmgebung sofort(150, 0);
    PollSchleife(sofort);
    EXPECT_TRUE(sofort.pruefungen.isEmpty());

    // Switching to a long interval checks at once, then every 2 s.
    struct Wechsel : TaktUmgebung
    {
        using TaktUmgebung::TaktUmgebung;
        int Intervall() override { return jetzt < 300 ? 150 : 2000; }
    } w(150, 5000);
    PollSchleife(w);
    EXPECT_EQ(w.pruefungen, QList<qint64>({0, 150, 300, 2300, 4300}));
}
