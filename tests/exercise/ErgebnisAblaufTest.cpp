// Tests of the completion of a run: labels, order of steps, high-score entry.
#include "ErgebnisAblauf.h"
#include "TestDienste.h"

#include <deque>

#include <gtest/gtest.h>

namespace {

// Records every call of the completion in one list, so the order shows.
struct Umgebung : IErgebnisUmgebung
{
    QStringList log;
    bool autoProt = false;
    bool autoBest = true;
    std::deque<bool> eintragen{true};
    std::deque<bool> starten{true};
    bool beitreten = true;

    void ProtokollAbschliessen() override { log << "Protokoll"; }
    bool AutoProtSpeichernAktiv() override { return autoProt; }
    void ProtokollAutoSpeichern() override { log << "AutoSpeichern"; }
    bool ErgebBestListEintragenAktiv() override { return autoBest; }
    bool ErgebnisEintragen(bool netz) override
    {
        log << QString("Eintragen(%1)").arg(netz);
        const bool ok = eintragen.empty() ? true : eintragen.front();
        if (!eintragen.empty())
            eintragen.pop_front();
        return ok;
    }
    void OrdnerFensterZeigen() override { log << "Ordner"; }
    bool OptionenVorJederUebung() override { return true; }
    bool NetzUebungBeitreten() override
    {
        log << "Beitreten";
        return beitreten;
    }
    bool UebungStarten(const StartAuftrag &a) override
    {
        log << QString("Starten(%1,%2,%3)").arg(a.optionenZeigen).arg(int(a.umfang)).arg(int(a.rolle));
        const bool ok = starten.empty() ? true : starten.front();
        if (!starten.empty())
            starten.pop_front();
        return ok;
    }
    void NetzDokumentSchliessen() override { log << "NetzDokSchliessen"; }
    void NetzRolleZuruecksetzen() override { log << "NetzRolle0"; }
    void UebungVerlassen() override { log << "Verlassen"; }
};

struct Fenster : IErgebnisFenster
{
    QStringList &log;
    std::deque<bool> antworten; // true = "Quiz wiederholen"
    int modus = 0;
    ErgebnisInhalt inhalt;
    ErgebnisAblauf *ablauf = nullptr;
    bool beimZeigenEintragen = false;

    explicit Fenster(QStringList &l) : log(l) {}
    void InhaltSetzen(const ErgebnisInhalt &i) override
    {
        inhalt = i;
        log << "Inhalt";
    }
    bool ModalZeigen() override
    {
        log << "Zeigen";
        if (beimZeigenEintragen && ablauf) {
            beimZeigenEintragen = false;
            ablauf->InBestenlisteEintragen();
        }
        if (antworten.empty())
            return false;
        const bool a = antworten.front();
        antworten.pop_front();
        return a;
    }
    int GewaehlterWiederholenMode() override { return modus; }
};

UebErgebnis Lauf(int richtig, int falsch, int offen, int fragen)
{
    UebErgebnis e;
    e.AnzFragen = fragen;
    e.AnzFalsch = falsch;
    e.AnzOffen = offen;
    const int summe = richtig + falsch + offen;
    e.Gesamtleistung = summe ? double(richtig) / summe : 0.0;
    e.RichtigText = QString::number(richtig);
    e.FalschText = QString::number(falsch);
    e.QuoteText = "85.0 %";
    e.GesamtleistungText = "85.0 %";
    e.UebZeitText = "03:07";
    return e;
}

struct Aufbau
{
    TestMeldungen meldungen;
    Umgebung umgebung;
    Fenster fenster{umgebung.log};
    ErgebnisAblauf ablauf{umgebung, fenster, meldungen};
    Aufbau() { fenster.ablauf = &ablauf; }
};

} // namespace

