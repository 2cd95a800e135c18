// Tests from the end of a run through the results to the list file and repetition.
#include "BestListDatei.h"
#include "BestListen.h"
#include "ErgebnisUebung.h"
#include "Ordner.h"
#include "UebTestUmgebung.h"

#include <QTemporaryDir>

#include <deque>

#include <gtest/gtest.h>

// The road from the end of a run through the results to the high-score file
// and the repetition, with the real engine and the real list file.
namespace {

struct StreckenFenster : IErgebnisFenster
{
    std::deque<std::pair<bool, int>> antworten; // (repeat?, mode)
    int modus = 0;
    QList<ErgebnisInhalt> inhalte;
    void InhaltSetzen(const ErgebnisInhalt &i) override { inhalte << i; }
    bool ModalZeigen() override
    {
        if (antworten.empty())
            return false;
        const auto [wiederholen, m] = antworten.front();
        antworten.pop_front();
        modus = m;
        return wiederholen;
    }
    int GewaehlterWiederholenMode() override { return modus; }
};

struct Strecke
{
    QTemporaryDir dir;
    UebTest t;
    BestListen listen{t.umg.dienste};
    TestHauptfenster hauptfenster;
    UebErgebnisUmgebung umgebung{t.ueb, listen, t.dok, hauptfenster};
    StreckenFenster fenster;
    ErgebnisAblauf ablauf{umgebung, fenster, t.umg.meldungen};

    Strecke()
    {
        Ordner().BestListOrdner = dir.path() + "/";
        t.ui.beiErgebnis = [this] { ablauf.ErgebnisAnzeigen(t.ueb.Ergebnis()); };
        hauptfenster.vorJederUebung = false;
    }
    TBestList Liste()
    {
        TBestList l;
        BestListLesen(BestListen::IndividualPfad(t.dok.Dok.DateiName), l);
        return l;
    }
    QStringList Offene() const
    {
        QStringList l;
        for (const DokObjekt &o : t.dok.Dok.Objekte)
            if (o.Abdeckung == AbdeckungsArt::OffeneFrage)
                l << o.Cap;
        return l;
    }
    // Drags every visible text onto its own label until `ergebnisse` results.
    void RichtigBis(int ergebnisse)
    {
        for (int runde = 0; runde < 50 && t.ui.ergebnisse < ergebnisse; ++runde)
            for (const QString &c : t.Sichtbare())
                if (t.ui.ergebnisse < ergebnisse && t.FeldMit(c) >= 0 && t.ueb.Felder().at(t.FeldMit(c)).Sichtbar)
                    t.Ziehen(c, t.ObjektMit(c));
    }
};

} // namespace

TEST(ErgebnisStrecke, TeilwiederholungFragtGenauDieFehlerUndLandetNichtInDerBestenliste)
{
    Strecke s;
    s.t.dok.Dok = BildDok({"Nord", QString::fromUtf8("Süd"), "Ost", "West", "Mitte"});
    s.t.ui.werte.AbfrageModus = 0;
    s.fenster.antworten = {{true, 1}, {false, 0}};
    ASSERT_TRUE(s.t.ueb.UebungStarten({}));
    // "Nord" wrongly onto the label of "Süd": a wrong target and a wrongly
    // placed text.
    s.t.Ziehen("Nord", s.t.ObjektMit(QString::fromUtf8("Süd")));
    ASSERT_EQ(s.t.ueb.Lauf.AnzFalsch, 1);
    s.RichtigBis(1);
    ASSERT_EQ(s.t.ui.ergebnisse, 1);

    // The complete run was entered; the partial repetition started at once
    // with exactly the two questions, and was laid out as every start is.
    EXPECT_EQ(s.t.ui.gestartet, 2);
    ASSERT_EQ(s.Liste().size(), 1);
    EXPECT_DOUBLE_EQ(s.Liste()[0].Leistung, 5.0 / 6.0);
    EXPECT_EQ(s.fenster.inhalte.last().BestenlisteLab, "Das Ergebnis wurde in die Bestenliste eingetragen.");
    EXPECT_TRUE(s.fenster.inhalte.last().WiederholenModeAktiv);
    EXPECT_EQ(s.t.ueb.Umfang, UmfangArt::Teilwiederholung);
    EXPECT_EQ(s.t.ueb.Lauf.AnzFragen, 2);
    QStringList offen = s.Offene();
    offen.sort();
    EXPECT_EQ(offen, (QStringList{"Nord", QString::fromUtf8("Süd")}));

    // Finishing the repetition adds nothing to the list and offers no button.
    s.RichtigBis(2);
    ASSERT_EQ(s.t.ui.ergebnisse, 2);
    EXPECT_EQ(s.Liste().size(), 1);
    EXPECT_FALSE(s.fenster.inhalte.last().InBestenlisteBtnSichtbar);
    EXPECT_TRUE(s.fenster.inhalte.last().BestenlisteLab.isEmpty());
    EXPECT_FALSE(s.ablauf.InBestenliste);
    // "Schließen" went back to the start page.
    EXPECT_EQ(s.t.ui.modus, 2);
}

