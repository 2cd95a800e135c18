// The flag documents' gallery in the learning view: its contents, its
// pages at every size, covers, clicks and page buttons.
#include "BildDatei.h"
#include "FlaggenGalerie.h"
#include "SzenenHilfe.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A flag document of n questions as the shipped ones are built: per
// question the heading "Frage:", the question box with its image and the
// answer. Question 1's image is red, the others blue.
struct Galerie : SzenenTest
{
    QTemporaryDir prog;

    explicit Galerie(int n, QSize steuer = QSize(870, 650))
    {
        EXPECT_TRUE(QDir(prog.path()).mkdir("Flaggen"));
        EXPECT_TRUE(PngSchreibenDatei(prog.path() + "/Flaggen/rot.png", Einfarbig(270, 160, QColor(250, 0, 0))));
        EXPECT_TRUE(PngSchreibenDatei(prog.path() + "/Flaggen/blau.png", Einfarbig(160, 160, QColor(0, 0, 250))));
        Dokument &d = zustand.Dok;
        d.DokTyp = DokArt::Einzelfragen;
        d.AnzFrageNummern = n;
        for (int q = 1; q <= n; ++q) {
            DokObjekt kopf = Objekt(ObjektTyp::FrageText, 0.1, 0.175, "Frage:");
            DokObjekt frage = Objekt(ObjektTyp::FrageText, 0.1, 0.4,
                                     QString("<@flaggenfrage><@img=%1>").arg(q == 1 ? "rot.png" : "blau.png"));
            DokObjekt antwort = Objekt(ObjektTyp::Antwort, 0.6, 0.5, QString("Land %1").arg(q));
            kopf.FrageNummer = frage.FrageNummer = antwort.FrageNummer = q;
            d.Objekte << kopf << frage << antwort;
        }
        szene.ProgOrdner = prog.path();
        szene.SteuerGroesse = steuer;
        szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
        szene.LernansichtSichtbar = true;
        szene.SzeneAufbauen();
    }
    GalerieRaster Raster() const { return GalerieAufteilen(szene.SzenenBild.size(), szene.GalerieMassstab()); }
    // The control pixel at a picture pixel (100 %: the display's offset).
    QPoint Steuer(QPoint bildPunkt) const { return bildPunkt + szene.BildVersatz(); }
    int Zaehle(const QRect &r, QColor c) const
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += Szenenfarbe(x, y) == c;
        return n;
    }
};
} // namespace

TEST(FlaggenGalerie, EintraegeInDokumentReihenfolgeNurMitBild)
{
    Dokument d;
    d.DokTyp = DokArt::Einzelfragen;
    auto frage = [&d](int q, const QString &cap) {
        DokObjekt o = Objekt(ObjektTyp::FrageText, 0.1, 0.4, cap);
        o.FrageNummer = q;
        d.Objekte << o;
    };
    auto antwort = [&d](int q, const QString &cap) {
        DokObjekt o = Objekt(ObjektTyp::Antwort, 0.5, 0.5, cap);
        o.FrageNummer = q;
        d.Objekte << o;
    };
    frage(2, "Frage:");
    frage(2, "<@flaggenfrage><@img=fr.png>");
    antwort(1, "Deutsch-\nland");
    frage(1, "<@img=de.png> Welches Land?");
    frage(1, "<@img=at.png>"); // a second image box of the same question
    frage(3, "Ohne Bild");
    antwort(3, "Nirgendwo");
    antwort(2, "Frankreich");
    const QList<GalerieEintrag> erwartet{{2, "fr.png", "Frankreich"}, {1, "de.png", "Deutsch- land"}};
    EXPECT_EQ(GalerieEintraege(d), erwartet);

    // Only single-question documents have a gallery.
    for (DokArt art : {DokArt::Bildbeschriftung, DokArt::Lueckentext}) {
        d.DokTyp = art;
        EXPECT_TRUE(GalerieEintraege(d).isEmpty());
    }
}

TEST(FlaggenGalerie, SeitePasstBeiJederGroesseUndZoomstufe)
{
    // From the smallest window to full screen, at 100 % and 200 %.
    const QSize steuer[] = {{716, 520}, {870, 650}, {1200, 800}, {1733, 968}, {1903, 1000}};
    int proSeite = -1;
    for (const QSize g : steuer)
        for (int zoom : {0, 4}) {
            Galerie t(30, g);
            t.szene.ZoomWechseln(zoom);
            const GalerieRaster r = t.Raster();
            const QRect bild = t.szene.SzenenBild.rect();
            // The same flags on a page at every size: the page fits the view.
            if (proSeite < 0)
                proSeite = r.ProSeite();
            EXPECT_EQ(r.ProSeite(), proSeite) << g.width() << "x" << g.height() << " " << zoom;
            EXPECT_GT(r.ProSeite(), 1);
            for (int k = 0; k < r.ProSeite(); ++k) {
                const QRect zelle = r.Zelle(k), flagge = r.Flaggenfeld(k), name = r.Namensfeld(k);
                EXPECT_TRUE(bild.contains(zelle)) << k;
                EXPECT_TRUE(zelle.contains(flagge) && zelle.contains(name)) << k;
                EXPECT_LT(flagge.bottom(), name.top()) << k;
                EXPECT_FALSE(zelle.intersects(r.zurueck) || zelle.intersects(r.weiter)) << k;
                EXPECT_EQ(r.ZelleAn(name.center()), k);
                for (int j = 0; j < k; ++j)
                    EXPECT_FALSE(zelle.intersects(r.Zelle(j))) << j << " " << k;
            }
            EXPECT_TRUE(bild.contains(r.zurueck) && bild.contains(r.weiter) && bild.contains(r.seitenText));
            EXPECT_FALSE(r.seitenText.intersects(r.zurueck) || r.seitenText.intersects(r.weiter));
        }
}

