// Tests of the user settings: defaults, round trip, names, wrong values.
#include "Einstellungen.h"
#include "EinstellungsSpeicher.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Speicher
{
    QTemporaryDir tmp;
    QString pfad = tmp.path() + "/Pennoria.conf";
    std::unique_ptr<QSettings> s = std::make_unique<QSettings>(pfad, QSettings::IniFormat);
    void Neu()
    {
        s->sync();
        s = std::make_unique<QSettings>(pfad, QSettings::IniFormat);
    }
};
}

TEST(Einstellungen, FirstRunKeepsDefaults)
{
    Speicher sp;
    Einstellungen e;
    e.ProtOrdner = "/prog/protokolle/";
    LeseEinstellungen(*sp.s, e);
    EXPECT_TRUE(e.OptSound);
    EXPECT_TRUE(e.OptUebNameEingabe);
    EXPECT_FALSE(e.OptAutoProtSpeichern);
    EXPECT_TRUE(e.OptErgebBestListEintragen);
    EXPECT_EQ(e.NetzKomKanal, "TVL-1");
    EXPECT_EQ(e.ProtOrdner, "/prog/protokolle/");
    EXPECT_EQ(e.UebOpt.ZLimitMin, "3");
    EXPECT_EQ(e.UebOpt.Zuordnungsziele, 1);
}

TEST(Einstellungen, RoundTripInFixedOrderAndTypes)
{
    Speicher sp;
    Einstellungen e;
    e.OptSound = false;
    e.OptAutoProtSpeichern = true;
    e.NetzKomOrdner = "/netz/kom";
    e.NetzKomKanal = "TVL-7";
    e.ProtOrdner = "/p/";
    e.BestListOrdner = "/b/";
    e.UebOpt.AbfrageModus = 2;
    e.UebOpt.ZeitLimit = 1;
    e.UebOpt.ZLimitMin = "12";
    e.UebOpt.FragenZuordnungsziele = 0;
    e.UebOpt.FragenZLimitSek = "45";
    e.ArbeitsblattWortlisteBlatt = false;
    SchreibeEinstellungen(*sp.s, e);
    sp.Neu();
    EXPECT_EQ(sp.s->childKeys().size(), 24);
    Einstellungen r;
    LeseEinstellungen(*sp.s, r);
    EXPECT_FALSE(r.OptSound);
    EXPECT_TRUE(r.OptAutoProtSpeichern);
    EXPECT_EQ(r.NetzKomOrdner, "/netz/kom"); // used as stored, no "/" added
    EXPECT_EQ(r.NetzKomKanal, "TVL-7");
    EXPECT_EQ(r.UebOpt.AbfrageModus, 2);
    EXPECT_EQ(r.UebOpt.ZeitLimit, 1);
    EXPECT_EQ(r.UebOpt.ZLimitMin, "12");
    EXPECT_EQ(r.UebOpt.FragenZuordnungsziele, 0);
    EXPECT_EQ(r.UebOpt.FragenZLimitSek, "45");
    EXPECT_FALSE(r.ArbeitsblattWortlisteBlatt);
    EXPECT_EQ(sp.s->value("Opt-Sound").toString(), "0");
}

TEST(Einstellungen, NamesMatchWithoutRegardToCase)
{
    Speicher sp;
    sp.s->setValue("UebOpt-Zeitlimit", 1); // as the reader spells it, by hand
    sp.s->setValue("opt-sound", 0);
    sp.s->setValue("OPT-PROTORDNER", "/hand/geschrieben");
    sp.Neu();
    Einstellungen e;
    LeseEinstellungen(*sp.s, e);
    EXPECT_EQ(e.UebOpt.ZeitLimit, 1);
    EXPECT_FALSE(e.OptSound);
    EXPECT_EQ(e.ProtOrdner, "/hand/geschrieben");

    SchreibeEinstellungen(*sp.s, e);
    sp.Neu();
    const QStringList k = sp.s->childKeys();
    EXPECT_TRUE(k.contains("UebOpt-ZeitLimit"));
    EXPECT_FALSE(k.contains("UebOpt-Zeitlimit"));
    EXPECT_FALSE(k.contains("opt-sound"));
    EXPECT_FALSE(k.contains("OPT-PROTORDNER"));
    EXPECT_EQ(k.size(), 24);
    EXPECT_EQ(sp.s->value("UebOpt-ZeitLimit").toInt(), 1);
}

TEST(Einstellungen, WrongKindOrRangeKeepsDefault)
{
    Speicher sp;
    sp.s->setValue("Opt-Sound", "ja");       // not an integer
    sp.s->setValue("Opt-UebNameEingabe", 7); // any non-zero is on
    sp.s->setValue("Opt-ErgebBestListEintragen", 0);
    sp.s->setValue("UebOpt-AbfrageModus", 3); // only 0..2
    sp.s->setValue("UebOpt-Zuordnungsziele", -1);
    sp.s->setValue("UebOptFragen-Zuordnungsziele", 2); // only 0..1 here
    sp.s->setValue("UebOpt-ZLimitMin", "75");          // minutes 0..59
    sp.s->setValue("UebOpt-ZLimitSek", "x");
    sp.s->setValue("NetzKomKanal", "../../home"); // would reach another folder
    sp.s->setValue("Opt-BestListOrdner", "");     // empty folder
    sp.s->setValue("NetzKomOrdner", QStringList{"a", "b"});
    sp.Neu();
    Einstellungen e;
    e.BestListOrdner = "/prog/bestenlisten/";
    e.NetzKomOrdner = "/prog/kom/";
    e.OptUebNameEingabe = false;
    LeseEinstellungen(*sp.s, e);
    EXPECT_TRUE(e.OptSound);
    EXPECT_TRUE(e.OptUebNameEingabe);
    EXPECT_FALSE(e.OptErgebBestListEintragen);
    EXPECT_EQ(e.UebOpt.AbfrageModus, 0);
    EXPECT_EQ(e.UebOpt.Zuordnungsziele, 1);
    EXPECT_EQ(e.UebOpt.FragenZuordnungsziele, 1);
    EXPECT_EQ(e.UebOpt.ZLimitMin, "3");
    EXPECT_EQ(e.UebOpt.ZLimitSek, "0");
    EXPECT_EQ(e.NetzKomKanal, "TVL-1");
    EXPECT_EQ(e.BestListOrdner, "/prog/bestenlisten/");
    EXPECT_EQ(e.NetzKomOrdner, "/prog/kom/");
}

TEST(EinstellungsSpeicher, WritingReplacesOtherSpellings)
{
    Speicher sp;
    EinstellungsSpeicher e(*sp.s);
    sp.s->setValue("opt-sound", 1);
    sp.s->setValue("OPT-SOUND", 1);
    e.SchreibeSchalter("Opt-Sound", false);
    EXPECT_EQ(sp.s->childKeys(), QStringList{"Opt-Sound"});
    bool an = true;
    EXPECT_TRUE(e.LeseSchalter("OPT-sound", an));
    EXPECT_FALSE(an);
    int z = 5;
    EXPECT_FALSE(e.LeseZahl("fehlt", z, 0, 9));
    EXPECT_EQ(z, 5);
}