TEST(ErgebnisStrecke, NamenlosUndEingetragenMitLaufzeitUndStart)
{
    Strecke s;
    s.t.dok.Dok = BildDok({"A", "B"});
    s.t.ueb.Einst.NameEingabe = true;
    s.t.ui.name = "   ";
    ASSERT_TRUE(s.t.ueb.UebungStarten({}));
    s.t.umg.uhr.Vorstellen(61999);
    s.RichtigBis(1);
    const TBestList l = s.Liste();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].Name, "(kein Name)");
    EXPECT_DOUBLE_EQ(l[0].Leistung, 1.0);
    EXPECT_GE(l[0].Dauer, 61999);
    EXPECT_TRUE(s.t.ueb.Lauf.InBestenliste);
}

TEST(ErgebnisStrecke, AbgebrochenerNamensdialogBringtFensterZurueckUndTeilwiederholungBleibtMoeglich)
{
    Strecke s;
    s.t.dok.Dok = BildDok({"Nord", QString::fromUtf8("Süd"), "Ost"});
    s.t.ueb.Einst.NameEingabe = true;
    ASSERT_TRUE(s.t.ueb.UebungStarten({}));
    s.t.Ziehen("Nord", s.t.ObjektMit("Ost"));
    // Two presses of "Quiz wiederholen" with the partial repetition: the
    // first name dialog is cancelled, the second confirmed.
    s.fenster.antworten = {{true, 1}, {true, 1}};
    int starts = 0;
    s.hauptfenster.beiOptionenFrage = [&] { s.t.ui.nameOk = ++starts > 1; };
    s.RichtigBis(1);
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(s.t.ui.namensDialoge, 3);
    EXPECT_TRUE(s.fenster.antworten.empty());
    EXPECT_TRUE(s.t.umg.meldungen.protokoll.empty()) << s.t.umg.meldungen.Texte().join("|").toStdString();
    // The run that started repeats exactly the two questions of the wrong drop.
    EXPECT_EQ(s.t.ueb.Umfang, UmfangArt::Teilwiederholung);
    EXPECT_EQ(s.t.ueb.Lauf.AnzFragen, 2);
    QStringList offen = s.Offene();
    offen.sort();
    EXPECT_EQ(offen, (QStringList{"Nord", "Ost"}));
}

