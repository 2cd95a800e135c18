// Tests of the high-score file: header, records, cut files, locks between processes.
#include "BestListDatei.h"
#include "BestListen.h"
#include "Dateifehler.h"
#include "DelphiZeit.h"
#include "Dokument.h"
#include "HscHilfen.h"
#include "Ordner.h"
#include "SperrHalter.h"
#include "TestDienste.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace HscBytes;

namespace {
BestListDatensatz Satz(const QString &name, double beginn, qint32 dauer, double leistung)
{
    BestListDatensatz d;
    d.Name = name;
    d.Rechner = "PC-07";
    d.Beginn = beginn;
    d.Dauer = dauer;
    d.Leistung = leistung;
    return d;
}
} // namespace

TEST(HscDatei, ErsterEintragInFehlendeDateiSchreibtKopfDannNurNochDatensaetze)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Europa.hsc");
    ASSERT_TRUE(BestListSchreiben(pfad, Satz(QString::fromUtf8("Jörg"), 46000.5, 61999, 0.85)));
    const QByteArray erwartet1 = Kopf() + Datensatz("J\xf6rg", "PC-07", 46000.5, 61999, 0.85);
    EXPECT_EQ(Lesen(pfad), erwartet1);
    // The head is exactly the documented 4+12 and 4+56 bytes.
    EXPECT_EQ(Kopf().size(), 4 + 12 + 4 + 56);

    ASSERT_TRUE(BestListSchreiben(pfad, Satz("Ina", 46001.25, 1000, 0.5)));
    EXPECT_EQ(Lesen(pfad), erwartet1 + Datensatz("Ina", "PC-07", 46001.25, 1000, 0.5));
}

TEST(HscDatei, LeereDateiBekommtKopfVorhandenerInhaltWirdNieAbgeschnitten)
{
    QTemporaryDir dir;
    const QString leer = dir.filePath("leer.hsc");
    ASSERT_TRUE(Schreiben(leer, {}));
    ASSERT_TRUE(BestListSchreiben(leer, Satz("A", 1, 2, 0.25)));
    EXPECT_EQ(Lesen(leer), Kopf() + Datensatz("A", "PC-07", 1, 2, 0.25));

    // A list another computer has just created is appended to, not replaced.
    const QString voll = dir.filePath("voll.hsc");
    const QByteArray alt = Kopf() + Datensatz("Erster", "X", 3, 4, 1.0);
    ASSERT_TRUE(Schreiben(voll, alt));
    ASSERT_TRUE(BestListSchreiben(voll, Satz("Zweiter", 5, 6, 0.5)));
    EXPECT_EQ(Lesen(voll), alt + Datensatz("Zweiter", "PC-07", 5, 6, 0.5));
}

TEST(HscDatei, NameNurAusLeerzeichenWirdKeinNameRandLeerzeichenBleiben)
{
    const QDateTime start(QDate(2026, 12, 7), QTime(9, 0, 0));
    EXPECT_EQ(BestListen::LaufDatensatz("   ", start, 1, 0.5).Name, "(kein Name)");
    EXPECT_EQ(BestListen::LaufDatensatz("", start, 1, 0.5).Name, "(kein Name)");
    const auto d = BestListen::LaufDatensatz("  Ina ", start, 61999, 0.75);
    EXPECT_EQ(d.Name, "  Ina ");
    EXPECT_FALSE(d.Rechner.isEmpty());
    EXPECT_EQ(d.Dauer, 61999);
    EXPECT_DOUBLE_EQ(d.Leistung, 0.75);
    EXPECT_EQ(DelphiNachZeit(d.Beginn), start);
}

