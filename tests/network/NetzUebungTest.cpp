// The exercise files, initiation, joining, ending and the refusals, on one
// computer without traffic that the test reads.
#include "NetzDateien.h"
#include "NetzEndpunkt.h"
#include "NetzTestHilfen.h"

#include "DelphiZeit.h"
#include "DokumentLaden.h"
#include "Ordner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

namespace {
class NetzUebungTest : public ::testing::Test
{
protected:
    QTemporaryDir kom, listen;
    void SetUp() override
    {
        Ordner().NetzKomOrdner = kom.path() + "/";
        Ordner().NetzKomKanal = "7b";
        Ordner().BestListOrdner = listen.path() + "/";
    }
    QString Basis() const { return kom.path() + "/7b-tvlnetzuebung"; }
};

QByteArray Le32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}
} // namespace

TEST(NetzKennung, DreissigGrossbuchstabenGleichverteilt)
{
    QSet<QString> gesehen;
    int zaehler[26] = {};
    for (int i = 0; i < 2000; ++i) {
        const QString k = NetzUebung::NeueKennung();
        ASSERT_TRUE(IstKennung(k)) << k.toStdString();
        gesehen.insert(k);
        for (const QChar c : k)
            ++zaehler[c.unicode() - 'A'];
    }
    EXPECT_EQ(gesehen.size(), 2000);
    // 60000 letters: every letter near 2308; 5 standard deviations apart is a fault.
    for (int n : zaehler)
        EXPECT_NEAR(n, 60000 / 26, 240);
}

TEST_F(NetzUebungTest, DateinamenAusOrdnerUndKanal)
{
    EXPECT_EQ(NetzBasisName("K:/Klasse/", "7b"), "K:/Klasse/7b-tvlnetzuebung");
    NetzEndpunkt e("pc", 40000);
    EXPECT_EQ(e.netz.Basis(), Basis());
    EXPECT_EQ(e.netz.KomOrdner(), kom.path() + "/");
    EXPECT_EQ(e.netz.KomKanal(), "7b");
    EXPECT_EQ(BestListen::NetzPfad(), Basis() + ".hsc");
}

TEST_F(NetzUebungTest, DatenDateiByteFuerByte)
{
    UebOptionen o;
    o.RiFaRueckmeldung = 1;
    o.ZuordnungRichtig = 0;
    o.ZuordnungFalsch = 1;
    o.Zuordnungstexte = 0;
    o.Zuordnungsziele = 2;
    o.AbfrageModus = 1;
    o.ZeitLimitIndex = 1;
    o.ZeitLimitWert = 3 * 60 + 30;
    const QByteArray feldListe =
        "NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
        "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|";
    ASSERT_EQ(feldListe.size(), 195);
    QByteArray erwartet;
    erwartet += QByteArray("\x11\0\0\0", 4) + "tvlnetzuebung.dat";
    erwartet += QByteArray("\xc3\0\0\0", 4) + feldListe;
    erwartet += QByteArray("\x07\0\0\0", 4) + "lehr\xe4r1"; // Windows-1252
    for (qint32 v : {1, 0, 1, 0, 2, 1, 1, 210})
        erwartet += Le32(v);
    EXPECT_EQ(NetzDatBytes(QStringLiteral("lehrär1"), o), erwartet);

    const QString pfad = Basis() + ".dat";
    ASSERT_TRUE(NetzDatSchreiben(pfad, QStringLiteral("lehrär1"), o));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), erwartet);
    f.close();
    // A second write replaces, never appends.
    ASSERT_TRUE(NetzDatSchreiben(pfad, "x", UebOptionen{}));
    QString m;
    UebOptionen r;
    ASSERT_TRUE(NetzDatLesen(pfad, m, r));
    EXPECT_EQ(m, "x");
    EXPECT_EQ(r.ZeitLimitWert, 180);
}

