// Tests of the feedback sounds of a run.
#include "UebTestUmgebung.h"

#include "Ordner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct KlangTest : ::testing::Test
{
    QTemporaryDir dir;
    QString alterOrdner;
    void SetUp() override
    {
        alterOrdner = Ordner().SoundOrdner;
        Ordner().SoundOrdner = dir.path() + "/";
    }
    void TearDown() override { Ordner().SoundOrdner = alterOrdner; }
    void Anlegen(const QString &name)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("RIFF");
    }
};

TEST_F(KlangTest, MissingWrongSoundReportsAndTheRunGoesOn)
{
    Anlegen("Richtig1.wav");
    UebTest t;
    t.ueb.Einst.Tonausgabe = true;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.Ziehen("Nord", t.ObjektMit("Süd"));
    EXPECT_EQ(t.umg.meldungen.Texte(), QStringList{"Sounddatei \"Falsch1.wav\" nicht gefunden."});
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    EXPECT_EQ(t.umg.klang.gespielt, QStringList{dir.filePath("Richtig1.wav")});
    t.Ziehen("Süd", t.ObjektMit("Süd"));
    EXPECT_EQ(t.ui.ergebnisse, 1);
}

TEST_F(KlangTest, NameGetsWavExtensionAndFolderPartIsUsedAsGiven)
{
    Anlegen("Ton.wav");
    UebTest t;
    t.ueb.Einst.Tonausgabe = true;
    EXPECT_TRUE(t.ueb.KlangSpielen("Ton.mp3", true));
    EXPECT_TRUE(t.ueb.KlangSpielen(dir.filePath("Ton"), false));
    EXPECT_FALSE(t.ueb.KlangSpielen("/nirgends/Ton", true));
    EXPECT_EQ(t.umg.klang.gespielt, (QStringList{dir.filePath("Ton.wav"), dir.filePath("Ton.wav")}));
    EXPECT_EQ(t.umg.meldungen.Texte(), QStringList{"Sounddatei \"/nirgends/Ton.wav\" nicht gefunden."});
}

TEST_F(KlangTest, SoundSwitchedOffPlaysNothingAndReportsNothing)
{
    UebTest t;
    t.ueb.Einst.Tonausgabe = false;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.Ziehen("Nord", t.ObjektMit("Süd"));
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    EXPECT_TRUE(t.umg.klang.gespielt.isEmpty());
    EXPECT_TRUE(t.umg.meldungen.Texte().isEmpty());
}
