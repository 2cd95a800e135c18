// A document and a scene over it as the worksheet window gets them.
#pragma once
#include "ArbeitsblattErstellen.h"
#include "Blatt.h"
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "Einzelfragen.h"
#include "Szene.h"
#include "TestDienste.h"

#include <QDir>
#include <QImage>

// A document in memory (or a shipped one) and a scene over it, as the
// worksheet window gets them from the main window.
struct BlattTest
{
    TestUmgebung umgebung;
    DokumentZustand zustand;
    Szene szene{zustand, umgebung.dienste};

    BlattTest()
    {
        szene.SteuerGroesse = QSize(870, 650);
        szene.ProgOrdner = QStringLiteral(PENNORIA_QUELLE) + "/content/";
    }
    Dokument &Dok() { return zustand.Dok; }

    void Einzelfragen(const QString &fragentext)
    {
        Dok().Fragentext = fragentext;
        EinzelfragenAufbauen(Dok());
    }
    bool Laden(const QString &name)
    {
        StilleDokumentUmgebung u;
        return LadeDokument(zustand, u, umgebung.meldungen, QStringLiteral(PENNORIA_QUELLE) + "/content/" + name,
                            false);
    }
    Blatt Bauen(const ArbeitsblattOptionen &o)
    {
        if (Dok().DokTyp == DokArt::Bildbeschriftung && !Dok().BasisBild.isNull() && szene.HintergrundBild.isNull())
            szene.SzeneAufbauen();
        return ArbeitsblattErstellen(o, szene);
    }
};

// Options without header, title, task: the page body alone.
inline ArbeitsblattOptionen OhneKopf(BlattArt art = BlattArt::Arbeitsblatt)
{
    ArbeitsblattOptionen o;
    o.Name = o.Klasse = o.Datum = false;
    o.Titel.clear();
    o.Aufgabe.clear();
    o.Art = art;
    return o;
}

// The text elements whose text is exactly t.
inline QList<BlattElement> TexteMit(const Blatt &b, const QString &t)
{
    QList<BlattElement> l;
    for (const BlattElement &e : b.Elemente)
        if (e.art == BlattElement::Art::Text && e.text == t)
            l << e;
    return l;
}
