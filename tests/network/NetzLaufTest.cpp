// Whole class-exercise runs between an initiator and participants over the
// loopback address: every message line, the live view and the class list.
#include "NetzDateien.h"
#include "NetzEndpunkt.h"
#include "NetzTestHilfen.h"

#include "BestListDatei.h"
#include "MailSlotNachricht.h"
#include "Note.h"
#include "Ordner.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
class NetzLaufTest : public ::testing::Test
{
protected:
    QTemporaryDir kom, listenOrdner;
    std::unique_ptr<NetzEndpunkt> lehrer;
    struct Empfangen
    {
        QString computer, user;
        QStringList zeilen;
    };
    QList<Empfangen> empfangen; // every message the initiator got, raw

    void SetUp() override
    {
        Ordner().NetzKomOrdner = kom.path() + "/";
        Ordner().NetzKomKanal = "7b";
        Ordner().BestListOrdner = listenOrdner.path() + "/";
        lehrer = std::make_unique<NetzEndpunkt>("127.0.0.1", FreiePortBasis("7b", 7));
        lehrer->QuizGeben();
        lehrer->fenster.optionen.Zuordnungsziele = 0; // questions in order
        QObject::connect(&lehrer->netz.MasterMailslot, &TMailSlot2::OnNewMessage,
                         [this](TMailSlot2 *, const QString &c, const QString &u, const QString &t) {
                             empfangen.append({c, u, NachrichtZeilen(t)});
                         });
        lehrer->netz.Netzwerkuebunginitiieren1Click();
        ASSERT_TRUE(lehrer->netz.MasterMailslot.Active());
    }

    bool WarteAuf(int anzahl)
    {
        return WartenBis([&] { return empfangen.size() >= anzahl; }, 5000);
    }

    QString Falsche(const NetzEndpunkt &s) const
    {
        for (const QString &c : s.Sichtbare())
            if (c != s.AktuelleAntwort())
                return c;
        return {};
    }

    TBestList Klassenliste() const
    {
        TBestList l;
        BestListLesen(kom.path() + "/7b-tvlnetzuebung.hsc", l);
        return l;
    }
};
} // namespace