TEST(ErgebnisAnzeige, LabelsEinesLaufsMitSiebzehnVonZwanzig)
{
    auto e = Lauf(17, 3, 0, 20);
    const auto i = ErgebnisAblauf::InhaltBerechnen(e);
    EXPECT_EQ(i.RichtigLab, "17  von  20");
    EXPECT_EQ(i.FalschLab, "3");
    EXPECT_EQ(i.UebNummernOffenLab, "0");
    EXPECT_EQ(i.BewertLab, "sehr gut");
    EXPECT_EQ(i.NoteLab, "1");
    EXPECT_EQ(i.ZeitArtLab, QString::fromUtf8("Benötigte Zeit:"));
    EXPECT_EQ(i.UebZeitLab, "03:07");
    EXPECT_TRUE(i.WiederholenModeAktiv);
    e.MitZeitLimit = true;
    e.Gesamtleistung = 0.8499;
    const auto j = ErgebnisAblauf::InhaltBerechnen(e);
    EXPECT_EQ(j.ZeitArtLab, "Verbliebene Zeit:");
    EXPECT_EQ(j.NoteLab, "2");
    EXPECT_EQ(j.BewertLab, "gut");
}

TEST(ErgebnisAnzeige, VerdeckteRueckmeldungZeigtFragezeichenWieDasStatusfeld)
{
    UebErgebnis e = Lauf(0, 0, 4, 10);
    e.RichtigText = e.FalschText = e.QuoteText = e.GesamtleistungText = "?";
    const auto i = ErgebnisAblauf::InhaltBerechnen(e);
    EXPECT_EQ(i.RichtigLab, "?  von  10");
    EXPECT_EQ(i.FalschLab, "?");
    EXPECT_EQ(i.QuoteLab, "?");
    EXPECT_EQ(i.GesamtleistungLab, "?");
    EXPECT_EQ(i.UebNummernOffenLab, "4");
}

TEST(ErgebnisAnzeige, OhneFehlversuchKeineTeilwiederholungImNetzNieUndKeinKnopf)
{
    auto i = ErgebnisAblauf::InhaltBerechnen(Lauf(20, 0, 0, 20));
    EXPECT_FALSE(i.WiederholenModeAktiv);
    EXPECT_EQ(i.WiederholenMode, 0);

    Aufbau a;
    auto netz = Lauf(10, 5, 0, 15);
    netz.NetzRolle = Rolle::Initiator;
    a.ablauf.ErgebnisAnzeigen(netz);
    EXPECT_FALSE(a.fenster.inhalt.WiederholenModeAktiv);
    EXPECT_FALSE(a.fenster.inhalt.InBestenlisteBtnSichtbar);
    EXPECT_TRUE(a.fenster.inhalt.NetzListe);
    EXPECT_FALSE(a.umgebung.log.contains("Eintragen(0)"));
}

TEST(ErgebnisAnzeige, ReihenfolgeLabelsProtokollSpeichernEintragenFenster)
{
    Aufbau a;
    a.umgebung.autoProt = true;
    a.ablauf.ErgebnisAnzeigen(Lauf(17, 3, 0, 20));
    EXPECT_EQ(a.umgebung.log, (QStringList{"Inhalt", "Protokoll", "AutoSpeichern", "Eintragen(0)", "Inhalt", "Zeigen",
                                           "NetzRolle0", "Verlassen"}));
    EXPECT_TRUE(a.ablauf.InBestenliste);
    EXPECT_EQ(a.fenster.inhalt.BestenlisteLab, "Das Ergebnis wurde in die Bestenliste eingetragen.");
    EXPECT_FALSE(a.fenster.inhalt.InBestenlisteBtnSichtbar);
}

TEST(ErgebnisAnzeige, NachTeilwiederholungWederAutomatischNochPerKnopfEingetragen)
{
    Aufbau a;
    auto e = Lauf(3, 1, 0, 3);
    e.Umfang = UmfangArt::Teilwiederholung;
    a.fenster.beimZeigenEintragen = true;
    a.ablauf.ErgebnisAnzeigen(e);
    EXPECT_FALSE(a.umgebung.log.contains("Eintragen(0)"));
    EXPECT_FALSE(a.fenster.inhalt.InBestenlisteBtnSichtbar);
    EXPECT_TRUE(a.fenster.inhalt.BestenlisteLab.isEmpty());
    EXPECT_FALSE(a.ablauf.InBestenliste);
}