TEST(HscDatei, ZweihundertfuenfzigDatensaetzeWerdenVollstaendigGelesen)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("viele.hsc");
    for (int i = 0; i < 250; ++i)
        ASSERT_TRUE(BestListSchreiben(pfad, Satz(QString("N%1").arg(i), 46000 + i, i * 1000, i / 250.0)));
    TBestList liste;
    ASSERT_TRUE(BestListLesen(pfad, liste));
    ASSERT_EQ(liste.size(), 250);
    for (int i = 0; i < 250; ++i) {
        EXPECT_EQ(liste[i].Name, QString("N%1").arg(i));
        EXPECT_EQ(liste[i].Dauer, i * 1000);
        EXPECT_DOUBLE_EQ(liste[i].Beginn, 46000 + i);
    }
}

TEST(HscDatei, EndeZaehltNurGanzeSekundenDerDauer)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("ende.hsc");
    const double beginn = ZeitNachDelphi(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)));
    ASSERT_TRUE(BestListSchreiben(pfad, Satz("A", beginn, 61999, 0.5)));
    TBestList liste;
    ASSERT_TRUE(BestListLesen(pfad, liste));
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(DelphiNachZeit(liste[0].Ende), QDateTime(QDate(2026, 12, 7), QTime(9, 1, 1)));
}

TEST(HscDatei, FeldlisteOhneRechnerLiestLeereRechnernamen)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("ohne.hsc");
    const QByteArray b = Text("TVL-HSC-1.00") + Text("|HSC-Name|HSC-Beginn|HSC-Dauer|HSC-Leistung|") + Text("Ina")
                         + Real(46000.25) + Int(90000) + Real(0.7) + Text("Max") + Real(46001.0) + Int(1000)
                         + Real(0.9);
    ASSERT_TRUE(Schreiben(pfad, b));
    TBestList liste;
    ASSERT_TRUE(BestListLesen(pfad, liste));
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[0].Name, "Ina");
    EXPECT_TRUE(liste[0].Rechner.isEmpty());
    EXPECT_DOUBLE_EQ(liste[0].Beginn, 46000.25);
    EXPECT_EQ(liste[0].Dauer, 90000);
    EXPECT_DOUBLE_EQ(liste[0].Leistung, 0.7);
    EXPECT_EQ(liste[1].Name, "Max");
    EXPECT_DOUBLE_EQ(liste[1].Leistung, 0.9);
}

TEST(HscDatei, AbgeschnittenerLetzterDatensatzWirdSoweitMoeglichGelesen)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("kurz.hsc");
    // The second record stops inside its Dauer field.
    QByteArray b = Kopf() + Datensatz("A", "PC", 1, 2000, 0.5) + Datensatz("B", "PC", 7.5, 3000, 0.25);
    b.chop(8 + 3);
    ASSERT_TRUE(Schreiben(pfad, b));
    TBestList liste;
    ASSERT_TRUE(BestListLesen(pfad, liste));
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[1].Name, "B");
    EXPECT_DOUBLE_EQ(liste[1].Beginn, 7.5);
    EXPECT_EQ(liste[1].Dauer, 3000 & 0xff); // the one byte that is there
    EXPECT_DOUBLE_EQ(liste[1].Leistung, 0.0);
}

TEST(HscDatei, UnsinnigeLaengenUndFeldlistenFuehrenNieZuEndlosschleifeOderRiesenpuffer)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("kaputt.hsc");
    // A name claiming 2 GB is cut at the end of the file.
    ASSERT_TRUE(Schreiben(pfad, Kopf() + Int(0x7fffffff) + "abc"));
    TBestList liste;
    ASSERT_TRUE(BestListLesen(pfad, liste));
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].Name, "abc");

    // Records of no field at all could never reach the end of the file.
    ASSERT_TRUE(Schreiben(pfad, Text("TVL-HSC-1.00") + Text("|") + "rest"));
    EXPECT_FALSE(BestListLesen(pfad, liste));
    EXPECT_TRUE(liste.isEmpty());
    // ...but such a list without records is simply empty.
    ASSERT_TRUE(Schreiben(pfad, Text("TVL-HSC-1.00") + Text("|")));
    EXPECT_TRUE(BestListLesen(pfad, liste));

    // Records of only 4 bytes: the count of entries is bounded too.
    const QByteArray kopf = Text("TVL-HSC-1.00") + Text("|HSC-Dauer|");
    ASSERT_TRUE(Schreiben(pfad, kopf + QByteArray(4 * Hsc::MaxEintraege, '\x01')));
    EXPECT_TRUE(BestListLesen(pfad, liste));
    EXPECT_EQ(liste.size(), Hsc::MaxEintraege);
    ASSERT_TRUE(Schreiben(pfad, kopf + QByteArray(4 * (Hsc::MaxEintraege + 1), '\x01')));
    EXPECT_FALSE(BestListLesen(pfad, liste));
    EXPECT_TRUE(liste.isEmpty());
}