TEST_F(NetzLaufTest, GanzerLaufRichtigUndFalschBisZumEnde)
{
    auto s = lehrer->Schueler("pc-02", "Mia");
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    const QString k = s->netz.TeilnehmerKennung;
    ASSERT_TRUE(WarteAuf(1));
    EXPECT_EQ(empfangen[0].computer, "pc-02");
    EXPECT_EQ(empfangen[0].user, "mia");
    EXPECT_EQ(empfangen[0].zeilen, QStringList({"TN-INIT", k, "Mia", LangeZeitText(QTime(10, 0, 0))}));

    // A wrong answer, then all right. What each report must carry is read
    // off the engine right after the answer: the target asked, its cover
    // state and wrong count, and the clock as the panel shows it.
    struct Stand
    {
        int ziel, abdeckung, fehler;
        QString uhr;
    };
    QList<Stand> staende;
    auto antworten = [&](const QString &caption) {
        const int ziel = s->ueb.Lauf.FragenFolge[s->ueb.Lauf.Position].ZielObjekt;
        s->umg.uhr.Vorstellen(5000);
        s->Antworten(caption);
        const DokObjekt &o = s->dok.Dok.Objekte[ziel];
        staende.append({ziel, o.Abdeckung, o.FehlerAlsZiel, s->ueb.UhrLabText()});
    };
    const int a = s->ObjektMit("Aa");
    antworten(Falsche(*s));
    EXPECT_EQ(staende[0].ziel, a);
    EXPECT_NE(staende[0].abdeckung, int(AbdeckungsArt::Geloest));
    EXPECT_EQ(staende[0].fehler, 1);
    for (int i = 0; i < 10 && s->ui.ergebnisse == 0; ++i)
        antworten(s->AktuelleAntwort());
    ASSERT_EQ(s->ui.ergebnisse, 1);
    ASSERT_EQ(staende.size(), 4); // A wrong, B, C, A
    // INIT, 4 answers, FERTIG, BESTLIST.
    ASSERT_TRUE(WarteAuf(7));
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(empfangen.size(), 7);
    const QString start = LangeZeitText(QTime(10, 0, 0));
    auto note = [](double g) { return QString::number(NoteBerechnen(g)); };
    // Counters and percentages after each answer: (right, wrong, open).
    const QStringList zaehler[4][2] = {{{"0", "1", "3"}, {"0.0", "0.0"}},
                                       {{"1", "1", "2"}, {"50.0", "25.0"}},
                                       {{"2", "1", "1"}, {"66.7", "50.0"}},
                                       {{"3", "1", "0"}, {"75.0", "75.0"}}};
    const double gesamt[4] = {0, 0.25, 0.5, 0.75};
    for (int i = 0; i < 4; ++i) {
        const Stand &st = staende[i];
        EXPECT_EQ(empfangen[1 + i].zeilen,
                  QStringList({"TN-AKTION", k, QString::number(st.ziel), QString::number(st.abdeckung),
                               QString::number(st.fehler), "0", start, "3"})
                      + zaehler[i][0] + QStringList({st.uhr}) + zaehler[i][1] + QStringList({note(gesamt[i])}))
            << i;
    }
    EXPECT_EQ(staende[3].ziel, a);
    EXPECT_EQ(staende[1].ziel, s->ObjektMit("Bb"));
    EXPECT_EQ(empfangen[5].zeilen, QStringList({"TN-FERTIG", k, "1", s->ueb.UhrLabText()}));
    const QString sep = QLocale::system().decimalPoint();
    ASSERT_EQ(empfangen[6].zeilen.size(), 7);
    EXPECT_EQ(empfangen[6].zeilen.mid(0, 4), QStringList({"TN-BESTLIST", k, "Mia", "pc-02"}));
    EXPECT_EQ(empfangen[6].zeilen[5], QString::number(s->ueb.Lauf.Laufzeit));
    EXPECT_GE(s->ueb.Lauf.Laufzeit, 20000);
    EXPECT_EQ(empfangen[6].zeilen[6], "0" + sep + "75");
    double beginn = 0;
    ASSERT_TRUE(AllgemeineZahlLesen(empfangen[6].zeilen[4], beginn));
    EXPECT_NEAR(beginn, s->ueb.Lauf.StartZeit, 1e-9);

    // The live view's row.
    ASSERT_EQ(lehrer->netz.Kontrolle.Zeilen().size(), 1);
    const auto &z = lehrer->netz.Kontrolle.Zeilen()[0];
    EXPECT_EQ(z.Kennung, k);
    EXPECT_EQ(z.Rechner, "pc-02");
    EXPECT_EQ(z.Name, "Mia");
    EXPECT_EQ(z.AnzRichtig, 3);
    EXPECT_EQ(z.AnzFalsch, 1);
    EXPECT_EQ(z.AnzOffen, 0);
    EXPECT_EQ(z.Zeit, s->ueb.UhrLabText());
    EXPECT_EQ(z.Status, KontrollModell::Zustand::Fertig);
    const QModelIndex i = lehrer->netz.Kontrolle.index(0, KontrollModell::SpGesamtleistung);
    EXPECT_EQ(i.data().toString(), "75.0 %");
    EXPECT_EQ(lehrer->netz.Kontrolle.index(0, KontrollModell::SpBeantwortet).data().toString(), "3 von 3");
    EXPECT_EQ(lehrer->netz.Kontrolle.index(0, KontrollModell::SpStatus).data().toString(), "fertig");

    // The class list has the record; the participant's own list has nothing.
    const TBestList l = Klassenliste();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].Name, "Mia");
    EXPECT_EQ(l[0].Rechner, "pc-02");
    EXPECT_EQ(l[0].Dauer, s->ueb.Lauf.Laufzeit);
    EXPECT_DOUBLE_EQ(l[0].Leistung, 0.75);
    EXPECT_FALSE(s->ueb.Lauf.InBestenliste);
    EXPECT_TRUE(QDir(listenOrdner.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(lehrer->netz.Verworfen(), 0);
}

TEST_F(NetzLaufTest, AbbruchMeldetStatusZweiOhneBestenliste)
{
    auto s = lehrer->Schueler("pc-03", "Tom");
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    s->umg.uhr.Vorstellen(3000);
    s->Antworten(s->AktuelleAntwort());
    s->umg.meldungen.antworten = {Antwort::Ja};
    s->ueb.UebungVerlassen();
    EXPECT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Einzeln);
    EXPECT_EQ(s->fenster.geschlossen, 1); // the exercise's document closed
    ASSERT_TRUE(WarteAuf(3));
    QThread::msleep(100);
    QCoreApplication::processEvents();
    ASSERT_EQ(empfangen.size(), 3);
    EXPECT_EQ(empfangen[2].zeilen, QStringList({"TN-FERTIG", s->netz.TeilnehmerKennung, "2", s->ueb.UhrLabText()}));
    EXPECT_EQ(empfangen[2].zeilen[3], empfangen[1].zeilen[11]); // the clock stood still since the answer
    EXPECT_EQ(lehrer->netz.Kontrolle.Zeilen()[0].Status, KontrollModell::Zustand::Abgebrochen);
    EXPECT_TRUE(Klassenliste().isEmpty());
}