TEST(ErgebnisStrecke, DauerEndetMitDemZeitlimitNichtMitDerMeldung)
{
    // A 15 s limit: the run ends at the first tick after 14 s. The pupil
    // leaves the time-limit box open for 8 s; that must not count.
    Strecke s;
    s.t.dok.Dok = BildDok({"A", "B", "C"});
    s.t.ui.werte.ZeitLimit = 1;
    s.t.ui.werte.ZLimitMin = "0";
    s.t.ui.werte.ZLimitSek = "15";
    s.t.umg.meldungen.waehrendOffen = [&](const QString &) { s.t.umg.uhr.Vorstellen(8000); };
    ASSERT_TRUE(s.t.ueb.UebungStarten({}));
    s.t.Ziehen("A", s.t.ObjektMit("A"));
    for (int i = 0; i < 200 && s.t.ui.ergebnisse == 0; ++i) {
        s.t.umg.uhr.Vorstellen(100);
        if (s.t.ui.timer)
            s.t.ueb.ZeitTimerTimer();
    }
    ASSERT_EQ(s.t.ueb.Lauf.Endestatus, EndeArt::Zeitlimit);
    const TBestList l = s.Liste();
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].Dauer, 14100);
    EXPECT_EQ(s.t.ueb.Lauf.Laufzeit, 14100);
    // The end time stored and the protocol's end agree with it.
    EXPECT_NEAR((s.t.ueb.Lauf.EndZeit - s.t.ueb.Lauf.StartZeit) * 86400.0, 14.0, 1e-6);
    EXPECT_EQ(s.fenster.inhalte.last().UebZeitLab, "00:00");
}

namespace {
// The network side of a participant as the completion reaches it.
struct BeitrittsNetz : IUebNetz
{
    bool zugelassen = true;
    int beitritte = 0;
    void AktionMelden() override {}
    void EndeMelden(bool) override {}
    void NetzDokumentSchliessen() override {}
    bool NetzUebungBeitreten() override
    {
        ++beitritte;
        return zugelassen;
    }
    QString NetzTeilnehmername() override { return "Ina"; }
    QString KomOrdner() override { return {}; }
    QString KomKanal() override { return {}; }
};
} // namespace

// What only the main window can do at the end of a run reaches it: the
// protocol is shown and saved, the menu option decides the entry, a failed
// entry opens the folder window.
TEST(ErgebnisStrecke, DasHauptfensterBedientProtokollMenueoptionUndOrdnerfenster)
{
    Strecke s;
    s.t.dok.Dok = BildDok({"A", "B"});
    s.t.ueb.Einst.AutoProtSpeichern = true;
    s.hauptfenster.eintragen = false;
    ASSERT_TRUE(s.t.ueb.UebungStarten({}));
    s.RichtigBis(1);
    ASSERT_EQ(s.t.ui.ergebnisse, 1);
    EXPECT_EQ(s.hauptfenster.dargestellt, 1);
    EXPECT_EQ(s.hauptfenster.autoGespeichert, 1);
    EXPECT_TRUE(s.Liste().isEmpty());
    EXPECT_TRUE(s.fenster.inhalte.last().InBestenlisteBtnSichtbar);
    EXPECT_EQ(s.hauptfenster.ordnerFenster, 0);

    // "In Bestenliste eintragen" into a folder that cannot take the file.
    Ordner().BestListOrdner = s.dir.path() + "/fehlt/";
    s.ablauf.InBestenlisteEintragen();
    EXPECT_FALSE(s.ablauf.InBestenliste);
    EXPECT_EQ(s.hauptfenster.ordnerFenster, 1);
}

TEST(ErgebnisStrecke, WiederholungEinesTeilnehmersGehtUeberDieNetzseite)
{
    Strecke s;
    EXPECT_FALSE(s.umgebung.NetzUebungBeitreten()); // no network side: nothing to join
    BeitrittsNetz netz;
    s.t.ueb.Netz = &netz;
    EXPECT_TRUE(s.umgebung.NetzUebungBeitreten());
    netz.zugelassen = false;
    EXPECT_FALSE(s.umgebung.NetzUebungBeitreten());
    EXPECT_EQ(netz.beitritte, 2);
    s.t.ueb.Netz = nullptr;
}