TEST(HscDatei, FremdeKennungIstUnlesbarFehlendeDateiAuch)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("fremd.hsc");
    ASSERT_TRUE(Schreiben(pfad, Text("TVL-HSC-1.01") + Text(Hsc::FeldListe) + Datensatz("A", "B", 1, 2, 0.3)));
    TBestList liste{TBestListEintrag{}};
    EXPECT_FALSE(BestListLesen(pfad, liste));
    EXPECT_TRUE(liste.isEmpty());
    EXPECT_FALSE(BestListLesen(dir.filePath("fehlt.hsc"), liste));
    ASSERT_TRUE(Schreiben(pfad, {}));
    EXPECT_FALSE(BestListLesen(pfad, liste));
}

class HscEintragen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Ordner().BestListOrdner = dir.path() + "/";
        Ordner().NetzKomOrdner = dir.path() + "/kom/";
        Ordner().NetzKomKanal = "TVL-1";
    }
    QTemporaryDir dir;
    TestUmgebung umg;
    BestListen listen{umg.dienste};
    BestListDatensatz lauf = Satz("Ina", 46000, 5000, 0.9);
};

TEST_F(HscEintragen, PfadeDerListen)
{
    EXPECT_EQ(BestListen::IndividualPfad("/x/y/Europa.tvl"), dir.path() + "/Europa.hsc");
    EXPECT_EQ(BestListen::IndividualPfad("/x/Welt.Teil1.tvl"), dir.path() + "/Welt.Teil1.hsc");
    EXPECT_EQ(BestListen::NetzPfad(), dir.path() + "/kom/TVL-1-tvlnetzuebung.hsc");
}

TEST_F(HscEintragen, GesperrteDateiWirdFuenfmalImAbstandVon100msVersucht)
{
    const QString pfad = dir.filePath("Europa.hsc");
    SperrHalter halter(pfad, true);
    ASSERT_TRUE(halter.gesperrt);
    EXPECT_FALSE(listen.ErgebnisEintragen(false, "/irgendwo/Europa.tvl", lauf));
    EXPECT_EQ(umg.uhr.warteAufrufe, 5);
    EXPECT_EQ(umg.uhr.gewartetMs, 500);
    ASSERT_EQ(umg.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(umg.meldungen.protokoll[0].art, "Fehler");
    EXPECT_EQ(umg.meldungen.protokoll[0].text,
              SchreibFehlerText(pfad)
                  + "\r\n\r\nDie Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die Einstellungen "
                    "unter \"Optionen | Ordner für Protokolle und Bestenlisten\".");
    // Nothing was written while the other process held the list.
    EXPECT_TRUE(Lesen(pfad).isEmpty());
}

TEST_F(HscEintragen, LeserSperrtSchreiberAus)
{
    const QString pfad = dir.filePath("Europa.hsc");
    ASSERT_TRUE(BestListSchreiben(pfad, lauf));
    SperrHalter leser(pfad, false);
    ASSERT_TRUE(leser.gesperrt);
    EXPECT_FALSE(BestListSchreiben(pfad, lauf));
    // Readers share the file with each other.
    TBestList liste;
    EXPECT_TRUE(BestListLesen(pfad, liste));
}

TEST_F(HscEintragen, EintragNachFreigabeGelingtBeimErstenVersuch)
{
    ASSERT_TRUE(listen.ErgebnisEintragen(false, "Europa.tvl", lauf));
    EXPECT_EQ(umg.uhr.warteAufrufe, 0);
    EXPECT_TRUE(umg.meldungen.protokoll.empty());
    TBestList liste;
    ASSERT_TRUE(BestListLesen(dir.filePath("Europa.hsc"), liste));
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].Name, "Ina");
}

