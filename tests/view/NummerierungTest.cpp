// Tests of cover numbering in each mode and the number texts.
#include "DokumentModell.h"
#include "Nummerierung.h"
#include "SzenenHilfe.h"

#include <QLocale>

#include <deque>

#include <gtest/gtest.h>

namespace {
// Hands out a fixed sequence of draws.
class FolgeZufall : public IZufall
{
public:
    std::deque<int> zahlen;
    int Zahl(int n) override
    {
        const int z = zahlen.empty() ? 0 : zahlen.front();
        if (!zahlen.empty())
            zahlen.pop_front();
        return z % qMax(1, n);
    }
    double Bruch() override { return 0; }
};

Dokument Beschriftungen(const QList<QPair<double, double>> &orte, const QStringList &texte = {})
{
    Dokument d;
    for (int i = 0; i < orte.size(); ++i)
        d.Objekte << Objekt(ObjektTyp::Beschriftung, orte[i].first, orte[i].second,
                            i < texte.size() ? texte[i] : QString("L%1").arg(i));
    return d;
}

QList<int> Nummern(const Dokument &d)
{
    QList<int> n;
    for (const auto &o : d.Objekte)
        n << o.Nummer;
    return n;
}
} // namespace

TEST(Nummerierung, GeordnetNachLageVonObenNachUnten)
{
    Dokument d = Beschriftungen({{0.5, 0.2}, {0.1, 0.2}, {0.3, 0.1}});
    const FragenListe f = AbdeckerReihenfolge(d, NummerierArt::Geordnet, nullptr);
    NummernVergeben(d, f, NummerierArt::Geordnet);
    EXPECT_EQ(Nummern(d), QList<int>({3, 2, 1}));
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(f[0], (FragenPaar{-1, 2}));
}

TEST(Nummerierung, AlphabetischOhneRuecksichtAufGrossschreibung)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Dokument d = Beschriftungen({{0.1, 0.1}, {0.2, 0.2}, {0.3, 0.3}, {0.4, 0.4}}, {"beta", "Alpha", "gamma", "Äpfel"});
    d.GeordnetArt = 1;
    NummernVergeben(d, AbdeckerReihenfolge(d, NummerierArt::Geordnet, nullptr), NummerierArt::Geordnet);
    // The umlaut sorts with its base letter, not after "z".
    EXPECT_EQ(Nummern(d), QList<int>({3, 1, 4, 2}));
    QLocale::setDefault(QLocale::c());
}

TEST(Nummerierung, ZufallTauschtMitAllenPlaetzen)
{
    Dokument d = Beschriftungen({{0.1, 0.1}, {0.2, 0.2}, {0.3, 0.3}});
    FolgeZufall z;
    z.zahlen = {2, 0, 1};
    // [0,1,2] -> swap(0,2) [2,1,0] -> swap(1,0) [1,2,0] -> swap(2,1) [1,0,2]
    const FragenListe f = AbdeckerReihenfolge(d, NummerierArt::Zufaellig, &z);
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(f[0].ZielObjekt, 1);
    EXPECT_EQ(f[1].ZielObjekt, 0);
    EXPECT_EQ(f[2].ZielObjekt, 2);
    NummernVergeben(d, f, NummerierArt::Zufaellig);
    EXPECT_EQ(Nummern(d), QList<int>({2, 1, 3}));
}

TEST(Nummerierung, FragezeichenModusUndEinzelfragen)
{
    Dokument d = Beschriftungen({{0.5, 0.2}, {0.1, 0.2}});
    d.Objekte << Objekt(ObjektTyp::TextOhneAbdeckung, 0.1, 0.1, "fest");
    const FragenListe f = AbdeckerReihenfolge(d, NummerierArt::Fragezeichen, nullptr);
    EXPECT_EQ(f.size(), 2);
    EXPECT_EQ(f[0].ZielObjekt, 0);
    NummernVergeben(d, f, NummerierArt::Fragezeichen);
    EXPECT_EQ(Nummern(d), QList<int>({0, 0, -1}));

    Dokument e;
    e.DokTyp = DokArt::Einzelfragen;
    e.Objekte << Objekt(ObjektTyp::FrageText, 0.1, 0.4, "F") << Objekt(ObjektTyp::Antwort, 0.2, 0.6, "A")
              << Objekt(ObjektTyp::Beschriftung, 0.2, 0.2, "kein Ziel hier");
    for (NummerierArt modus : {NummerierArt::Fragezeichen, NummerierArt::Geordnet, NummerierArt::Zufaellig}) {
        StdZufall z(7);
        const FragenListe g = AbdeckerReihenfolge(e, modus, &z);
        ASSERT_EQ(g.size(), 1);
        EXPECT_EQ(g[0].ZielObjekt, 1);
        NummernVergeben(e, g, modus);
        EXPECT_EQ(e.Objekte[1].Nummer, 0);
    }
    EXPECT_EQ(AbdeckbareAnzahl(e), 1);
    EXPECT_TRUE(AbdeckerReihenfolge(Dokument{}, NummerierArt::Geordnet, nullptr).isEmpty());
}

TEST(Nummerierung, NummerTexte)
{
    EXPECT_EQ(NummerText(0, 1), "?");
    EXPECT_EQ(NummerText(-1, 0), "?");
    EXPECT_EQ(NummerText(3, 1), "C");
    EXPECT_EQ(NummerText(26, 1), "Z");
    EXPECT_EQ(NummerText(27, 1), "A'");
    EXPECT_EQ(NummerText(52, 1), "Z'");
    EXPECT_EQ(NummerText(53, 1), "A''");
    EXPECT_EQ(NummerText(27, 0), "27");
    EXPECT_EQ(NummerText(27, 2), "27");
}

TEST(Nummerierung, SetzenMerktDenModusUndLaesstAbdeckungen)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "a") << Objekt(ObjektTyp::Luecke, 0.2, 0.2, "b");
    t.Obj(0).Abdeckung = 0;
    t.szene.SzeneAufbauen();
    t.szene.NummerierungSetzen(NummerierArt::Geordnet, true);
    EXPECT_EQ(t.szene.NummerierModus, NummerierArt::Geordnet);
    EXPECT_EQ(t.szene.FragenFolge.size(), 2);
    EXPECT_EQ(t.Obj(1).Nummer, 1);
    EXPECT_EQ(t.Obj(0).Nummer, 2);
    EXPECT_EQ(t.Obj(0).Abdeckung, 0);
    EXPECT_EQ(t.szene.AbdeckerText(1), "1");
    t.zustand.Dok.NumArt = 1;
    EXPECT_EQ(t.szene.AbdeckerText(0), "B");
    t.szene.NummerierungSetzen(NummerierArt::Fragezeichen, true);
    EXPECT_EQ(t.szene.NummerierModus, NummerierArt::Fragezeichen);
    EXPECT_EQ(t.szene.AbdeckerText(0), "?");
}
