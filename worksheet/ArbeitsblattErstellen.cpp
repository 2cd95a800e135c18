// The page builder: header, title, task, answer list, main part, footer.
#include "ArbeitsblattErstellen.h"

#include "BlattLeinwand.h"
#include "EmfSchreiber.h"
#include "FragenBild.h"
#include "SeitenUmbruch.h"

#include "Einzelfragen.h"
#include "Fragentext.h"
#include "Markup.h"
#include "Produkt.h"
#include "Runden.h"
#include "Sortierung.h"
#include "Szene.h"
#include "UebTexte.h"
#include "Zeichenhilfen.h"

#include <QCollator>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

const char *const ArbeitsblattFussText = "erstellt mit TVL - Tavolin für interaktive Übungen";

QString BlattZaehlerText(int nummer, int anzahl)
{
    return QStringLiteral("Blatt %1 von %2").arg(nummer).arg(anzahl);
}

namespace {

const int SeitenBreite = 1000;
const int SeitenHoehe = 1625;
const QColor Rot(255, 0, 0);
const int TitelSchrift = 30, AufgabeSchrift = 25;
// The title keeps clear of its frame.
const int TitelBreite = SeitenBreite - 20;
const int PassmarkenLaenge = 15;
// Pictures are drawn for at least 300 dpi at the width the sheet prints
// (1000 units of 0.17 mm).
const int DruckBildBreite = int(std::ceil(300.0 * SeitenBreite * MetaHundertstelMmProEinheit / 100.0 / 25.4));

// One build: the page, the canvas on it and the running position y.
class Bau
{
public:
    Bau(const ArbeitsblattOptionen &o, Szene &s) : o(o), szene(s), dok(s.Zustand.Dok), l(blatt) {}

    Blatt Erstellen()
    {
        Kopf();
        Titel();
        Aufgabe();
        const bool eigeneListe = dok.DokTyp == DokArt::Einzelfragen && o.Textvorgabe && o.WortlisteBlatt;
        // With the sheet's own word list the questions are laid out first:
        // as many as fit below the list of their own answers.
        const int fragen = eigeneListe ? FragenMitEigenerListe() : std::numeric_limits<int>::max();
        if (eigeneListe)
            Antworten(AntwortTexte(o.AbFrage + fragen - 1));
        else
            Antworten(AntwortTexte(std::numeric_limits<int>::max()));
        SchriftHoehe(25);
        if (dok.DokTyp == DokArt::Bildbeschriftung)
            Bildteil();
        else if (dok.DokTyp == DokArt::Lueckentext)
            Lueckentext();
        else if (dok.DokTyp == DokArt::Einzelfragen)
            Einzelfragen(fragen);
        Fuss();
        Passmarken();
        blatt.Durchsichtig = !o.MitVorlage();
        return std::move(blatt);
    }

private:
    const ArbeitsblattOptionen &o;
    Szene &szene;
    Dokument &dok;
    Blatt blatt;
    BlattLeinwand l;
    int y = 0;
    int z = 0;           // height of "X" in the current font
    bool messen = false; // only y moves, nothing is drawn

    void SchriftHoehe(int em, bool fett = false)
    {
        l.SchriftSetzen(BlattLeinwand::Schrift(em, fett));
        z = l.TextHoehe(QStringLiteral("X"));
    }
    int Z(double faktor) const { return rnd(faktor * z); }
    void Text(int x, int yy, const QString &t, Qt::Alignment a = Qt::AlignLeft)
    {
        if (o.MitVorlage() && !messen)
            l.TextAus(x, yy, t, Qt::black, a);
    }
    QFontMetrics Masse() const { return QFontMetrics(l.Schrift()); }

    void Kopf()
    {
        SchriftHoehe(18);
        const struct
        {
            bool an;
            const char *text;
            int von, bis;
        } felder[] = {{o.Name, "Name:", 0, 500}, {o.Klasse, "Klasse:", 500, 750}, {o.Datum, "Datum:", 750, 1000}};
        bool eines = false;
        for (const auto &f : felder) {
            if (!f.an)
                continue;
            eines = true;
            Text(f.von, y, QString::fromUtf8(f.text));
            if (o.MitVorlage())
                blatt.Linie(f.von, y + z, f.bis, y + z);
        }
        if (eines)
            y += Z(2.5);
    }

