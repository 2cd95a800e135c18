// tvl arbeitsblatt: builds the worksheet, solution sheet or overlay of a
// topic document as the worksheet window does and saves it, so teachers
// can make the sheets of a whole folder at once.
#include "ArbeitsblattErstellen.h"
#include "BlattExport.h"
#include "Dateifehler.h"
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "Szene.h"
#include "TvlBefehl.h"
#include "TvlMeldungen.h"
#include "TvlProgrammOrdner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const char *const Aufruf = "arbeitsblatt DOKUMENT.tvl -o DATEI.(emf|wmf|pdf|svg|png) [--art "
                           "arbeitsblatt|loesung|folie]\n"
                           "          [--ab-frage N] [--titel TEXT] [--aufgabe TEXT] [--ohne-kopf] "
                           "[--ohne-antworten]\n"
                           "          [--progordner ORDNER]   Arbeitsblatt, Lösungsblatt oder "
                           "Auflegefolie";

struct Optionen
{
    QString datei, ausgabe, progOrdner;
    ArbeitsblattOptionen blatt;
    bool titelGesetzt = false;
};

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
                return "Nach -o fehlt der Name der Ausgabedatei.";
        } else if (a == "--art") {
            if (!wert(w))
                return "Nach --art fehlt arbeitsblatt, loesung oder folie.";
            if (w == "arbeitsblatt")
                o.blatt.Art = BlattArt::Arbeitsblatt;
            else if (w == "loesung")
                o.blatt.Art = BlattArt::Loesungsblatt;
            else if (w == "folie")
                o.blatt.Art = BlattArt::Auflegefolie;
            else
                return "--art erwartet arbeitsblatt, loesung oder folie.";
        } else if (a == "--ab-frage") {
            bool ok = false;
            const int n = wert(w) ? w.toInt(&ok) : 0;
            if (!ok || n < 1 || n > 99999)
                return "--ab-frage erwartet eine Fragennummer von 1 bis 99999.";
            o.blatt.AbFrage = n;
        } else if (a == "--titel") {
            if (!wert(o.blatt.Titel))
                return "Nach --titel fehlt der Text (\"\" für keinen Titel).";
            o.titelGesetzt = true;
        } else if (a == "--aufgabe") {
            if (!wert(o.blatt.Aufgabe))
                return "Nach --aufgabe fehlt der Text (\"\" für keine Aufgabe).";
            o.blatt.Aufgabe.replace(QLatin1String("\\n"), QLatin1String("\n"));
        } else if (a == "--ohne-kopf") {
            o.blatt.Name = o.blatt.Klasse = o.blatt.Datum = false;
        } else if (a == "--ohne-antworten") {
            o.blatt.Textvorgabe = false;
        } else if (a == "--progordner") {
            if (!wert(o.progOrdner))
                return "Nach --progordner fehlt der Ordner.";
        } else if (a.startsWith('-') && a.size() > 1) {
            return QString("Unbekannte Option \"%1\".").arg(a);
        } else if (o.datei.isEmpty()) {
            o.datei = a;
        } else {
            return QString("Nur ein Themendokument angeben (\"%1\" ist zu viel).").arg(a);
        }
    }
    if (o.datei.isEmpty() || o.ausgabe.isEmpty())
        return "Themendokument und Ausgabedatei (-o) angeben.";
    if (BlattFormatVon(o.ausgabe) == BlattFormat::Unbekannt)
        return "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.";
    return {};
}

int Arbeitsblatt(const QStringList &args)
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
    // The window copies the document title while "Titel des Dokuments
    // verwenden" is ticked, as it is by default.
    if (!o.titelGesetzt)
        o.blatt.Titel = z.Dok.Titel;

    Dienste dienste;
    dienste.meldungen = &meldungen;
    Szene szene(z, dienste);
    szene.ProgOrdner = TvlProgrammOrdner(o.progOrdner, o.datei);
    szene.SzeneAufbauen();

    const Blatt blatt = ArbeitsblattErstellen(o.blatt, szene);
    if (!BlattSpeichern(blatt, o.ausgabe, BlattFormatVon(o.ausgabe))) {
        meldungen.Fehler(SchreibFehlerText(o.ausgabe));
        return 1;
    }
    return 0;
}

TvlRegistrierung registrierung({"arbeitsblatt", Aufruf, Arbeitsblatt});

} // namespace
