// Tests of clicks in the learning view: covers, links and navigation.
#include "SzenenHilfe.h"

#include <gtest/gtest.h>

namespace {
// A single-question document with n questions and the five buttons.
void Einzelfragen(SzenenTest &t, int n)
{
    Dokument &d = t.zustand.Dok;
    d.DokTyp = DokArt::Einzelfragen;
    d.AnzFrageNummern = n;
    for (int k = 1; k <= n; ++k) {
        DokObjekt a = Objekt(ObjektTyp::Antwort, 0.225, 0.6, QString("Antwort %1").arg(k));
        a.FrageNummer = k;
        d.Objekte << a;
    }
    const double xs[] = {0.1, 0.16, 0.22, 0.28, 0.34};
    const int typen[] = {ObjektTyp::ErsteFrage, ObjektTyp::VorigeFrage, ObjektTyp::NaechsteFrage,
                         ObjektTyp::LetzteFrage, ObjektTyp::ZufallsFrage};
    for (int i = 0; i < 5; ++i)
        d.Objekte << Objekt(typen[i], xs[i], 0.775, "", 2);
}

int Knopf(const SzenenTest &t, int typ)
{
    for (int i = 0; i < t.zustand.Dok.Objekte.size(); ++i)
        if (t.zustand.Dok.Objekte[i].Typ == typ)
            return i;
    return -1;
}
} // namespace

TEST(Klick, AbdeckerWirdUmgeschaltet)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "Beschriftung")
                          << Objekt(ObjektTyp::TextOhneAbdeckung, 0.6, 0.6, "fest");
    t.szene.SzeneAufbauen();
    const QPoint p = t.BoxMitte(0);
    KlickErgebnis e = t.szene.Klick(p);
    EXPECT_EQ(e.aktion, KlickAktion::Umgeschaltet);
    EXPECT_EQ(t.Obj(0).Abdeckung, 0);
    t.szene.Klick(p);
    EXPECT_EQ(t.Obj(0).Abdeckung, -1);
    t.Obj(0).Abdeckung = AbdeckungsArt::Aufgegeben;
    t.szene.Klick(p);
    EXPECT_EQ(t.Obj(0).Abdeckung, -1);

    // A fixed caption does not react; a hidden layer cannot be hit.
    EXPECT_EQ(t.szene.Klick(t.BoxMitte(1)).aktion, KlickAktion::Keine);
    t.szene.Ebene1Check = false;
    EXPECT_EQ(t.szene.ObjektAn(p.x(), p.y()), -1);
    EXPECT_EQ(t.szene.ObjektAn(2, 2), -1);
}

TEST(Klick, TrefferZaehltLinksObenEinUndRechtsUntenAus)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Infopunkt, 0.5, 0.5, "i", 2);
    t.szene.SzeneAufbauen();
    const DokObjekt &o = t.Obj(0);
    const QPoint lo = t.szene.AnzeigePixel(o.Rahmen.Left, o.Rahmen.Top);
    const QPoint ru = t.szene.AnzeigePixel(o.Rahmen.Right, o.Rahmen.Bottom);
    EXPECT_EQ(t.szene.ObjektAn(lo.x(), lo.y()), 0);
    EXPECT_EQ(t.szene.ObjektAn(ru.x() - 1, ru.y() - 1), 0);
    EXPECT_EQ(t.szene.ObjektAn(ru.x(), ru.y() - 1), -1);
    EXPECT_EQ(t.szene.ObjektAn(lo.x() - 1, lo.y()), -1);
}

