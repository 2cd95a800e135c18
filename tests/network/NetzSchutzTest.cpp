// What protects a class's exercise: only its initiator removes its files,
// a second teacher on the channel is asked or refused, and the class list
// is not cleared without a question.
#include "NetzDateien.h"
#include "NetzEndpunkt.h"
#include "NetzTestHilfen.h"

#include "BestListDatei.h"
#include "Ordner.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
class NetzSchutzTest : public ::testing::Test
{
protected:
    QTemporaryDir kom, listenOrdner;
    std::unique_ptr<NetzEndpunkt> lehrer;

    void SetUp() override
    {
        Ordner().NetzKomOrdner = kom.path() + "/";
        Ordner().NetzKomKanal = "7b";
        Ordner().BestListOrdner = listenOrdner.path() + "/";
        lehrer = Lehrer("127.0.0.1", FreiePortBasis("7b", 21));
        lehrer->netz.Netzwerkuebunginitiieren1Click();
        ASSERT_EQ(lehrer->ueb.Lauf.NetzRolle, Rolle::Initiator);
    }
    QString Basis() const { return kom.path() + "/7b-tvlnetzuebung"; }

    static std::unique_ptr<NetzEndpunkt> Lehrer(const QString &rechner, int portBasis)
    {
        auto e = std::make_unique<NetzEndpunkt>(rechner, portBasis);
        e->QuizGeben("Quiz von " + rechner, {"Frage A // Aa", "Frage B // Bb"});
        return e;
    }

    QString Master() const
    {
        QString m;
        UebOptionen o;
        return NetzDatLesen(Basis() + ".dat", m, o) ? m : QString();
    }

    int Listeneintraege() const
    {
        TBestList l;
        return BestListLesen(Basis() + ".hsc", l) ? int(l.size()) : -1;
    }

    void ErgebnisEintragen()
    {
        BestListDatensatz d;
        d.Name = "Mia";
        d.Rechner = "pc-02";
        d.Dauer = 5000;
        d.Leistung = 0.5;
        ASSERT_TRUE(lehrer->listen.ErgebnisEintragen(true, QString(), d));
    }
};
} // namespace

// However a program that did not initiate the exercise ends, the exercise
// stays for the class.
TEST_F(NetzSchutzTest, NurDerInitiatorEntferntDieDateien)
{
    enum class Weg { Leerlauf, ImLauf, NachDemLauf, BeendenBefehl };
    for (Weg weg : {Weg::Leerlauf, Weg::ImLauf, Weg::NachDemLauf, Weg::BeendenBefehl}) {
        auto s = std::make_unique<NetzEndpunkt>("pc-02", lehrer->netz.MasterMailslot.PortBasis);
        if (weg == Weg::ImLauf || weg == Weg::NachDemLauf) {
            s->netz.Netzwerkuebung1Click();
            ASSERT_EQ(s->ueb.Lauf.NetzRolle, Rolle::Teilnehmer) << int(weg);
        }
        if (weg == Weg::NachDemLauf)
            for (int i = 0; i < 6 && s->ui.ergebnisse == 0; ++i)
                s->Antworten(s->AktuelleAntwort());
        if (weg == Weg::ImLauf)
            s->netz.TeilnahmeAbbrechen();
        if (weg == Weg::BeendenBefehl)
            s->netz.LehrerNetzwerkUebungbeenden1Click();
        s->netz.ProgrammEnde();
        s.reset();
        EXPECT_TRUE(NetzUebungVorhanden(Basis())) << int(weg);
        // The next pupil can still join.
        NetzEndpunkt naechster("pc-03", lehrer->netz.MasterMailslot.PortBasis);
        EXPECT_TRUE(naechster.netz.NetzUebungBeitreten()) << int(weg);
    }
    lehrer->netz.ProgrammEnde();
    EXPECT_FALSE(NetzUebungVorhanden(Basis()));
    for (const char *e : {".tvl", ".dat", ".okx"})
        EXPECT_FALSE(QFile::exists(Basis() + e)) << e;
}