TEST_F(NetzLaufTest, ProgrammEndeImLaufMeldetAbbruch)
{
    auto s = lehrer->Schueler("pc-07", "Eva");
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    s->umg.uhr.Vorstellen(2000);
    s->ueb.UhrAktualisieren();
    s->netz.TeilnahmeAbbrechen(); // the window closes during the run
    EXPECT_EQ(s->ueb.Lauf.Endestatus, EndeArt::Abgebrochen);
    s->netz.ProgrammEnde();
    EXPECT_FALSE(s->netz.TNMailSlot.Active());
    ASSERT_TRUE(WarteAuf(2));
    QThread::msleep(100);
    QCoreApplication::processEvents();
    ASSERT_EQ(empfangen.size(), 2);
    EXPECT_EQ(empfangen[1].zeilen, QStringList({"TN-FERTIG", s->netz.TeilnehmerKennung, "2", "00:02"}));
    EXPECT_EQ(lehrer->netz.Kontrolle.Zeilen()[0].Status, KontrollModell::Zustand::Abgebrochen);
    // Without a run nothing is reported.
    s->netz.TeilnahmeAbbrechen();
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(empfangen.size(), 2);
}

TEST_F(NetzLaufTest, ZeitlimitMeldetZweimalUndTraegtEinmalEin)
{
    lehrer->fenster.optionen.ZeitLimitIndex = 1;
    lehrer->fenster.optionen.ZeitLimitWert = 20;
    lehrer->netz.Netzwerkuebunginitiieren1Click(); // again, with a time limit
    ASSERT_TRUE(lehrer->netz.MasterMailslot.Active());
    auto s = lehrer->Schueler("pc-04", "");
    s->netz.Netzwerkuebung1Click();
    ASSERT_EQ(s->ueb.Opt.ZeitLimitWert, 20);
    s->umg.uhr.Vorstellen(5000);
    s->Antworten(s->AktuelleAntwort());
    s->umg.uhr.Vorstellen(16000);
    s->ueb.ZeitTimerTimer();
    EXPECT_EQ(s->ueb.Lauf.Endestatus, EndeArt::Zeitlimit);
    // INIT, AKTION, then FERTIG + BESTLIST before the message box and again at the end.
    ASSERT_TRUE(WarteAuf(6));
    QStringList arten;
    for (const auto &e : empfangen)
        arten << e.zeilen[0];
    EXPECT_EQ(arten, QStringList({"TN-INIT", "TN-AKTION", "TN-FERTIG", "TN-BESTLIST", "TN-FERTIG", "TN-BESTLIST"}));
    EXPECT_EQ(empfangen[2].zeilen.mid(2), QStringList({"3", "00:00"}));
    EXPECT_EQ(empfangen[4].zeilen, empfangen[2].zeilen);
    EXPECT_EQ(empfangen[5].zeilen, empfangen[3].zeilen);
    EXPECT_EQ(s->umg.meldungen.Texte(), QStringList({"Das Zeitlimit ist erreicht, die Übung wird beendet."}));
    EXPECT_EQ(lehrer->netz.Kontrolle.Zeilen()[0].Status, KontrollModell::Zustand::Zeitlimit);
    // One run, one record, with "(kein Name)" for the empty name.
    const TBestList l = Klassenliste();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].Name, "(kein Name)");
    EXPECT_EQ(lehrer->netz.Eingetragen(), 1);
}

