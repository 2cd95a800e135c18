// The mailslot component on the loopback address: activation, the mailbox
// rule, sending without activation, one event per message, bursts, garbage.
#include "MailSlotNachricht.h"
#include "NetzTestHilfen.h"
#include "TMailSlot2.h"
#include "TestDienste.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {
struct Empfaenger
{
    struct Nachricht
    {
        QString computer, user, text;
    };
    QList<Nachricht> liste;
    void Verbinden(TMailSlot2 &s)
    {
        QObject::connect(&s, &TMailSlot2::OnNewMessage,
                         [this](TMailSlot2 *, const QString &c, const QString &u, const QString &t) {
                             liste.append({c, u, t});
                         });
    }
};

void Roh(int port, const QByteArray &d)
{
    ASSERT_TRUE(UdpKanal::Senden("127.0.0.1", port, d));
}
} // namespace

TEST(TMailSlot2, Voreinstellungen)
{
    TMailSlot2 s(nullptr);
    EXPECT_EQ(s.MailBox(), "MailBox");
    EXPECT_FALSE(s.Active());
    EXPECT_EQ(s.CheckInterval(), 1000);
    EXPECT_EQ(s.ThreadPriority(), QThread::NormalPriority);
    EXPECT_FALSE(s.ComputerName.isEmpty());
    EXPECT_LE(s.ComputerName.size(), 255);
}

TEST(TMailSlot2, MailBoxMitHoechstensAchtZeichen)
{
    TestMeldungen m;
    TMailSlot2 s(&m);
    s.SetMailBox("TVL-1");
    s.SetMailBox("ABCDEFGH");
    EXPECT_EQ(s.MailBox(), "ABCDEFGH");
    EXPECT_TRUE(m.protokoll.empty());
    s.SetMailBox("ABCDEFGHI");
    EXPECT_EQ(s.MailBox(), "ABCDEFGH");
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "Warnung");
    EXPECT_EQ(m.protokoll[0].text, "MailBox name cannot be greater than 8 characters long.");
}

TEST(TMailSlot2, BelegterPortLaesstActiveStillFalsch)
{
    TestMeldungen m;
    TMailSlot2 a(&m), b(&m);
    for (TMailSlot2 *s : {&a, &b}) {
        s->PortBasis = FreiePortBasis("BELEGT");
        s->SetMailBox("BELEGT");
    }
    b.PortBasis = a.PortBasis;
    a.SetActive(true);
    ASSERT_TRUE(a.Active());
    b.SetActive(true);
    EXPECT_FALSE(b.Active());
    EXPECT_TRUE(m.protokoll.empty());
    // Once the first lets go, the name can be taken.
    a.SetActive(false);
    b.SetActive(true);
    EXPECT_TRUE(b.Active());
}

TEST(TMailSlot2, SendenOhneAktivierungEinEreignisJeNachricht)
{
    TMailSlot2 sender(nullptr), empfang(nullptr);
    empfang.PortBasis = sender.PortBasis = FreiePortBasis("Kanal", 1);
    sender.SetMailBox("Kanal");
    empfang.SetMailBox("KANAL"); // same port whatever the case
    empfang.SetCheckInterval(150);
    Empfaenger e;
    e.Verbinden(empfang);
    empfang.SetActive(true);
    ASSERT_TRUE(empfang.Active());
    sender.ComputerName = "pc-schueler";
    sender.UserName = "jörg";
    EXPECT_FALSE(sender.Active());
    sender.Send("127.0.0.1", {"A", "B"});
    sender.Send("localhost", {"C"});
    ASSERT_TRUE(WartenBis([&] { return e.liste.size() == 2; }));
    EXPECT_EQ(e.liste[0].computer, "pc-schueler");
    EXPECT_EQ(e.liste[0].user, QStringLiteral("jörg"));
    EXPECT_EQ(e.liste[0].text, "A\r\nB\r\n");
    EXPECT_EQ(e.liste[1].text, "C\r\n");
}

