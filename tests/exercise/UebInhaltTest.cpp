// Every shipped topic can be played to its end.
#include "UebTestUmgebung.h"

#include "DokumentDatei.h"
#include "UebTexte.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

class Thema : public ::testing::TestWithParam<QString>
{
};

TEST_P(Thema, PlaysToTheEndWithRightAnswers)
{
    UebTest t;
    QFile f(QStringLiteral(PENNORIA_QUELLE "/content/") + GetParam());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_TRUE(DokumentLesen(f, t.dok.Dok));
    t.dok.Dok.DateiName = f.fileName();
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int fragen = t.ueb.Lauf.AnzFragen;
    if (t.dok.Dok.Titel.toLower().contains("zufällig")) {
        EXPECT_EQ(fragen, std::min(20, t.dok.Dok.AnzFrageNummern));
    }
    for (int runde = 0; runde < 2 * fragen + 5 && t.ui.ergebnisse == 0; ++runde) {
        if (t.ueb.Einzelfragen()) {
            t.Antworten(t.AktuelleAntwort());
            continue;
        }
        // Picture and cloze: pick a visible text and drop it on an open
        // target with the same text.
        for (const auto &[i, feld] : t.ueb.Felder()) {
            if (!feld.Sichtbar)
                continue;
            int ziel = -1;
            for (int k = 0; k < t.dok.Dok.Objekte.size() && ziel < 0; ++k)
                if (t.ueb.IstFrageObjekt(k) && t.dok.Dok.Objekte[k].Abdeckung == AbdeckungsArt::OffeneFrage
                    && TextNormalisieren(t.dok.Dok.Objekte[k].Cap)
                           == TextNormalisieren(t.dok.Dok.Objekte[feld.Tag].Cap))
                    ziel = k;
            if (ziel < 0)
                continue;
            t.ueb.FeldAnklicken(i);
            ASSERT_TRUE(t.ueb.ZielAnklicken(ziel));
            break;
        }
    }
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.ueb.Lauf.AnzRichtig, fragen);
    EXPECT_EQ(t.ueb.Lauf.AnzFalsch, 0);
    EXPECT_EQ(t.ui.status.GesamtleistungLab, "100.0 %");
    EXPECT_TRUE(t.umg.meldungen.Texte().isEmpty()) << t.umg.meldungen.Texte().join("|").toStdString();
}

static std::vector<QString> Themen()
{
    std::vector<QString> l;
    for (const QString &n : QDir(QStringLiteral(PENNORIA_QUELLE "/content/")).entryList({"*.tvl"}, QDir::Files))
        l.push_back(n);
    return l;
}

INSTANTIATE_TEST_SUITE_P(Inhalt, Thema, ::testing::ValuesIn(Themen()), [](const ::testing::TestParamInfo<QString> &i) {
    QString n = i.param;
    n.remove(QStringLiteral(".tvl")).remove(QChar('-'));
    return n.toStdString();
});
