// A class exercise over the loopback address under attack: made-up joins,
// replays, a flood of valid reports, and a name server that never answers.
// Made-up datagrams come from a second loopback address, so that the
// teacher tells them from the real pupil's by address.
#include "NetzDateien.h"
#include "NetzEndpunkt.h"
#include "NetzTestHilfen.h"

#include "BestListDatei.h"
#include "DelphiZeit.h"
#include "MailSlotNachricht.h"
#include "Ordner.h"

#include <QImage>

#include <arpa/inet.h>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Sends datagrams from the given loopback address.
class Angreifer
{
public:
    Angreifer(const char *von, int port) : ziel{}
    {
        fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        ::inet_pton(AF_INET, von, &a.sin_addr);
        gebunden = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
        ziel.sin_family = AF_INET;
        ziel.sin_port = htons(quint16(port));
        ::inet_pton(AF_INET, "127.0.0.1", &ziel.sin_addr);
    }
    ~Angreifer() { ::close(fd); }
    bool gebunden = false;
    void Senden(const QStringList &zeilen, const QString &rechner = "pc-x")
    {
        Roh(MailSlotVerpacken("x", rechner, zeilen));
    }
    void Roh(const QByteArray &d)
    {
        ::sendto(fd, d.constData(), size_t(d.size()), 0, reinterpret_cast<sockaddr *>(&ziel), sizeof ziel);
    }

private:
    int fd = -1;
    sockaddr_in ziel;
};

QString Kennung(int i)
{
    QString k;
    for (int j = 0; j < 30; ++j, i /= 26)
        k.append(QChar(u'A' + i % 26));
    return k;
}

// A name server that does not answer until the test lets it (or, should
// a caller wait for it on the window's thread, until its patience ends).
class HaengenderResolver : public INamensAufloesung
{
public:
    bool Aufloesen(const QString &, sockaddr_storage &ziel, socklen_t &laenge) override
    {
        std::unique_lock l(sperre);
        ++aufrufe;
        wecker.notify_all();
        if (!wecker.wait_for(l, std::chrono::seconds(10), [this] { return frei; })) {
            ungeduldig = true;
            return false;
        }
        auto &a = reinterpret_cast<sockaddr_in &>(ziel);
        a = sockaddr_in{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        laenge = sizeof(sockaddr_in);
        return antwort;
    }
    void Freigeben(bool mitAntwort)
    {
        std::lock_guard l(sperre);
        frei = true;
        antwort = mitAntwort;
        wecker.notify_all();
    }
    int Aufrufe()
    {
        std::lock_guard l(sperre);
        return aufrufe;
    }
    bool Ungeduldig()
    {
        std::lock_guard l(sperre);
        return ungeduldig;
    }

private:
    std::mutex sperre;
    std::condition_variable wecker;
    bool frei = false, antwort = false, ungeduldig = false;
    int aufrufe = 0;
};

class NetzAngriffTest : public ::testing::Test
{
protected:
    QTemporaryDir kom, listenOrdner;
    std::unique_ptr<NetzEndpunkt> lehrer;
    int nachrichten = 0; // every message the teacher's channel handed on

    void SetUp() override
    {
        Ordner().NetzKomOrdner = kom.path() + "/";
        Ordner().NetzKomKanal = "7b";
        Ordner().BestListOrdner = listenOrdner.path() + "/";
        Initiieren("127.0.0.1");
    }

    void Initiieren(const QString &rechner)
    {
        lehrer = std::make_unique<NetzEndpunkt>(rechner, FreiePortBasis("7b", 31));
        lehrer->QuizGeben();
        QObject::connect(&lehrer->netz.MasterMailslot, &TMailSlot2::OnNewMessage, [this] { ++nachrichten; });
        lehrer->umg.meldungen.antworten = {Antwort::Ja}; // replaces an earlier teacher's exercise
        lehrer->netz.Netzwerkuebunginitiieren1Click();
        ASSERT_TRUE(lehrer->netz.MasterMailslot.Active());
    }

    static void ZuEndeSpielen(NetzEndpunkt &s)
    {
        for (int i = 0; i < 10 && s.ui.ergebnisse == 0; ++i) {
            s.umg.uhr.Vorstellen(2000);
            s.Antworten(s.AktuelleAntwort());
        }
    }

    TBestList Klassenliste() const
    {
        TBestList l;
        BestListLesen(kom.path() + "/7b-tvlnetzuebung.hsc", l);
        return l;
    }

