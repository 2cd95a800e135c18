// The page builder: header, title, task, answer list, main part, footer.
#include "ArbeitsblattErstellen.h"

#include "BlattLeinwand.h"
#include "FragenBild.h"

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

const char *const ArbeitsblattFussText = "erstellt mit TVL - Tavolin für interaktive Übungen";

namespace {

const int SeitenBreite = 1000;
const int SeitenHoehe = 1625;
const QColor Rot(255, 0, 0);

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
        Antworten();
        SchriftHoehe(25);
        if (dok.DokTyp == DokArt::Bildbeschriftung)
            Bildteil();
        else if (dok.DokTyp == DokArt::Lueckentext)
            Lueckentext();
        else if (dok.DokTyp == DokArt::Einzelfragen)
            Einzelfragen();
        Fuss();
        return std::move(blatt);
    }

private:
    const ArbeitsblattOptionen &o;
    Szene &szene;
    Dokument &dok;
    Blatt blatt;
    BlattLeinwand l;
    int y = 0;
    int z = 0; // height of "X" in the current font

    void SchriftHoehe(int em, bool fett = false)
    {
        l.SchriftSetzen(BlattLeinwand::Schrift(em, fett));
        z = l.TextHoehe(QStringLiteral("X"));
    }
    int Z(double faktor) const { return rnd(faktor * z); }
    void Text(int x, int yy, const QString &t, Qt::Alignment a = Qt::AlignLeft)
    {
        if (o.MitVorlage())
            l.TextAus(x, yy, t, Qt::black, a);
    }

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
        SchriftHoehe(30, true);
        if (o.MitVorlage()) {
            l.TextAus(SeitenBreite / 2, y, titel, Qt::black, Qt::AlignHCenter);
            blatt.Rahmen(0, y - Z(0.3), SeitenBreite, y + Z(1.3));
        }
        y += Z(2);
    }

    void Aufgabe()
    {
        if (o.Aufgabe.trimmed().isEmpty())
            return;
        SchriftHoehe(25);
        const TextKasten k = TextKasten::Messen(l.Schrift(), o.Aufgabe, true, SeitenBreite);
        const int zeile = l.TextHoehe(QStringLiteral("X"));
        for (int i = 0; i < k.zeilen.size(); ++i)
            Text(0, y + i * zeile, k.zeilen[i]);
        y += k.hoehe;
    }

    QStringList AntwortTexte() const
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
            if (typ == ObjektTyp::Antwort && ob.FrageNummer < o.AbFrage)
                continue;
            texte << TextNormalisieren(ob.Cap);
        }
        const QCollator c = TextSortierung(); // German also in a C locale
        std::stable_sort(texte.begin(), texte.end(),
                         [&c](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
        return texte;
    }

    void Antworten()
    {
        if (!o.Textvorgabe)
            return;
        SchriftHoehe(22);
        const QStringList texte = AntwortTexte();
        QString zeile;
        for (int i = 0; i < texte.size(); ++i) {
            const QString stueck = i + 1 < texte.size() ? texte[i] + QStringLiteral(" - ") : texte[i];
            if (!zeile.isEmpty() && l.TextBreite(zeile + stueck) > SeitenBreite) {
                Text(0, y, zeile);
                y += Z(1.25);
                zeile = stueck;
            } else {
                zeile += stueck;
            }
        }
        if (!texte.isEmpty()) {
            Text(0, y, zeile);
            y += Z(1.25);
        }
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
        QImage bild;
        if (o.MitVorlage()) {
            bild = grund.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        } else {
            bild = QImage(grund.size(), QImage::Format_ARGB32_Premultiplied);
            bild.fill(Qt::white);
        }
        bild.setDotsPerMeterX(grund.dotsPerMeterX());
        bild.setDotsPerMeterY(grund.dotsPerMeterY());
        for (int i = 0; i < dok.Objekte.size(); ++i)
            szene.ObjektZeichnen(bild, i, o.Variante(), false, false, true);
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

    void Einzelfragen()
    {
        const int oben = y;
        const int grenze = SeitenHoehe - Z(1.5);
        FragenBilder bilder(szene.ProgOrdner);
        MarkupUmgebung u;
        const QList<Einzelfrage> fragen = FragenAusText(dok.Fragentext);
        for (int k = 0; k < fragen.size(); ++k) {
            const int n = k + 1;
            if (n < o.AbFrage)
                continue;
            QString frage = QString::number(n) + QStringLiteral(". ") + FragePlatzhalterErsetzen(fragen[k].Frage);
            const QString bildName = BildTagAusschneiden(frage);
            const int y0 = y;
            // Measuring pass: only moves y.
            y = Frage(frage, bildName, fragen[k].Antwort, false, false, bilder, u);
            if (y >= grenze) {
                y = y0;
                break;
            }
            y = Frage(frage, bildName, fragen[k].Antwort, o.MitVorlage(), o.MitLoesung(), bilder, u, y0);
            if (o.MitVorlage())
                blatt.Linie(0, y, SeitenBreite, y);
        }
        if (o.MitVorlage())
            blatt.Rahmen(0, oben, SeitenBreite, y + 1);
        SchriftHoehe(25);
        y += Z(1.5);
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
    }
};

} // namespace

Blatt ArbeitsblattErstellen(const ArbeitsblattOptionen &optionen, Szene &szene)
{
    Bau bau(optionen, szene);
    return bau.Erstellen();
}