TEST_F(NetzSchutzTest, ZweitesProgrammDesRechnersWirdAbgewiesen)
{
    ErgebnisEintragen();
    const DateiMarke vorher = DateiMarkeVon(Basis() + ".dat");
    auto zweiter = Lehrer("127.0.0.1", lehrer->netz.MasterMailslot.PortBasis);
    zweiter->netz.Netzwerkuebunginitiieren1Click();
    ASSERT_EQ(zweiter->umg.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(zweiter->umg.meldungen.protokoll[0].art, "Warnung");
    EXPECT_TRUE(zweiter->umg.meldungen.protokoll[0].text.contains("Die Übung wurde nicht freigegeben."));
    EXPECT_EQ(zweiter->ueb.Lauf.NetzRolle, Rolle::Einzeln);
    EXPECT_EQ(zweiter->fenster.kontrollanzeigen, 0);
    // Nothing of the first one's exercise was touched.
    EXPECT_EQ(DateiMarkeVon(Basis() + ".dat"), vorher);
    EXPECT_EQ(Listeneintraege(), 1);
    EXPECT_TRUE(lehrer->netz.MasterMailslot.Active());
    // Its end removes nothing either.
    zweiter->netz.ProgrammEnde();
    EXPECT_TRUE(NetzUebungVorhanden(Basis()));
}

TEST_F(NetzSchutzTest, FremdeUebungNurNachFrageErsetzt)
{
    const QString frage = "Auf diesem Kanal läuft bereits eine Netzwerk-Übung von 127.0.0.1. Ersetzen?";
    const struct
    {
        Antwort antwort;
        bool ersetzt;
    } faelle[] = {{Antwort::Nein, false}, {Antwort::Ja, true}};
    for (const auto &f : faelle) {
        auto zweiter = Lehrer("raum-12", FreiePortBasis("7b", 22));
        zweiter->umg.meldungen.antworten = {f.antwort};
        zweiter->netz.Netzwerkuebunginitiieren1Click();
        EXPECT_EQ(zweiter->umg.meldungen.Texte(), QStringList({frage}));
        EXPECT_EQ(Master(), f.ersetzt ? "raum-12" : "127.0.0.1");
        EXPECT_EQ(zweiter->ueb.Lauf.NetzRolle, f.ersetzt ? Rolle::Initiator : Rolle::Einzeln);
        EXPECT_EQ(zweiter->netz.MasterMailslot.Active(), f.ersetzt);
        if (!f.ersetzt)
            continue;
        // The first teacher's end leaves the exercise that replaced its own.
        lehrer->umg.meldungen.antworten = {Antwort::Ja};
        lehrer->netz.LehrerNetzwerkUebungbeenden1Click();
        lehrer->netz.ProgrammEnde();
        EXPECT_TRUE(NetzUebungVorhanden(Basis()));
        EXPECT_EQ(Master(), "raum-12");
        // Its own exercise again, later, is replaced without the question.
        zweiter->umg.meldungen.Leeren();
        zweiter->netz.Netzwerkuebunginitiieren1Click();
        EXPECT_TRUE(zweiter->umg.meldungen.protokoll.empty());
        zweiter->netz.ProgrammEnde();
        EXPECT_FALSE(NetzUebungVorhanden(Basis()));
    }
}

TEST_F(NetzSchutzTest, KlassenlisteNurNachFrageGeleert)
{
    // Without results nothing is asked.
    lehrer->netz.Netzwerkuebunginitiieren1Click();
    EXPECT_TRUE(lehrer->umg.meldungen.protokoll.empty());
    const struct
    {
        int eintraege;
        Antwort antwort;
        QString frage;
    } faelle[] = {
        {1, Antwort::Nein,
         "Das Ergebnis der Klassen-Bestenliste wird beim Initiieren gelöscht, und die Kontrollanzeige wird "
         "geleert. Fortfahren?"},
        {2, Antwort::Nein,
         "Die 2 Ergebnisse der Klassen-Bestenliste werden beim Initiieren gelöscht, und die Kontrollanzeige wird "
         "geleert. Fortfahren?"},
        {2, Antwort::Ja, ""},
    };
    for (const auto &f : faelle) {
        while (Listeneintraege() < f.eintraege)
            ErgebnisEintragen();
        TnNachricht n;
        n.Kennung = QString(30, 'K');
        lehrer->netz.Kontrolle.Verarbeiten("pc-02", "mia", n);
        lehrer->umg.meldungen.Leeren();
        lehrer->umg.meldungen.antworten = {f.antwort};
        lehrer->netz.Netzwerkuebunginitiieren1Click();
        ASSERT_EQ(lehrer->umg.meldungen.protokoll.size(), 1u);
        if (!f.frage.isEmpty()) {
            EXPECT_EQ(lehrer->umg.meldungen.protokoll[0].text, f.frage);
        }
        const bool geleert = f.antwort == Antwort::Ja;
        EXPECT_EQ(Listeneintraege(), geleert ? -1 : f.eintraege);
        EXPECT_EQ(lehrer->netz.Kontrolle.Zeilen().isEmpty(), geleert);
        // Refusing keeps the running exercise as it was.
        EXPECT_EQ(lehrer->ueb.Lauf.NetzRolle, Rolle::Initiator);
        EXPECT_TRUE(lehrer->netz.MasterMailslot.Active());
    }
}