TEST_F(HscEintragen, NetzlisteNimmtDenHaltesatzUndMeldetOhneZusatz)
{
    listen.NetzDatensatz = Satz("Netz", 1, 2, 0.3);
    // The communication folder does not exist: every attempt fails.
    EXPECT_FALSE(listen.ErgebnisEintragen(true, "Europa.tvl", lauf));
    EXPECT_EQ(umg.uhr.warteAufrufe, 5);
    ASSERT_EQ(umg.meldungen.Texte(), QStringList{SchreibFehlerText(BestListen::NetzPfad())});
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/kom"));
    ASSERT_TRUE(listen.ErgebnisEintragen(true, "Europa.tvl", lauf));
    TBestList liste;
    ASSERT_TRUE(BestListLesen(BestListen::NetzPfad(), liste));
    EXPECT_EQ(liste.value(0).Name, "Netz");
}

TEST_F(HscEintragen, LadenMeldetFehlendeUndGesperrteListen)
{
    EXPECT_FALSE(listen.BestListLaden(false, "Europa.tvl"));
    EXPECT_EQ(umg.meldungen.protokoll.at(0).art, "Information");
    EXPECT_TRUE(umg.meldungen.protokoll.at(0).text.startsWith("Zu diesem Quiz gibt es bisher keine Einträge"));
    EXPECT_EQ(umg.uhr.warteAufrufe, 0);
    umg.meldungen.Leeren();
    EXPECT_FALSE(listen.BestListLaden(true, "Europa.tvl"));
    EXPECT_EQ(umg.meldungen.Texte(),
              QStringList{"Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge."});
    umg.meldungen.Leeren();

    const QString pfad = dir.filePath("Europa.hsc");
    ASSERT_TRUE(BestListSchreiben(pfad, lauf));
    SperrHalter schreiber(pfad, true);
    ASSERT_TRUE(schreiber.gesperrt);
    listen.BestList.append(TBestListEintrag{});
    EXPECT_FALSE(listen.BestListLaden(false, "Europa.tvl"));
    EXPECT_EQ(umg.uhr.warteAufrufe, 5);
    EXPECT_TRUE(listen.BestList.isEmpty());
    ASSERT_EQ(umg.meldungen.protokoll.size(), 1u);
    EXPECT_TRUE(umg.meldungen.protokoll[0].text.startsWith(LeseFehlerText(pfad) + "\r\n\r\nÜberprüfen Sie"));
}

namespace {
struct AnzeigeRekorder : IBestListAnzeige
{
    int aufrufe = 0;
    QString titel;
    TBestList liste;
    void BestListAnzeigen(const QString &t, const TBestList &l) override
    {
        ++aufrufe;
        titel = t;
        liste = l;
    }
};
} // namespace