    QString Beginn() const { return AllgemeineZahlText(ZeitNachDelphi(lehrer->umg.uhr.Jetzt())); }
};
} // namespace

TEST_F(NetzAngriffTest, TausendErfundeneAnmeldungenSperrenNiemandenAus)
{
    Angreifer a("127.0.0.2", lehrer->netz.MasterMailslot.Port());
    ASSERT_TRUE(a.gebunden);
    for (int i = 0; i < 1000; ++i) {
        a.Senden({"TN-INIT", Kennung(i), "Fake", "10:00:00"});
        a.Senden({"TN-BESTLIST", Kennung(i), "Fake", "pc-x", Beginn(), "1000", "1"});
    }
    ASSERT_TRUE(WartenBis([&] { return nachrichten >= 2000; }, 10000)) << nachrichten;
    auto s = lehrer->Schueler("pc-09", "Mia");
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    ZuEndeSpielen(*s);
    ASSERT_TRUE(WartenBis([&] { return !Klassenliste().isEmpty(); }, 5000));
    lehrer->netz.Kontrolle.Aktualisieren();
    const KontrollModell::Zeile *z = lehrer->netz.Kontrolle.ZeileVon(s->netz.TeilnehmerKennung);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->Status, KontrollModell::Zustand::Fertig);
    const TBestList l = Klassenliste();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].Name, "Mia");
    EXPECT_GT(lehrer->netz.Kontrolle.Verworfen(KontrollModell::Grund::Anmeldeflut), 900);
    EXPECT_GT(lehrer->netz.Kontrolle.Verworfen(KontrollModell::Grund::Listeneintrag), 0);
}

TEST_F(NetzAngriffTest, WiedergegebeneUndErfundeneErgebnisseNichtInDerListe)
{
    QList<QByteArray> mitgeschnitten; // the pupil's messages as sent
    QObject::connect(&lehrer->netz.MasterMailslot, &TMailSlot2::OnNewMessage,
                     [&](TMailSlot2 *, const QString &c, const QString &u, const QString &t) {
                         mitgeschnitten.append(MailSlotVerpacken(u, c, NachrichtZeilen(t)));
                     });
    auto s = lehrer->Schueler("pc-02", "Mia");
    s->netz.Netzwerkuebung1Click();
    ZuEndeSpielen(*s);
    ASSERT_TRUE(WartenBis([&] { return Klassenliste().size() == 1; }, 5000));
    lehrer->netz.Kontrolle.Aktualisieren();
    const KontrollModell::Zeile *z = lehrer->netz.Kontrolle.ZeileVon(s->netz.TeilnehmerKennung);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->Adresse, "127.0.0.1");
    EXPECT_TRUE(lehrer->netz.Kontrolle.index(0, KontrollModell::SpRechner)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains("127.0.0.1"));

    // The next lesson: a new initiation, the list cleared after the question.
    lehrer->umg.uhr.Vorstellen(qint64(30) * 60 * 1000);
    lehrer->umg.meldungen.antworten = {Antwort::Ja};
    lehrer->netz.Netzwerkuebunginitiieren1Click();
    ASSERT_TRUE(Klassenliste().isEmpty());
    const int vorher = nachrichten;
    Angreifer a("127.0.0.2", lehrer->netz.MasterMailslot.Port());
    ASSERT_TRUE(a.gebunden);
    // The reports without the join, then all of them with it, then a record
    // made up for an identifier nobody joined with.
    for (int i = 1; i < mitgeschnitten.size(); ++i)
        a.Roh(mitgeschnitten[i]);
    for (const QByteArray &d : mitgeschnitten)
        a.Roh(d);
    a.Senden({"TN-BESTLIST", Kennung(77), "Fake", "pc-x", Beginn(), "60000", "1"});
    const int gesendet = 2 * int(mitgeschnitten.size());
    ASSERT_TRUE(WartenBis([&] { return nachrichten >= vorher + gesendet; }, 5000));
    EXPECT_TRUE(Klassenliste().isEmpty());
    EXPECT_GT(lehrer->netz.Kontrolle.Verworfen(KontrollModell::Grund::Unbekannt), 0);
    EXPECT_GT(lehrer->netz.Kontrolle.Verworfen(KontrollModell::Grund::Listeneintrag), 0);
}