TEST_F(NetzLaufTest, ZweiSchuelerUndWiederholungAlsNeuerLauf)
{
    auto a = lehrer->Schueler("pc-05", "Ali");
    auto b = lehrer->Schueler("pc-06", "Bea");
    a->netz.Netzwerkuebung1Click();
    b->netz.Netzwerkuebung1Click();
    for (NetzEndpunkt *s : {a.get(), b.get()})
        for (int i = 0; i < 10 && s->ui.ergebnisse == 0; ++i) {
            s->umg.uhr.Vorstellen(2000);
            s->Antworten(s->AktuelleAntwort());
        }
    // A repeat: a new identifier and a second run of the same computer.
    const QString erste = a->netz.TeilnehmerKennung;
    ASSERT_TRUE(a->netz.NetzUebungBeitreten());
    EXPECT_NE(a->netz.TeilnehmerKennung, erste);
    EXPECT_EQ(a->netz.NetzTeilnehmername(), "Ali"); // the name given stays
    ASSERT_TRUE(WartenBis([&] { return lehrer->netz.Kontrolle.Zeilen().size() == 3; }))
        << lehrer->netz.Kontrolle.Zeilen().size() << " " << int(b->ueb.Lauf.NetzRolle) << " " << a->ui.ergebnisse << " "
        << b->ui.ergebnisse << " " << empfangen.size();
    const auto *neu = lehrer->netz.Kontrolle.ZeileVon(a->netz.TeilnehmerKennung);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->Rechner, "pc-05");
    EXPECT_EQ(neu->Lauf, 2);
    EXPECT_EQ(neu->Status, KontrollModell::Zustand::Laeuft);
    EXPECT_EQ(lehrer->netz.Kontrolle.ZeileVon(erste)->Status, KontrollModell::Zustand::Fertig);
    ASSERT_TRUE(WartenBis([&] { return Klassenliste().size() == 2; }));
    QStringList namen;
    for (const auto &e : Klassenliste())
        namen << e.Name;
    namen.sort();
    EXPECT_EQ(namen, QStringList({"Ali", "Bea"}));
}

TEST_F(NetzLaufTest, FeindlicheDatagrammeAendernNichts)
{
    const int port = lehrer->netz.MasterMailslot.Port();
    const QString k = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD";
    const QByteArray muell[] = {
        "Message\r\nu\r\nc\r\nTN-INIT\r\nabc\r\nx\r\n10:00:00\r\n",
        "Message\r\nu\r\nc\r\nTN-BESTLIST\r\n" + k.toLatin1() + "\r\n../../etc\r\npc\r\n1e308\r\n5\r\n0.5\r\n",
        "Message\r\nu\r\nc\r\nTN-FERTIG\r\n" + k.toLatin1() + "\r\n9\r\n00:00\r\n",
        "Message\r\nu\r\nc\r\nTN-AKTION\r\n" + k.toLatin1() + "\r\n",
        QByteArray(4000, 'M'),
    };
    for (const QByteArray &d : muell)
        ASSERT_TRUE(UdpKanal::Senden("127.0.0.1", port, d));
    // A well-formed join and end still count.
    ASSERT_TRUE(UdpKanal::Senden("127.0.0.1", port, MailSlotVerpacken("u", "c", {"TN-INIT", k, "x", "10:00:00"})));
    ASSERT_TRUE(UdpKanal::Senden("127.0.0.1", port, MailSlotVerpacken("u", "c", {"TN-FERTIG", k, "2", "00:01"})));
    ASSERT_TRUE(WartenBis([&] {
        const KontrollModell::Zeile *z = lehrer->netz.Kontrolle.ZeileVon(k);
        return z && z->Status == KontrollModell::Zustand::Abgebrochen;
    }));
    EXPECT_EQ(lehrer->netz.Verworfen(), 4);
    EXPECT_EQ(lehrer->netz.MasterMailslot.Verworfen(), 1);
    EXPECT_TRUE(Klassenliste().isEmpty());
    EXPECT_TRUE(lehrer->umg.meldungen.protokoll.empty());
}