TEST_F(NetzUebungTest, DatenDateiStrengGelesen)
{
    UebOptionen o;
    const QByteArray gut = NetzDatBytes("pc", o);
    QString m;
    UebOptionen r;
    ASSERT_TRUE(NetzDatAusBytes(gut, m, r));
    for (int n = 0; n < gut.size(); ++n)
        EXPECT_FALSE(NetzDatAusBytes(gut.left(n), m, r)) << n;
    // A string longer than the file, a negative length, values out of range.
    QByteArray lang = gut;
    lang.replace(0, 4, Le32(0x7fffffff));
    EXPECT_FALSE(NetzDatAusBytes(lang, m, r));
    lang.replace(0, 4, Le32(-1));
    EXPECT_FALSE(NetzDatAusBytes(lang, m, r));
    const qsizetype werte = gut.size() - 32;
    const qint32 zuGross[8] = {2, 2, 2, 2, 3, 3, 2, 3600};
    for (int i = 0; i < 8; ++i) {
        QByteArray b = gut;
        b.replace(werte + 4 * i, 4, Le32(zuGross[i]));
        EXPECT_FALSE(NetzDatAusBytes(b, m, r)) << i;
        b.replace(werte + 4 * i, 4, Le32(-1));
        EXPECT_FALSE(NetzDatAusBytes(b, m, r)) << i;
    }
    // An empty initiator name leaves nobody to report to.
    EXPECT_FALSE(NetzDatAusBytes(NetzDatBytes("  ", o), m, r));
}

TEST_F(NetzUebungTest, InitiierenSchreibtDieDateienUndMachtZumInitiator)
{
    NetzEndpunkt lehrer("lehrer-pc", FreiePortBasis("7b"));
    lehrer.QuizGeben();
    lehrer.fenster.optionen.ZeitLimitIndex = 1;
    lehrer.fenster.optionen.ZeitLimitWert = 90;
    lehrer.listen.BestList.append(TBestListEintrag{});
    QFile hsc(Basis() + ".hsc");
    ASSERT_TRUE(hsc.open(QIODevice::WriteOnly));
    hsc.write("alt");
    hsc.close();

    lehrer.netz.Netzwerkuebunginitiieren1Click();
    EXPECT_EQ(lehrer.ueb.Lauf.NetzRolle, Rolle::Initiator);
    EXPECT_TRUE(lehrer.netz.MasterMailslot.Active());
    EXPECT_EQ(lehrer.netz.MasterMailslot.MailBox(), "7b");
    EXPECT_EQ(lehrer.netz.MasterMailslot.CheckInterval(), 150);
    EXPECT_FALSE(QFile::exists(Basis() + ".hsc"));
    EXPECT_TRUE(lehrer.listen.BestList.isEmpty());
    EXPECT_TRUE(NetzUebungVorhanden(Basis()));
    EXPECT_EQ(lehrer.fenster.kontrollanzeigen, 1);
    EXPECT_TRUE(lehrer.umg.meldungen.protokoll.empty());
    // The document as saved, the path not adopted.
    EXPECT_EQ(lehrer.dok.Dok.DateiName, "/tmp/fragen.tvl");
    DokumentZustand geladen;
    StilleDokumentUmgebung still;
    TestMeldungen m;
    ASSERT_TRUE(LadeDokument(geladen, still, m, Basis() + ".tvl", false));
    EXPECT_EQ(geladen.Dok.Titel, "Klassenquiz");
    QString master;
    UebOptionen o;
    ASSERT_TRUE(NetzDatLesen(Basis() + ".dat", master, o));
    EXPECT_EQ(master, "lehrer-pc");
    EXPECT_EQ(o.ZeitLimitWert, 90);
    // The release marker is written after the others.
    EXPECT_GE(QFileInfo(Basis() + ".okx").lastModified(), QFileInfo(Basis() + ".dat").lastModified());

    // A participant can not be on the initiating computer; an own exercise is refused.
    lehrer.umg.meldungen.Leeren();
    lehrer.netz.Netzwerkuebung1Click();
    EXPECT_EQ(lehrer.umg.meldungen.Texte(),
              QStringList({"Die Netzwerk-Übung wurde auf diesem Rechner initiiert. Die Teilnahme an der "
                           "Netzwerk-Übung muss an einem anderen Rechner erfolgen."}));
    lehrer.umg.meldungen.Leeren();
    EXPECT_FALSE(lehrer.ueb.UebungStarten({}));
    EXPECT_EQ(lehrer.umg.meldungen.Texte(),
              QStringList({"Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. "
                           "Daher kann im Moment keine eigene Übung gestartet werden."}));
}

