// tvl render: draws what the learning picture LernKartPicImg shows for a
// topic document, without a display. Authors preview documents with it and
// tests compare pictures.
#include "BildDatei.h"
#include "Dateifehler.h"
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "Nummerierung.h"
#include "Szene.h"
#include "TvlBefehl.h"
#include "TvlMeldungen.h"
#include "TvlProgrammOrdner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char *const Aufruf
    = "render DATEI.tvl -o BILD.png [--groesse BxH] [--zoom 0-4] [--modus 2|3] [--frage N]\n"
      "          [--nummerierung 0|1|2] [--aufdecken] [--ebenen 111] [--progordner ORDNER] [--saat N]\n"
      "          Bild der Lernansicht (Modus 2: Szene, Modus 3: Quiz-Ansicht)";

struct Optionen
{
    QString datei, ausgabe, progOrdner;
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
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        auto wert = [&](QString &ziel) {
            if (i + 1 >= args.size())
                return false;
            ziel = args[++i];
            return true;
        };
        QString w;
        if (a == "-o" || a == "--ausgabe") {
            if (!wert(o.ausgabe))
                return "Nach -o fehlt der Name der Bilddatei.";
        } else if (a == "--groesse") {
            static const QRegularExpression re("^(\\d{1,5})[xX](\\d{1,5})$");
            const auto m = re.match(wert(w) ? w : QString());
            int b = 0, h = 0;
            if (!m.hasMatch() || !Zahl(m.captured(1), 16, 8000, b) || !Zahl(m.captured(2), 16, 8000, h))
                return "--groesse erwartet Breite x Höhe in Pixeln, z. B. 870x650 (16 bis 8000).";
            o.groesse = QSize(b, h);
        } else if (a == "--zoom") {
            if (!wert(w) || !Zahl(w, 0, 4, o.zoom))
                return "--zoom erwartet eine Zoomstufe von 0 (100 %) bis 4 (200 %).";
        } else if (a == "--modus") {
            if (!wert(w) || !Zahl(w, 2, 3, o.modus))
                return "--modus erwartet 2 (Lernansicht) oder 3 (Quiz).";
        } else if (a == "--frage") {
            if (!wert(w) || !Zahl(w, 1, 1000000, o.frage))
                return "--frage erwartet eine Fragennummer ab 1.";
        } else if (a == "--nummerierung") {
            if (!wert(w) || !Zahl(w, 0, 2, o.nummerierung))
                return "--nummerierung erwartet 0 (Fragezeichen), 1 (geordnet) oder 2 (zufällig).";
        } else if (a == "--aufdecken") {
            o.aufdecken = true;
        } else if (a == "--ebenen") {
            static const QRegularExpression re("^[01]{3}$");
            if (!wert(o.ebenen) || !re.match(o.ebenen).hasMatch())
                return "--ebenen erwartet drei Ziffern 0 oder 1 (Illustration, Beschriftung, Infopunkte).";
        } else if (a == "--progordner") {
            if (!wert(o.progOrdner))
                return "Nach --progordner fehlt der Ordner.";
        } else if (a == "--saat") {
            int s = 0;
            if (!wert(w) || !Zahl(w, 0, 2147483647, s))
                return "--saat erwartet eine ganze Zahl ab 0.";
            o.saat = quint32(s);
        } else if (a.startsWith('-')) {
            return QString("Unbekannte Option \"%1\".").arg(a);
        } else if (o.datei.isEmpty()) {
            o.datei = a;
        } else {
            return QString("Nur ein Themendokument angeben (\"%1\" ist zu viel).").arg(a);
        }
    }
    if (o.datei.isEmpty() || o.ausgabe.isEmpty())
        return "Themendokument und Bilddatei (-o) angeben.";
    return {};
}

int Render(const QStringList &args)
{
    Optionen o;
    const QString fehler = Lesen(args, o);
    if (!fehler.isEmpty()) {
        TvlFehler(fehler);
        TvlFehler(QString("Aufruf: tvl ") + Aufruf);
        return 2;
    }

    DokumentZustand z;
    StilleDokumentUmgebung umgebung;
    TvlMeldungen meldungen;
    if (!LadeDokument(z, umgebung, meldungen, o.datei, false))
        return 1;

    StdZufall zufall(o.saat);
    Dienste dienste;
    dienste.meldungen = &meldungen;
    dienste.zufall = &zufall;
    Szene szene(z, dienste);
    szene.ProgOrdner = TvlProgrammOrdner(o.progOrdner, o.datei);
    szene.SteuerGroesse = o.groesse;
    szene.ZoomSetzen(o.zoom);
    szene.AnsichtModus = o.modus;
    szene.Ebene0Check = o.ebenen[0] == '1';
    szene.Ebene1Check = o.ebenen[1] == '1';
    szene.Ebene2Check = o.ebenen[2] == '1';
    z.AktFrage = o.frage;
    szene.NummerierungSetzen(o.nummerierung, false);

    // The quiz shows open targets as numbered discs.
    Dokument &dok = z.Dok;
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
    if (!PngSchreibenDatei(o.ausgabe, bild)) {
        meldungen.Fehler(SchreibFehlerText(o.ausgabe));
        return 1;
    }
    return 0;
}

TvlRegistrierung registrierung({"render", Aufruf, Render});

} // namespace