TEST(Klick, InfoLinkUndDokumentlink)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Infopunkt, 0.2, 0.2, "Mehr dazu", 2)
                          << Objekt(ObjektTyp::Link, 0.4, 0.2, "https://example.org/", 2)
                          << Objekt(ObjektTyp::DokumentLink, 0.6, 0.2, "Europa.tvl", 2);
    t.szene.SzeneAufbauen();

    KlickErgebnis e = t.szene.Klick(t.BoxMitte(0));
    EXPECT_EQ(e.aktion, KlickAktion::InfoZeigen);
    EXPECT_EQ(e.index, 0);

    e = t.szene.Klick(t.BoxMitte(1));
    EXPECT_EQ(e.aktion, KlickAktion::LinkGeoeffnet);
    EXPECT_EQ(t.umgebung.oeffner.geoeffnet, QStringList({"https://example.org/"}));
    EXPECT_TRUE(t.umgebung.meldungen.protokoll.empty());

    t.umgebung.oeffner.ergebnis = false;
    e = t.szene.Klick(t.BoxMitte(1));
    EXPECT_EQ(e.aktion, KlickAktion::LinkFehler);
    ASSERT_EQ(t.umgebung.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(t.umgebung.meldungen.protokoll[0].art, "Fehler");
    EXPECT_EQ(t.umgebung.meldungen.protokoll[0].text,
              "Die Datei oder Internet-Adresse \"https://example.org/\" kann nicht geöffnet werden.");
    // The opener fails only after the click was handled (xdg-open's exit
    // status): the same message then.
    t.umgebung.meldungen.Leeren();
    t.umgebung.oeffner.spaeter = true;
    e = t.szene.Klick(t.BoxMitte(1));
    EXPECT_EQ(e.aktion, KlickAktion::LinkGeoeffnet);
    EXPECT_TRUE(t.umgebung.meldungen.protokoll.empty());
    ASSERT_EQ(t.umgebung.oeffner.offen.size(), 1u);
    t.umgebung.oeffner.offen[0](false);
    ASSERT_EQ(t.umgebung.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(t.umgebung.meldungen.protokoll[0].text,
              "Die Datei oder Internet-Adresse \"https://example.org/\" kann nicht geöffnet werden.");
    t.umgebung.oeffner.spaeter = false;
    t.umgebung.meldungen.Leeren();

    e = t.szene.Klick(t.BoxMitte(2));
    EXPECT_EQ(e.aktion, KlickAktion::DokumentLaden);
    EXPECT_EQ(e.ziel, "Europa.tvl");
}

TEST(Klick, NavigationZwischenEinzelfragen)
{
    SzenenTest t;
    Einzelfragen(t, 3);
    t.szene.SzeneAufbauen();
    EXPECT_EQ(t.zustand.AktFrage, 1);
    auto klick = [&](int typ) { return t.szene.Klick(t.BoxMitte(Knopf(t, typ))).aktion; };

    EXPECT_EQ(klick(ObjektTyp::VorigeFrage), KlickAktion::Navigiert);
    EXPECT_EQ(t.zustand.AktFrage, 1); // not below 1
    klick(ObjektTyp::NaechsteFrage);
    EXPECT_EQ(t.zustand.AktFrage, 2);
    klick(ObjektTyp::LetzteFrage);
    EXPECT_EQ(t.zustand.AktFrage, 3);
    klick(ObjektTyp::NaechsteFrage);
    EXPECT_EQ(t.zustand.AktFrage, 3); // not above the last
    klick(ObjektTyp::ErsteFrage);
    EXPECT_EQ(t.zustand.AktFrage, 1);
    for (int i = 0; i < 20; ++i) {
        const int vorher = t.zustand.AktFrage;
        klick(ObjektTyp::ZufallsFrage);
        EXPECT_NE(t.zustand.AktFrage, vorher);
        EXPECT_GE(t.zustand.AktFrage, 1);
        EXPECT_LE(t.zustand.AktFrage, 3);
    }

    // Only the current question's answer can be clicked.
    t.zustand.AktFrage = 2;
    t.szene.ObjekteNeuZeichnen();
    const KlickErgebnis e = t.szene.Klick(t.BoxMitte(1));
    EXPECT_EQ(e.index, 1);
    EXPECT_EQ(t.Obj(1).Abdeckung, 0);
    EXPECT_EQ(t.Obj(0).Abdeckung, -1);
}

TEST(Klick, ZufallMitEinerUndZweiFragen)
{
    SzenenTest eine;
    Einzelfragen(eine, 1);
    eine.szene.SzeneAufbauen();
    eine.szene.Klick(eine.BoxMitte(Knopf(eine, ObjektTyp::ZufallsFrage)));
    EXPECT_EQ(eine.zustand.AktFrage, 1);

    SzenenTest zwei;
    Einzelfragen(zwei, 2);
    zwei.szene.SzeneAufbauen();
    const QPoint p = zwei.BoxMitte(Knopf(zwei, ObjektTyp::ZufallsFrage));
    for (int i = 0; i < 6; ++i) {
        zwei.szene.Klick(p);
        EXPECT_EQ(zwei.zustand.AktFrage, i % 2 == 0 ? 2 : 1);
    }
}

TEST(Klick, AlleAufUndZudecken)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.3, 0.3, "a") << Objekt(ObjektTyp::Luecke, 0.6, 0.6, "b");
    t.szene.SzeneAufbauen();
    t.szene.AlleAufdecken();
    EXPECT_EQ(t.Obj(0).Abdeckung, 0);
    EXPECT_EQ(t.Obj(1).Abdeckung, 0);
    t.szene.AlleAbdecken();
    EXPECT_EQ(t.Obj(0).Abdeckung, -1);
    EXPECT_EQ(t.Obj(1).Abdeckung, -1);
}
