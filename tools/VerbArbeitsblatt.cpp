// tvl arbeitsblatt: builds the worksheet, solution sheet or overlay of a
// topic document as the worksheet window does and saves it, so teachers
// can make the sheets of a whole folder at once.
#include "ArbeitsblattErstellen.h"
#include "BlattExport.h"
#include "Dateifehler.h"
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "TvlArgumente.h"
#include "TvlBefehl.h"
#include "TvlSzene.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const char *const Aufruf = "arbeitsblatt DOKUMENT.tvl -o DATEI.(emf|wmf|pdf|svg|png) [--art "
                           "arbeitsblatt|loesung|folie]\n"
                           "          [--ab-frage N] [--alle] [--wortliste blatt|alle] [--titel TEXT] "
                           "[--aufgabe TEXT]\n"
                           "          [--ohne-kopf] [--ohne-antworten] [--progordner ORDNER]\n"
                           "          Arbeitsblatt, Lösungsblatt oder Auflegefolie; mit --alle alle Blätter "
                           "(PDF mit allen Seiten,\n"
                           "          sonst DATEI-1, DATEI-2, ...)";

struct Optionen
{
    TvlDokumentArgumente dok;
    ArbeitsblattOptionen blatt;
    bool titelGesetzt = false;
    bool alle = false;
};

QString Lesen(const QStringList &args, Optionen &o)
{
    TvlArgumente arg(args, "Ausgabedatei", true);
    while (arg.Naechstes()) {
        const QString &a = arg.Aktuell();
        QString w;
        if (a == "--art") {
            if (!arg.Wert(w))
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
            const int n = arg.Wert(w) ? w.toInt(&ok) : 0;
            if (!ok || n < 1 || n > 99999)
                return "--ab-frage erwartet eine Fragennummer von 1 bis 99999.";
            o.blatt.AbFrage = n;
        } else if (a == "--titel") {
            if (!arg.Wert(o.blatt.Titel))
                return "Nach --titel fehlt der Text (\"\" für keinen Titel).";
            o.titelGesetzt = true;
        } else if (a == "--aufgabe") {
            if (!arg.Wert(o.blatt.Aufgabe))
                return "Nach --aufgabe fehlt der Text (\"\" für keine Aufgabe).";
            o.blatt.Aufgabe.replace(QLatin1String("\\n"), QLatin1String("\n"));
        } else if (a == "--alle") {
            o.alle = true;
        } else if (a == "--wortliste") {
            if (!arg.Wert(w) || (w != "blatt" && w != "alle"))
                return "--wortliste erwartet blatt (nur die Antworten des Blatts) oder alle.";
            o.blatt.WortlisteBlatt = w == "blatt";
        } else if (a == "--ohne-kopf") {
            o.blatt.Name = o.blatt.Klasse = o.blatt.Datum = false;
        } else if (a == "--ohne-antworten") {
            o.blatt.Textvorgabe = false;
        } else if (const QString fehler = arg.Gemeinsam(o.dok); !fehler.isEmpty()) {
            return fehler;
        }
    }
    if (const QString fehler = arg.Vollstaendig(o.dok); !fehler.isEmpty())
        return fehler;
    if (BlattFormatVon(o.dok.ausgabe) == BlattFormat::Unbekannt)
        return "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.";
    return {};
}

int Arbeitsblatt(const QStringList &args)
{
    Optionen o;
    // As in the window: the word list holds the sheet's own answers.
    o.blatt.WortlisteBlatt = true;
    const QString fehler = Lesen(args, o);
    if (!fehler.isEmpty())
        return TvlAufrufFehler(fehler, Aufruf);
    TvlSzene s;
    if (!s.Oeffnen(o.dok))
        return 1;
    // The window copies the document title while "Titel des Dokuments
    // verwenden" is ticked, as it is by default.
    if (!o.titelGesetzt)
        o.blatt.Titel = s.t.Dok().Titel;
    s.szene->SzeneAufbauen();

    const BlattFormat format = BlattFormatVon(o.dok.ausgabe);
    if (!o.alle) {
        const Blatt blatt = ArbeitsblattErstellen(o.blatt, *s.szene);
        if (!BlattSpeichern(blatt, o.dok.ausgabe, format)) {
            s.t.meldungen.Fehler(SchreibFehlerText(o.dok.ausgabe));
            return 1;
        }
        if (blatt.NaechsteFrage > 0)
            TvlAus(QString("Nächstes Blatt ab Frage %1\n").arg(blatt.NaechsteFrage));
        return 0;
    }
    int zuLang = 0;
    const QList<Blatt> satz = ArbeitsblattSatz(o.blatt, *s.szene, zuLang);
    if (satz.isEmpty()) {
        s.t.meldungen.Fehler(QString("Frage %1 passt nicht auf ein Blatt.").arg(zuLang));
        return 1;
    }
    if (const QString fehler = SatzSpeichern(satz, o.dok.ausgabe, format); !fehler.isEmpty()) {
        s.t.meldungen.Fehler(SchreibFehlerText(fehler));
        return 1;
    }
    TvlAus(QString("%1 Blätter\n").arg(satz.size()));
    return 0;
}

TvlRegistrierung registrierung({"arbeitsblatt", Aufruf, Arbeitsblatt});

} // namespace