    void Titel()
    {
        const QString titel = o.Titel.trimmed();
        if (titel.isEmpty())
            return;
        y += Z(0.5);
        // A title too long for one line shrinks down to the task's size;
        // beyond that it wraps, and its frame grows with it.
        int em = TitelSchrift;
        SchriftHoehe(em, true);
        while (em > AufgabeSchrift && l.TextBreite(titel) > TitelBreite)
            SchriftHoehe(--em, true);
        const QStringList zeilen = SeitenZeilen(Masse(), titel, TitelBreite);
        const int mehr = int(zeilen.size() - 1) * l.TextHoehe(titel);
        if (o.MitVorlage()) {
            for (int i = 0; i < zeilen.size(); ++i)
                l.TextAus(SeitenBreite / 2, y + i * l.TextHoehe(titel), zeilen[i], Qt::black, Qt::AlignHCenter);
            blatt.Rahmen(0, y - Z(0.3), SeitenBreite, y + mehr + Z(1.3));
        }
        y += mehr + Z(2);
    }

    void Aufgabe()
    {
        if (o.Aufgabe.trimmed().isEmpty())
            return;
        SchriftHoehe(AufgabeSchrift);
        const QStringList zeilen = SeitenZeilen(Masse(), o.Aufgabe, SeitenBreite);
        const int zeile = l.TextHoehe(QStringLiteral("X"));
        for (int i = 0; i < zeilen.size(); ++i)
            Text(0, y + i * zeile, zeilen[i]);
        y += int(zeilen.size()) * zeile;
    }