TEST(ErgebnisAnzeige, OhneAutomatikOderNachFehlschlagBietetDerKnopfDenEintragAn)
{
    Aufbau a;
    a.umgebung.eintragen = {false, false, true};
    a.fenster.beimZeigenEintragen = true;
    a.fenster.antworten = {false};
    a.ablauf.ErgebnisAnzeigen(Lauf(5, 5, 0, 10));
    // The automatic entry failed: label empty, button offered; the button's
    // own failure opens the folder window.
    EXPECT_EQ(a.umgebung.log.mid(0, 6),
              (QStringList{"Inhalt", "Protokoll", "Eintragen(0)", "Inhalt", "Zeigen", "Eintragen(0)"}));
    EXPECT_EQ(a.umgebung.log[6], "Ordner");
    EXPECT_TRUE(a.fenster.inhalt.InBestenlisteBtnSichtbar);

    // A second press succeeds: label shown, button hidden, no third entry.
    a.ablauf.InBestenlisteEintragen();
    EXPECT_TRUE(a.ablauf.InBestenliste);
    EXPECT_FALSE(a.fenster.inhalt.InBestenlisteBtnSichtbar);
    EXPECT_EQ(a.fenster.inhalt.BestenlisteLab, "Das Ergebnis wurde in die Bestenliste eingetragen.");
    const auto vorher = a.umgebung.log.count("Eintragen(0)");
    a.ablauf.InBestenlisteEintragen();
    EXPECT_EQ(a.umgebung.log.count("Eintragen(0)"), vorher);

    Aufbau b;
    b.umgebung.autoBest = false;
    b.ablauf.ErgebnisAnzeigen(Lauf(5, 5, 0, 10));
    EXPECT_FALSE(b.umgebung.log.contains("Eintragen(0)"));
    EXPECT_TRUE(b.fenster.inhalt.InBestenlisteBtnSichtbar);
}

TEST(ErgebnisAnzeige, AbgebrochenerNamensdialogBringtDasFensterZurueck)
{
    Aufbau a;
    a.fenster.antworten = {true, true};
    a.fenster.modus = 1;
    a.umgebung.starten = {false, true};
    a.ablauf.ErgebnisAnzeigen(Lauf(5, 2, 0, 7));
    EXPECT_EQ(a.umgebung.log.mid(a.umgebung.log.indexOf("Zeigen")),
              (QStringList{"Zeigen", "Starten(1,1,0)", "Zeigen", "Starten(1,1,0)"}));
    EXPECT_FALSE(a.umgebung.log.contains("Verlassen"));
}

TEST(ErgebnisAnzeige, TeilwiederholungNurWennAngebotenSchliessenFuehrtZurStartseite)
{
    Aufbau a;
    a.fenster.antworten = {true};
    a.fenster.modus = 1; // ignored: the group is disabled without wrong attempts
    a.ablauf.ErgebnisAnzeigen(Lauf(7, 0, 0, 7));
    EXPECT_TRUE(a.umgebung.log.contains("Starten(1,0,0)"));

    Aufbau b;
    b.ablauf.ErgebnisAnzeigen(Lauf(7, 0, 0, 7));
    EXPECT_EQ(b.umgebung.log.mid(b.umgebung.log.indexOf("Zeigen")), (QStringList{"Zeigen", "NetzRolle0", "Verlassen"}));
}

TEST(ErgebnisAnzeige, TeilnehmerTrittWiederBeiAbgelehntMeldungUndFensterErneut)
{
    Aufbau a;
    auto e = Lauf(5, 2, 0, 7);
    e.NetzRolle = Rolle::Teilnehmer;
    a.umgebung.beitreten = false;
    a.fenster.antworten = {true, false};
    a.ablauf.ErgebnisAnzeigen(e);
    EXPECT_EQ(a.meldungen.Texte(), QStringList{"Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."});
    EXPECT_EQ(a.umgebung.log.mid(a.umgebung.log.indexOf("Zeigen")),
              (QStringList{"Zeigen", "Beitreten", "Zeigen", "NetzDokSchliessen", "NetzRolle0", "Verlassen"}));
    EXPECT_FALSE(a.umgebung.log.join(",").contains("Starten"));
}
