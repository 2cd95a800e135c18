// tvl render: draws what the learning picture LernKartPicImg shows for a
// topic document, without a display. Authors preview documents with it and
// tests compare pictures.
#include "BildDatei.h"
#include "Dateifehler.h"
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "Nummerierung.h"
#include "TvlArgumente.h"
#include "TvlBefehl.h"
#include "TvlSzene.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char *const Aufruf =
    "render DATEI.tvl -o BILD.png [--groesse BxH] [--zoom 0-4] [--modus 2|3] [--frage N]\n"
    "          [--nummerierung 0|1|2] [--aufdecken] [--ebenen 111] [--progordner ORDNER] [--saat N]\n"
    "          Bild der Lernansicht (Modus 2: Szene, Modus 3: Quiz-Ansicht)";

struct Optionen
{
    TvlDokumentArgumente dok;
    QSize groesse{870, 650};
    int zoom = 0, modus = 2, frage = -1, nummerierung = 1;
    bool aufdecken = false;
    QString ebenen = "111";
    quint32 saat = 1;
};

bool Zahl(const QString &text, int min, int max, int &wert)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    wert = v;
    return true;
}

// Returns an error text, empty when the arguments are fine.
QString Lesen(const QStringList &args, Optionen &o)
{
    TvlArgumente arg(args, "Bilddatei", false);
    while (arg.Naechstes()) {
        const QString &a = arg.Aktuell();
        QString w;
        if (a == "--groesse") {
            static const QRegularExpression re("^(\\d{1,5})[xX](\\d{1,5})$");
            const auto m = re.match(arg.Wert(w) ? w : QString());
            int b = 0, h = 0;
            if (!m.hasMatch() || !Zahl(m.captured(1), 16, 8000, b) || !Zahl(m.captured(2), 16, 8000, h))
                return "--groesse erwartet Breite x Höhe in Pixeln, z. B. 870x650 (16 bis 8000).";
            o.groesse = QSize(b, h);
        } else if (a == "--zoom") {
            if (!arg.Wert(w) || !Zahl(w, 0, 4, o.zoom))
                return "--zoom erwartet eine Zoomstufe von 0 (100 %) bis 4 (200 %).";
        } else if (a == "--modus") {
            if (!arg.Wert(w) || !Zahl(w, 2, 3, o.modus))
                return "--modus erwartet 2 (Lernansicht) oder 3 (Quiz).";
        } else if (a == "--frage") {
            if (!arg.Wert(w) || !Zahl(w, 1, 1000000, o.frage))
                return "--frage erwartet eine Fragennummer ab 1.";
        } else if (a == "--nummerierung") {
            if (!arg.Wert(w) || !Zahl(w, 0, 2, o.nummerierung))
                return "--nummerierung erwartet 0 (Fragezeichen), 1 (geordnet) oder 2 (zufällig).";
        } else if (a == "--aufdecken") {
            o.aufdecken = true;
        } else if (a == "--ebenen") {
            static const QRegularExpression re("^[01]{3}$");
            if (!arg.Wert(o.ebenen) || !re.match(o.ebenen).hasMatch())
                return "--ebenen erwartet drei Ziffern 0 oder 1 (Illustration, Beschriftung, Infopunkte).";
        } else if (a == "--saat") {
            int s = 0;
            if (!arg.Wert(w) || !Zahl(w, 0, 2147483647, s))
                return "--saat erwartet eine ganze Zahl ab 0.";
            o.saat = quint32(s);
        } else if (const QString fehler = arg.Gemeinsam(o.dok); !fehler.isEmpty()) {
            return fehler;
        }
    }
    return arg.Vollstaendig(o.dok);
}

int Render(const QStringList &args)
{
    Optionen o;
    const QString fehler = Lesen(args, o);
    if (!fehler.isEmpty())
        return TvlAufrufFehler(fehler, Aufruf);

    StdZufall zufall(o.saat);
    TvlSzene s;
    if (!s.Oeffnen(o.dok, &zufall))
        return 1;
    TvlDokument &t = s.t;
    Szene &szene = *s.szene;
    szene.SteuerGroesse = o.groesse;
    szene.ZoomSetzen(o.zoom);
    t.zustand.AnsichtModus = AnsichtArt(o.modus); // 2 or 3, checked with the arguments
    szene.Ebene0Check = o.ebenen[0] == '1';
    szene.Ebene1Check = o.ebenen[1] == '1';
    szene.Ebene2Check = o.ebenen[2] == '1';
    t.zustand.AktFrage = o.frage;
    szene.NummerierungSetzen(NummerierArt(o.nummerierung), false); // 0..2, checked with the arguments

    // The quiz shows open targets as numbered discs.
    Dokument &dok = t.Dok();
    for (int i = 0; i < dok.Objekte.size(); ++i) {
        if (o.aufdecken)
            dok.Objekte[i].Abdeckung = AbdeckungsArt::Aufgedeckt;
        else if (o.modus == 3 && IstAbdeckbar(dok, i))
            dok.Objekte[i].Abdeckung = AbdeckungsArt::OffeneFrage;
    }
    szene.SzeneAufbauen();
    if (o.aufdecken && o.modus == 2) {
        // The rebuild covers the answers of single questions again, as the
        // learning view does; "uncover all" comes after it there.
        szene.AlleAufdecken();
    }

    const QImage bild = szene.Ansicht(o.modus == 2);
    if (!PngSchreibenDatei(o.dok.ausgabe, bild)) {
        t.meldungen.Fehler(SchreibFehlerText(o.dok.ausgabe));
        return 1;
    }
    return 0;
}

TvlRegistrierung registrierung({"render", Aufruf, Render});

} // namespace