    // The normalised answers in the list's order; single questions from
    // AbFrage up to question bisFrage.
    QStringList AntwortTexte(int bisFrage) const
    {
        int typ = -1;
        if (dok.DokTyp == DokArt::Bildbeschriftung)
            typ = ObjektTyp::Beschriftung;
        else if (dok.DokTyp == DokArt::Lueckentext)
            typ = ObjektTyp::Luecke;
        else if (dok.DokTyp == DokArt::Einzelfragen)
            typ = ObjektTyp::Antwort;
        QStringList texte;
        for (const DokObjekt &ob : dok.Objekte) {
            if (ob.Typ != typ)
                continue;
            if (typ == ObjektTyp::Antwort && (ob.FrageNummer < o.AbFrage || ob.FrageNummer > bisFrage))
                continue;
            texte << TextNormalisieren(ob.Cap);
        }
        const QCollator c = TextSortierung(); // German also in a C locale
        std::stable_sort(texte.begin(), texte.end(),
                         [&c](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
        return texte;
    }

    void Antworten(const QStringList &texte)
    {
        if (!o.Textvorgabe)
            return;
        SchriftHoehe(22);
        QString zeile;
        auto zeileAus = [&](const QString &t) {
            Text(0, y, t);
            y += Z(1.25);
        };
        for (int i = 0; i < texte.size(); ++i) {
            const QString stueck = i + 1 < texte.size() ? texte[i] + QStringLiteral(" - ") : texte[i];
            if (!zeile.isEmpty() && l.TextBreite(zeile + stueck) > SeitenBreite) {
                zeileAus(zeile);
                zeile = stueck;
            } else {
                zeile += stueck;
            }
            // An answer wider than the page is broken inside, never cut.
            if (l.TextBreite(zeile) > SeitenBreite) {
                QStringList teile = SeitenZeilen(Masse(), zeile, SeitenBreite);
                zeile = teile.takeLast();
                for (const QString &t : teile)
                    zeileAus(t);
            }
        }
        if (!texte.isEmpty())
            zeileAus(zeile);
        y += z;
    }

    void Bildteil()
    {
        // Without a document (the start page) there is no picture to label.
        if (dok.BasisBild.isNull())
            return;
        if (szene.HintergrundBild.isNull())
            szene.SzeneAufbauen();
        const QImage &grund = szene.HintergrundBild;
        if (grund.isNull() || grund.width() <= 0)
            return;
        // The view's picture has the screen's resolution, which prints soft:
        // the base picture and the labels are drawn again, as large as the
        // sheet needs at print resolution, in the view's proportions.
        const int breite = qMax(grund.width(), DruckBildBreite);
        const int hoehe = qMax(1, rnd(double(grund.height()) * breite / grund.width()));
        QImage bild;
        if (o.MitVorlage() && szene.Ebene0Check) {
            szene.BasisBildEinpassen(bild, breite, hoehe, 1);
            bild = bild.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        } else {
            bild = QImage(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
            bild.fill(Qt::white);
        }
        bild.setDotsPerMeterX(grund.dotsPerMeterX());
        bild.setDotsPerMeterY(grund.dotsPerMeterY());
        const double massstab = szene.Massstab() * bild.width() / grund.width();
        for (int i = 0; i < dok.Objekte.size(); ++i)
            szene.ObjektZeichnen(bild, i, o.Variante(), false, false, true, massstab);
        const int h = rnd(double(bild.height()) * SeitenBreite / bild.width());
        blatt.Bild(QRect(0, y, SeitenBreite, h), bild.convertToFormat(QImage::Format_RGB32));
        if (o.MitVorlage())
            blatt.Rahmen(0, y, SeitenBreite, y + h);
        y += h + Z(1.5);
    }

    void Lueckentext()
    {
        const int oben = y;
        MarkupUmgebung u;
        for (const QString &zeile : TextZeilen(dok.Lueckentext))
            y = MarkupSchreiben(
                l, {.Text = zeile, .X = 20, .Y = y, .Breite = 970, .Variante = o.Variante(), .Schrifthoehe = -30}, u);
        if (o.MitVorlage())
            blatt.Rahmen(0, oben, SeitenBreite, y);
        SchriftHoehe(25);
        y += Z(1.5);
    }

    // How many questions from AbFrage fit below a list of their own
    // answers: the largest count whose list and questions both fit. Nothing
    // is drawn; y is where it was.
    int FragenMitEigenerListe()
    {
        const int y0 = y;
        const int gesamt = int(FragenAusText(dok.Fragentext).size());
        int passend = 0;
        messen = true;
        for (int k = 1; o.AbFrage + k - 1 <= gesamt; ++k) {
            y = y0;
            Antworten(AntwortTexte(o.AbFrage + k - 1));
            SchriftHoehe(25);
            if (Einzelfragen(k) < k)
                break;
            passend = k;
        }
        messen = false;
        y = y0;
        return passend;
    }

    // Places up to hoechstens questions from AbFrage and returns how many
    // fit; the first one left off is the sheet's NaechsteFrage.
    int Einzelfragen(int hoechstens)
    {
        const int oben = y;
        const int grenze = SeitenHoehe - Z(1.5);
        const bool zeichnen = !messen;
        FragenBilder bilder(szene.ProgOrdner);
        MarkupUmgebung u;
        const QList<Einzelfrage> fragen = FragenAusText(dok.Fragentext);
        int gelegt = 0;
        blatt.NaechsteFrage = 0;
        for (int k = qMax(0, o.AbFrage - 1); k < fragen.size(); ++k) {
            const int n = k + 1;
            QString frage = QString::number(n) + QStringLiteral(". ") + FragePlatzhalterErsetzen(fragen[k].Frage);
            const QString bildName = BildTagAusschneiden(frage);
            const int y0 = y;
            // Measuring pass: only moves y.
            if (gelegt < hoechstens)
                y = Frage(frage, bildName, fragen[k].Antwort, false, false, bilder, u);
            if (gelegt >= hoechstens || y >= grenze) {
                y = y0;
                blatt.NaechsteFrage = n;
                break;
            }
            ++gelegt;
            if (!zeichnen)
                continue;
            y = Frage(frage, bildName, fragen[k].Antwort, o.MitVorlage(), o.MitLoesung(), bilder, u, y0);
            if (o.MitVorlage())
                blatt.Linie(0, y, SeitenBreite, y);
        }
        if (zeichnen && o.MitVorlage())
            blatt.Rahmen(0, oben, SeitenBreite, y + 1);
        SchriftHoehe(25);
        y += Z(1.5);
        return gelegt;
    }

    // One question from y0 (default: y): its text, its picture, its answer.
    int Frage(const QString &frage, const QString &bildName, const QString &antwort, bool frageZeigen,
              bool antwortZeigen, FragenBilder &bilder, MarkupUmgebung &u, int y0 = -1)
    {
        int yy = y0 >= 0 ? y0 : y;
        yy = MarkupSchreiben(l,
                             {.Text = frage,
                              .X = 20,
                              .Y = yy,
                              .Breite = 970,
                              .Variante = frageZeigen ? MarkupVariante::Text : -1,
                              .Schrifthoehe = -25},
                             u);
        if (!bildName.isEmpty()) {
            // The flag under the question, a fixed three line units high so
            // the measuring pass needs no picture.
            const int zq = l.TextHoehe(QStringLiteral("X"));
            const int oben = yy + rnd(0.25 * zq);
            const int hoehe = 3 * zq;
            if (frageZeigen)
                bilder.Zeichnen(blatt, bildName, 20, oben, hoehe);
            yy = oben + hoehe + rnd(0.25 * zq);
        }
        return MarkupSchreiben(l,
                               {.Text = antwort,
                                .X = 20,
                                .Y = yy,
                                .Breite = 970,
                                .Farbe = Rot,
                                .Variante = antwortZeigen ? MarkupVariante::Text : -1,
                                .Schrifthoehe = -25},
                               u);
    }

    void Fuss()
    {
        SchriftHoehe(15);
        y = SeitenHoehe - z;
        if (!o.MitVorlage())
            return;
        blatt.Linie(0, y, SeitenBreite, y);
        l.TextAus(0, y, QString::fromUtf8(ArbeitsblattFussText), Qt::black, Qt::AlignLeft);
        l.TextAus(SeitenBreite, y, QString::fromLatin1(HomepageAdresse), Qt::black, Qt::AlignRight);
        if (o.BlattAnzahl > 1)
            l.TextAus(SeitenBreite / 2, y, BlattZaehlerText(o.BlattNummer, o.BlattAnzahl), Qt::black, Qt::AlignHCenter);
    }

    // Two angles in opposite corners, the same on all three kinds, so a
    // transparency can be laid on the printed worksheet exactly.
    void Passmarken()
    {
        const QColor farbe = o.MitVorlage() ? QColor(Qt::black) : Rot;
        const int a = PassmarkenLaenge, r = SeitenBreite, u = SeitenHoehe - 1;
        blatt.Passmarke(r - a, 0, r, 0, farbe);
        blatt.Passmarke(r, 0, r, a, farbe);
        blatt.Passmarke(0, u - a, 0, u, farbe);
        blatt.Passmarke(0, u, a, u, farbe);
    }
};

} // namespace

Blatt ArbeitsblattErstellen(const ArbeitsblattOptionen &optionen, Szene &szene)
{
    Bau bau(optionen, szene);
    return bau.Erstellen();
}

QList<Blatt> ArbeitsblattSatz(const ArbeitsblattOptionen &optionen, Szene &szene, int &zuLangeFrage)
{
    zuLangeFrage = 0;
    // Where each sheet starts; every sheet takes at least one question, so
    // there are never more sheets than questions.
    QList<int> anfaenge;
    ArbeitsblattOptionen o = optionen;
    o.BlattNummer = o.BlattAnzahl = 0;
    for (;;) {
        anfaenge << o.AbFrage;
        const int naechste = ArbeitsblattErstellen(o, szene).NaechsteFrage;
        if (naechste <= 0)
            break;
        if (naechste <= o.AbFrage) {
            zuLangeFrage = naechste;
            return {};
        }
        o.AbFrage = naechste;
    }
    QList<Blatt> satz;
    o.BlattAnzahl = int(anfaenge.size());
    for (int i = 0; i < anfaenge.size(); ++i) {
        o.AbFrage = anfaenge[i];
        o.BlattNummer = i + 1;
        satz << ArbeitsblattErstellen(o, szene);
    }
    return satz;
}