TEST_F(HscEintragen, FremdeKennungZeigtNachFuenfVersuchenLeseFehlerUndLeeresFenster)
{
    ASSERT_TRUE(Schreiben(dir.filePath("Europa.hsc"), Text("KMF-1.01") + Text(Hsc::FeldListe)));
    Dokument dok;
    dok.DateiName = "/q/Europa.tvl";
    dok.Titel = "Flaggen Europas";
    AnzeigeRekorder anzeige;
    listen.BestListZeigen(false, &dok, anzeige);
    EXPECT_EQ(umg.uhr.warteAufrufe, 5);
    ASSERT_EQ(umg.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(umg.meldungen.protokoll[0].art, "Fehler");
    EXPECT_EQ(anzeige.aufrufe, 1);
    EXPECT_EQ(anzeige.titel, "Bestenliste - Flaggen Europas");
    EXPECT_TRUE(anzeige.liste.isEmpty());
}

TEST_F(HscEintragen, ZeigenSortiertUndBefehlWirdTeilnehmernVerweigert)
{
    Dokument dok;
    dok.DateiName = "/q/Europa.tvl";
    dok.Titel = "Europa";
    ASSERT_TRUE(listen.ErgebnisEintragen(false, dok.DateiName, Satz("Langsam", 1, 90000, 0.85)));
    ASSERT_TRUE(listen.ErgebnisEintragen(false, dok.DateiName, Satz("Schwach", 1, 1000, 0.5)));
    ASSERT_TRUE(listen.ErgebnisEintragen(false, dok.DateiName, Satz("Schnell", 1, 75000, 0.85)));
    AnzeigeRekorder anzeige;
    listen.BestenlisteBefehl(Rolle::Teilnehmer, &dok, anzeige);
    EXPECT_EQ(anzeige.aufrufe, 0);
    EXPECT_EQ(umg.meldungen.Texte(),
              QStringList{"Während der Netzwerk-Übung ist die Bestenliste der Individual-Übung nicht einsehbar."});
    listen.BestenlisteBefehl(Rolle::Einzeln, &dok, anzeige);
    ASSERT_EQ(anzeige.liste.size(), 3);
    EXPECT_EQ(anzeige.liste[0].Name, "Schnell");
    EXPECT_EQ(anzeige.liste[1].Name, "Langsam");
    EXPECT_EQ(anzeige.liste[2].Name, "Schwach");

    umg.meldungen.Leeren();
    Dokument keins;
    listen.BestenlisteBefehl(Rolle::Einzeln, &keins, anzeige);
    EXPECT_EQ(anzeige.aufrufe, 1);
    EXPECT_EQ(umg.meldungen.Texte(),
              QStringList{"Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."});
}

namespace {
// A clock whose first pause lets the other process go.
class FreigabeUhr : public TestUhr
{
public:
    std::function<void()> beimWarten;
    void Warten(int ms) override
    {
        TestUhr::Warten(ms);
        if (beimWarten) {
            beimWarten();
            beimWarten = nullptr;
        }
    }
};
} // namespace

TEST_F(HscEintragen, KurzeSperreWirdDurchDieWiederholungUeberbruecktNichtsGehtVerloren)
{
    const QString pfad = dir.filePath("Europa.hsc");
    ASSERT_TRUE(BestListSchreiben(pfad, Satz("Vorher", 1, 2, 0.5)));
    FreigabeUhr uhr;
    Dienste d = umg.dienste;
    d.uhr = &uhr;
    BestListen l(d);
    auto halter = std::make_unique<SperrHalter>(pfad, true);
    ASSERT_TRUE(halter->gesperrt);
    uhr.beimWarten = [&] { halter.reset(); };
    ASSERT_TRUE(l.ErgebnisEintragen(false, "Europa.tvl", lauf));
    EXPECT_EQ(uhr.warteAufrufe, 1);
    EXPECT_TRUE(umg.meldungen.protokoll.empty());

    halter = std::make_unique<SperrHalter>(pfad, true);
    uhr.beimWarten = [&] { halter.reset(); };
    ASSERT_TRUE(l.BestListLaden(false, "Europa.tvl"));
    EXPECT_EQ(uhr.warteAufrufe, 2);
    ASSERT_EQ(l.BestList.size(), 2);
    EXPECT_EQ(l.BestList[0].Name, "Vorher");
    EXPECT_EQ(l.BestList[1].Name, "Ina");
}