TEST(FlaggenGalerie, FlaggenMitVerdecktenNamenUndKlickDecktAuf)
{
    Galerie t(3);
    ASSERT_TRUE(t.szene.GalerieAktiv());
    const GalerieRaster r = t.Raster();
    // The first flag is drawn in its room, shrunk to fit and centred.
    EXPECT_GT(t.Zaehle(r.Flaggenfeld(0), QColor(250, 0, 0)), r.Flaggenfeld(0).width() * 10);
    EXPECT_EQ(t.Zaehle(r.Flaggenfeld(1), QColor(250, 0, 0)), 0);
    EXPECT_GT(t.Zaehle(r.Flaggenfeld(1), QColor(0, 0, 250)), 0);
    // Names covered; a click on the cell uncovers the name, another covers it.
    const QColor deck(202, 228, 255);
    const QRect name = r.Namensfeld(1);
    EXPECT_GT(t.Zaehle(name, deck), name.width() * name.height() / 2);
    const KlickErgebnis e = t.szene.Klick(t.Steuer(r.Flaggenfeld(1).center()));
    EXPECT_EQ(e.aktion, KlickAktion::Umgeschaltet);
    EXPECT_TRUE(t.szene.GalerieOffen.contains(2));
    EXPECT_EQ(t.Zaehle(name, deck), 0);
    EXPECT_GT(t.Zaehle(name, Qt::black), 0);
    // The display shows it at once.
    EXPECT_EQ(QColor(t.szene.AnzeigeBild.pixel(name.center() - QPoint(t.szene.ScrollX, t.szene.ScrollY))),
              t.Szenenfarbe(name.center().x(), name.center().y()));
    t.szene.Klick(t.Steuer(name.center()));
    EXPECT_FALSE(t.szene.GalerieOffen.contains(2));
    // An empty cell and the page buttons of a single page do nothing.
    EXPECT_EQ(t.szene.Klick(t.Steuer(r.Zelle(r.ProSeite() - 1).center())).aktion, KlickAktion::Keine);
    EXPECT_EQ(t.szene.Klick(t.Steuer(r.weiter.center())).aktion, KlickAktion::Keine);

    // Uncover all / cover all.
    t.szene.AlleAufdecken();
    EXPECT_EQ(t.szene.GalerieOffen, (QSet<int>{1, 2, 3}));
    EXPECT_EQ(t.Zaehle(r.Namensfeld(0), deck), 0);
    t.szene.AlleAbdecken();
    EXPECT_TRUE(t.szene.GalerieOffen.isEmpty());
    EXPECT_GT(t.Zaehle(r.Namensfeld(0), deck), 0);
}

TEST(FlaggenGalerie, SeitenknoepfeBlaetternBisZumRand)
{
    Galerie t(30);
    const GalerieRaster r = t.Raster();
    const int seiten = t.szene.GalerieSeiten();
    ASSERT_GT(seiten, 1);
    EXPECT_EQ(t.szene.Klick(t.Steuer(r.zurueck.center())).aktion, KlickAktion::Keine); // already the first
    for (int s = 1; s < seiten; ++s) {
        EXPECT_EQ(t.szene.Klick(t.Steuer(r.weiter.center())).aktion, KlickAktion::Navigiert);
        EXPECT_EQ(t.szene.GalerieSeite, s);
    }
    EXPECT_EQ(t.szene.Klick(t.Steuer(r.weiter.center())).aktion, KlickAktion::Keine);
    EXPECT_EQ(t.szene.GalerieSeite, seiten - 1);
    // The last page holds the rest; its first name belongs to its question.
    const int erste = (seiten - 1) * r.ProSeite() + 1;
    t.szene.Klick(t.Steuer(r.Namensfeld(0).center()));
    EXPECT_TRUE(t.szene.GalerieOffen.contains(erste));
    // A rebuild (zoom, resize) keeps page and covers.
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.szene.GalerieSeite, seiten - 1);
    EXPECT_TRUE(t.szene.GalerieOffen.contains(erste));
    t.szene.GalerieZuruecksetzen();
    EXPECT_EQ(t.szene.GalerieSeite, 0);
    EXPECT_TRUE(t.szene.GalerieOffen.isEmpty());
}

TEST(FlaggenGalerie, NurInDerLernansicht)
{
    const struct
    {
        const char *was;
        AnsichtArt modus;
        bool sichtbar;
        int fragenOhneBild;
        bool aktiv;
    } faelle[] = {
        {"Lernansicht", AnsichtArt::Startseite, true, 0, true},
        {"Quiz", AnsichtArt::Quiz, true, 0, false},
        {"unter der Startseite", AnsichtArt::Startseite, false, 0, false},
    };
    for (const auto &f : faelle) {
        Galerie t(2);
        t.szene.Zustand.AnsichtModus = f.modus;
        t.szene.LernansichtSichtbar = f.sichtbar;
        EXPECT_EQ(t.szene.GalerieAktiv(), f.aktiv) << f.was;
    }
    // A flag that cannot be read leaves an empty room, nothing else.
    Galerie kaputt(2);
    QFile::remove(kaputt.prog.path() + "/Flaggen/rot.png");
    QFile f(kaputt.prog.path() + "/Flaggen/blau.png");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG kaputt");
    f.close();
    kaputt.szene.SzeneAufbauen();
    EXPECT_EQ(kaputt.Zaehle(kaputt.Raster().Flaggenfeld(0), QColor(250, 0, 0)), 0);
    EXPECT_TRUE(kaputt.umgebung.meldungen.Texte().isEmpty());
}
