// tvl check: whether topic documents read and their question cards fit.
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "KartenPruefung.h"
#include "TvlBefehl.h"
#include "TvlDokument.h"
#include "TvlMeldungen.h"

#include <QStringList>

namespace {

// One line per file on standard output; the program's messages for a file
// that fails go to standard error. A single-question document whose question
// text, flag frame and answer places meet in the smallest window (900 x 650)
// fails too, with one line per overlap.
int Check(const QStringList &args)
{
    if (args.isEmpty()) {
        TvlFehler("Aufruf: tvl check DATEI...");
        return 2;
    }
    int fehler = 0;
    for (const QString &pfad : args) {
        TvlDokument t;
        if (!t.Laden(pfad)) {
            TvlAus(QString("%1: FEHLER\n").arg(pfad));
            ++fehler;
            continue;
        }
        const QStringList konflikte = t.Dok().DokTyp == DokArt::Einzelfragen
                                          ? KartenPruefung(t.Dok(), KartenPruefung::KleinstesFenster).Konflikte()
                                          : QStringList();
        if (konflikte.isEmpty()) {
            TvlAus(QString("%1: ok (\"%2\", %3 Objekte, Bild %4 x %5)\n")
                       .arg(pfad, t.Dok().Titel)
                       .arg(t.Dok().Objekte.size())
                       .arg(t.Dok().BasisBild.width())
                       .arg(t.Dok().BasisBild.height()));
        } else {
            TvlAus(QString("%1: FEHLER (%2 Überschneidungen im Fenster 900 x 650)\n").arg(pfad).arg(konflikte.size()));
            for (const QString &k : konflikte)
                TvlAus(QString("  %1\n").arg(k));
            ++fehler;
        }
    }
    return fehler ? 1 : 0;
}

TvlRegistrierung registrierung(
    {"check",
     "check DATEI...             prüft, ob Themendokumente lesbar sind und ihre Fragekarten bei 900 x 650 passen",
     Check});

} // namespace