// Thousands of valid reports at once: none is lost, the real pupil's
// included, and every row ends with its last report.
TEST_F(NetzAngriffTest, BerichtsflutGehtNichtVerloren)
{
    const int port = lehrer->netz.MasterMailslot.Port();
    Angreifer a("127.0.0.2", port), b("127.0.0.3", port);
    ASSERT_TRUE(a.gebunden && b.gebunden);
    const int zeilen = 50, berichte = 5000;
    for (int r = 0; r < zeilen; ++r)
        (r % 2 ? a : b).Senden({"TN-INIT", Kennung(r), "Fake", "10:00:00"});
    ASSERT_TRUE(WartenBis([&] { return nachrichten >= zeilen; }, 5000));
    auto s = lehrer->Schueler("pc-02", "Mia");
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    for (int i = 0; i < berichte; ++i) {
        const int n = i / zeilen + 1;
        a.Senden({"TN-AKTION", Kennung(i % zeilen), "1", "-2", "0", "0", "10:00:00", "1000", QString::number(n), "0",
                  QString::number(1000 - n), "00:10", "100.0", "10.0", "5"});
        if (i == berichte / 2)
            ZuEndeSpielen(*s);
    }
    // INIT, three answers, FERTIG and BESTLIST of the pupil.
    const int alle = zeilen + berichte + 6;
    EXPECT_TRUE(WartenBis([&] { return nachrichten >= alle; }, 10000)) << nachrichten << " von " << alle;
    EXPECT_EQ(lehrer->netz.MasterMailslot.Verworfen(), 0);
    for (int r = 0; r < zeilen; ++r) {
        const KontrollModell::Zeile *z = lehrer->netz.Kontrolle.ZeileVon(Kennung(r));
        ASSERT_NE(z, nullptr) << r;
        EXPECT_EQ(z->AnzRichtig, berichte / zeilen) << r;
    }
    const KontrollModell::Zeile *z = lehrer->netz.Kontrolle.ZeileVon(s->netz.TeilnehmerKennung);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->AnzRichtig, 3);
    EXPECT_EQ(z->Status, KontrollModell::Zustand::Fertig);
    EXPECT_EQ(Klassenliste().size(), 1);
}

// The teacher's computer name does not resolve (a name server that never
// answers): joining, answering and leaving go on at once, and the reports
// follow when the name resolves.
TEST_F(NetzAngriffTest, LangsamerNamensdienstHaeltDenSchuelerNichtAuf)
{
    // The data file names the teacher by a name only the stand-in knows.
    Initiieren("lehrer-pc.schule.invalid");
    auto resolver = std::make_shared<HaengenderResolver>();
    auto s = lehrer->Schueler("pc-02", "Mia");
    s->netz.AufloesungSetzen(resolver);
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    ASSERT_TRUE(WartenBis([&] { return resolver->Aufrufe() == 1; }));
    ZuEndeSpielen(*s);
    ASSERT_EQ(s->ui.ergebnisse, 1);
    s->netz.ProgrammEnde();
    // All of it returned while the look-up still hung, and nothing asked
    // the name server a second time.
    EXPECT_FALSE(resolver->Ungeduldig());
    EXPECT_EQ(resolver->Aufrufe(), 1);
    EXPECT_EQ(nachrichten, 0);
    resolver->Freigeben(true);
    ASSERT_TRUE(WartenBis([&] { return nachrichten == 6; }, 5000)) << nachrichten;
    EXPECT_EQ(Klassenliste().size(), 1);
    EXPECT_TRUE(s->fenster.hinweise.isEmpty());
}

TEST_F(NetzAngriffTest, UnbekannterLehrerrechnerWirdEinmalGemeldet)
{
    Initiieren("lehrer-pc.schule.invalid");
    auto resolver = std::make_shared<HaengenderResolver>();
    resolver->Freigeben(false); // answers at once: no such name
    auto s = lehrer->Schueler("pc-02", "Mia");
    s->netz.AufloesungSetzen(resolver);
    s->netz.Netzwerkuebung1Click();
    ZuEndeSpielen(*s);
    ASSERT_TRUE(WartenBis([&] { return !s->fenster.hinweise.isEmpty(); }));
    QThread::msleep(50);
    QCoreApplication::processEvents();
    ASSERT_EQ(s->fenster.hinweise.size(), 1);
    EXPECT_TRUE(s->fenster.hinweise[0].contains("\"lehrer-pc.schule.invalid\" ist nicht erreichbar"));
    EXPECT_EQ(s->netz.TNMailSlot.Ausgang().Wartend(), 6);
}