TEST(TMailSlot2, BuendelInEinemDurchgang)
{
    TMailSlot2 empfang(nullptr);
    empfang.PortBasis = FreiePortBasis("BUENDEL", 2);
    empfang.SetMailBox("BUENDEL");
    // A long interval: the receiver thread checks at once, then not for 3 s.
    empfang.SetCheckInterval(2500);
    Empfaenger e;
    e.Verbinden(empfang);
    empfang.SetActive(true);
    ASSERT_TRUE(empfang.Active());
    QThread::msleep(50); // the first check has passed
    QCoreApplication::processEvents();
    for (int i = 0; i < 7; ++i)
        Roh(empfang.Port(), MailSlotVerpacken("u", "c", {QString::number(i)}));
    QThread::msleep(20);
    empfang.Empfangen(); // one pass
    ASSERT_EQ(e.liste.size(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(e.liste[i].text, QString::number(i) + "\r\n");
}

TEST(TMailSlot2, AbfrageTaktAufDerWanduhr)
{
    // With 150 ms a message is seen within about one period.
    TMailSlot2 empfang(nullptr);
    empfang.PortBasis = FreiePortBasis("TAKT", 3);
    empfang.SetMailBox("TAKT");
    empfang.SetCheckInterval(150);
    Empfaenger e;
    e.Verbinden(empfang);
    empfang.SetActive(true);
    ASSERT_TRUE(empfang.Active());
    QThread::msleep(30);
    Roh(empfang.Port(), MailSlotVerpacken("u", "c", {"x"}));
    EXPECT_TRUE(WartenBis([&] { return e.liste.size() == 1; }, 1500));
}

TEST(TMailSlot2, MuellWirdVerworfenOhneZuStocken)
{
    TMailSlot2 empfang(nullptr);
    empfang.PortBasis = FreiePortBasis("MUELL", 4);
    empfang.SetMailBox("MUELL");
    empfang.SetCheckInterval(150);
    Empfaenger e;
    e.Verbinden(empfang);
    empfang.SetActive(true);
    ASSERT_TRUE(empfang.Active());
    const int port = empfang.Port();
    Roh(port, "Massage\r\nu\r\nc\r\nx\r\n");
    Roh(port, QByteArray(3000, '\0'));
    Roh(port, QByteArray(20000, 'x')); // larger than a message may be
    Roh(port, "Message\r\nu\r\nc\r\nx\n");
    Roh(port, MailSlotVerpacken("u", "c", {"gut"}));
    ASSERT_TRUE(WartenBis([&] { return e.liste.size() == 1; }));
    EXPECT_EQ(e.liste[0].text, "gut\r\n");
    EXPECT_EQ(empfang.Verworfen(), 4);
}

TEST(TMailSlot2, OhneHandlerVerworfenUndDeaktivierenEndetSchnell)
{
    TMailSlot2 empfang(nullptr);
    empfang.PortBasis = FreiePortBasis("OHNE", 5);
    empfang.SetMailBox("OHNE");
    empfang.SetCheckInterval(5000);
    empfang.SetThreadPriority(QThread::LowPriority);
    empfang.SetActive(true);
    ASSERT_TRUE(empfang.Active());
    Roh(empfang.Port(), MailSlotVerpacken("u", "c", {"x"}));
    QThread::msleep(20);
    empfang.Empfangen();
    EXPECT_EQ(empfang.Verworfen(), 1);
    // The thread sleeps in a 5 s period; ending does not wait for it.
    QElapsedTimer t;
    t.start();
    empfang.SetActive(false);
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_FALSE(empfang.Active());
}

TEST(TMailSlot2, MailBoxWechselImAktivenZustandOeffnetNeu)
{
    TMailSlot2 s(nullptr);
    s.PortBasis = FreiePortBasis("ERSTER", 6);
    s.SetMailBox("ERSTER");
    s.SetActive(true);
    ASSERT_TRUE(s.Active());
    const int alt = s.Port();
    s.SetMailBox("ZWEITER");
    EXPECT_TRUE(s.Active());
    EXPECT_NE(s.Port(), alt);
    // The old port is free again, the new one is held.
    UdpKanal probe;
    EXPECT_TRUE(probe.Binden(alt));
    probe.Schliessen();
    EXPECT_FALSE(probe.Binden(s.Port()));
}

TEST(TMailSlot2, ZielnamenOhneSinnErreichenDenResolverNicht)
{
    EXPECT_FALSE(UdpKanal::Senden("", 40000, "x"));
    EXPECT_FALSE(UdpKanal::Senden("-rf", 40000, "x"));
    EXPECT_FALSE(UdpKanal::Senden(QString(300, 'a'), 40000, "x"));
    EXPECT_FALSE(UdpKanal::Senden("127.0.0.1", 0, "x"));
    EXPECT_FALSE(UdpKanal::Senden("127.0.0.1", 70000, "x"));
    EXPECT_TRUE(UdpKanal::Senden("127.0.0.1", 40000, "x")); // nobody listens: still no error
}