TEST_F(NetzUebungTest, InitiierenAbgebrochenOderOhneDokument)
{
    NetzEndpunkt lehrer("lehrer-pc", FreiePortBasis("7b", 11));
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    EXPECT_EQ(lehrer.umg.meldungen.Texte(),
              QStringList({"Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."}));
    lehrer.QuizGeben();
    lehrer.fenster.optionenOk = false;
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    EXPECT_EQ(lehrer.ueb.Lauf.NetzRolle, Rolle::Einzeln);
    EXPECT_TRUE(QDir(kom.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(NetzUebungTest, DatenDateiNichtSchreibbarKeineFreigabe)
{
    NetzEndpunkt lehrer("lehrer-pc", FreiePortBasis("7b", 12));
    lehrer.QuizGeben();
    // A folder where the data file should be: it can not be written.
    ASSERT_TRUE(QDir().mkpath(Basis() + ".dat"));
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    ASSERT_EQ(lehrer.umg.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(lehrer.umg.meldungen.protokoll[0].art, "Fehler");
    EXPECT_TRUE(lehrer.umg.meldungen.protokoll[0].text.startsWith("Die Datei \"" + Basis()
                                                                  + ".dat\" kann nicht "
                                                                    "geschrieben werden."));
    EXPECT_FALSE(QFile::exists(Basis() + ".okx"));
    EXPECT_EQ(lehrer.ueb.Lauf.NetzRolle, Rolle::Einzeln);
    EXPECT_FALSE(lehrer.netz.MasterMailslot.Active());
}

TEST_F(NetzUebungTest, BeendenMitFrageLoeschtDieDateien)
{
    NetzEndpunkt lehrer("lehrer-pc", FreiePortBasis("7b", 1));
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    ASSERT_EQ(lehrer.ueb.Lauf.NetzRolle, Rolle::Initiator);
    lehrer.umg.meldungen.antworten = {Antwort::Nein};
    lehrer.netz.LehrerNetzwerkUebungbeenden1Click();
    EXPECT_EQ(lehrer.umg.meldungen.Texte(),
              QStringList({"Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die laufende Übung noch zu Ende "
                           "bearbeiten, die Kontrollanzeige wird jedoch nicht mehr aktualisiert."}));
    EXPECT_EQ(lehrer.ueb.Lauf.NetzRolle, Rolle::Initiator);
    EXPECT_TRUE(NetzUebungVorhanden(Basis()));
    lehrer.netz.LehrerNetzwerkUebungbeenden1Click(); // Ja
    EXPECT_EQ(lehrer.ueb.Lauf.NetzRolle, Rolle::Einzeln);
    EXPECT_FALSE(lehrer.netz.MasterMailslot.Active());
    for (const char *e : {".tvl", ".dat", ".okx"})
        EXPECT_FALSE(QFile::exists(Basis() + e)) << e;
    lehrer.umg.meldungen.Leeren();
    lehrer.netz.LehrerNetzwerkUebungbeenden1Click();
    EXPECT_EQ(lehrer.umg.meldungen.Texte(), QStringList({"Es ist keine Netzwerk-Übung aktiv."}));
}

TEST_F(NetzUebungTest, OhneFreigabeKeinBeitritt)
{
    NetzEndpunkt lehrer("127.0.0.1", FreiePortBasis("7b", 13)), schueler("pc-02", lehrer.netz.MasterMailslot.PortBasis);
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    lehrer.netz.MasterMailslot.SetActive(false);
    ASSERT_TRUE(QFile::remove(Basis() + ".okx"));
    EXPECT_FALSE(schueler.netz.NetzUebungBeitreten());
    EXPECT_TRUE(schueler.umg.meldungen.protokoll.empty()); // silently
    EXPECT_EQ(schueler.fenster.geladen, 0);
    schueler.netz.Netzwerkuebung1Click();
    ASSERT_EQ(schueler.umg.meldungen.protokoll.size(), 1u);
    EXPECT_TRUE(schueler.umg.meldungen.protokoll[0].text.startsWith("Zurzeit ist keine Netzwerk-Übung freigegeben."));
    EXPECT_TRUE(schueler.umg.meldungen.protokoll[0].text.contains("\"7b\""));
}

TEST_F(NetzUebungTest, BeschaedigteDatenDateiMeldetFehler)
{
    NetzEndpunkt lehrer("127.0.0.1", FreiePortBasis("7b", 14)), schueler("pc-02", lehrer.netz.MasterMailslot.PortBasis);
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    lehrer.netz.MasterMailslot.SetActive(false);
    QFile f(Basis() + ".dat");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("kaputt");
    f.close();
    EXPECT_FALSE(schueler.netz.NetzUebungBeitreten());
    EXPECT_EQ(schueler.umg.meldungen.Texte(), QStringList({"Fehler beim Einlesen der Datei \"" + Basis() + ".dat\""}));
}

TEST_F(NetzUebungTest, JederBeitrittNeueKennungUndKeinNameDialogImLauf)
{
    NetzEndpunkt lehrer("127.0.0.1", FreiePortBasis("7b", 15)), schueler("pc-02", lehrer.netz.MasterMailslot.PortBasis);
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    lehrer.netz.MasterMailslot.SetActive(false);
    schueler.ueb.Einst.NameEingabe = true; // the individual name dialog is not for a participant
    ASSERT_TRUE(schueler.netz.NetzUebungBeitreten());
    const QString k1 = schueler.netz.TeilnehmerKennung;
    EXPECT_TRUE(IstKennung(k1));
    EXPECT_EQ(schueler.ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    EXPECT_EQ(schueler.ui.namensDialoge, 0);
    EXPECT_EQ(schueler.netz.NetzUebungMaster, "127.0.0.1");
    EXPECT_EQ(schueler.fenster.geladen, 1);
    EXPECT_EQ(schueler.dok.Dok.Titel, "Klassenquiz");
    // The join's start time is the run's.
    EXPECT_LE(std::abs(DelphiNachZeit(schueler.ueb.Lauf.StartZeit).msecsTo(schueler.umg.uhr.Jetzt())), 1);
    // Joining in the middle of a run is refused; an own run, too.
    schueler.netz.Netzwerkuebung1Click();
    EXPECT_EQ(schueler.umg.meldungen.Texte(),
              QStringList({"Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle Übung zunächst "
                           "beendet werden. Wählen Sie \"Quiz abbrechen\", um die aktuelle Übung vorzeitig "
                           "abzubrechen."}));
    schueler.umg.meldungen.Leeren();
    EXPECT_FALSE(schueler.ueb.UebungStarten({}));
    EXPECT_EQ(schueler.umg.meldungen.Texte(),
              QStringList({"Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung "
                           "starten zu können."}));
    // The individual list is not for a participant.
    struct Anzeige : IBestListAnzeige
    {
        int n = 0;
        void BestListAnzeigen(const QString &, const TBestList &) override { ++n; }
    } anzeige;
    schueler.umg.meldungen.Leeren();
    schueler.listen.BestenlisteBefehl(schueler.ueb.Lauf.NetzRolle, &schueler.dok.Dok, anzeige);
    EXPECT_EQ(schueler.umg.meldungen.Texte(),
              QStringList({"Während der Netzwerk-Übung ist die Bestenliste der Individual-Übung nicht einsehbar."}));
    EXPECT_EQ(anzeige.n, 0);

    // Leaving and joining again: a new identifier every time.
    schueler.umg.meldungen.antworten = {Antwort::Ja};
    schueler.ueb.UebungVerlassen();
    EXPECT_EQ(schueler.ueb.Lauf.NetzRolle, Rolle::Einzeln);
    ASSERT_TRUE(schueler.netz.NetzUebungBeitreten());
    EXPECT_TRUE(IstKennung(schueler.netz.TeilnehmerKennung));
    EXPECT_NE(schueler.netz.TeilnehmerKennung, k1);
}

TEST_F(NetzUebungTest, NamensdialogBeimBeitrittVorbelegtMitAnmeldename)
{
    NetzEndpunkt lehrer("127.0.0.1", FreiePortBasis("7b", 16)), schueler("pc-02", lehrer.netz.MasterMailslot.PortBasis);
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    lehrer.netz.MasterMailslot.SetActive(false);
    schueler.netz.TNMailSlot.UserName = "mia.k";
    schueler.fenster.nameOk = false;
    schueler.netz.Netzwerkuebung1Click();
    EXPECT_EQ(schueler.fenster.namensVorschlag, "mia.k");
    EXPECT_EQ(schueler.ueb.Lauf.NetzRolle, Rolle::Einzeln); // cancelled: no join
    schueler.fenster.nameOk = true;
    schueler.fenster.name = "  Mia  ";
    schueler.netz.Netzwerkuebung1Click();
    EXPECT_EQ(schueler.ueb.Lauf.NetzRolle, Rolle::Teilnehmer);
    EXPECT_EQ(schueler.netz.NetzTeilnehmername(), "Mia");
    EXPECT_EQ(schueler.ueb.Status().TNameLab, "Mia");
}

TEST_F(NetzUebungTest, NeunZeichenKanalBehaeltAltesPostfach)
{
    Ordner().NetzKomKanal = "Klasse10b";
    NetzEndpunkt lehrer("127.0.0.1", FreiePortBasis("7b", 17)), schueler("pc-02", lehrer.netz.MasterMailslot.PortBasis);
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    lehrer.netz.MasterMailslot.SetActive(false);
    EXPECT_TRUE(QFile::exists(kom.path() + "/Klasse10b-tvlnetzuebung.okx"));
    ASSERT_TRUE(schueler.netz.NetzUebungBeitreten());
    EXPECT_EQ(schueler.netz.TNMailSlot.MailBox(), "TVL-1");
    ASSERT_FALSE(schueler.umg.meldungen.protokoll.empty());
    EXPECT_EQ(schueler.umg.meldungen.protokoll[0].art, "Warnung");
    EXPECT_EQ(schueler.umg.meldungen.protokoll[0].text, "MailBox name cannot be greater than 8 characters long.");
}

TEST_F(NetzUebungTest, ProgrammEndeRaeumtAuf)
{
    NetzEndpunkt lehrer("lehrer-pc", FreiePortBasis("7b", 2));
    lehrer.QuizGeben();
    lehrer.netz.Netzwerkuebunginitiieren1Click();
    ASSERT_TRUE(lehrer.netz.MasterMailslot.Active());
    lehrer.netz.ProgrammEnde();
    EXPECT_FALSE(lehrer.netz.MasterMailslot.Active());
    EXPECT_FALSE(lehrer.netz.TNMailSlot.Active());
    EXPECT_FALSE(NetzUebungVorhanden(Basis()));
    EXPECT_FALSE(QFile::exists(Basis() + ".tvl"));
}
