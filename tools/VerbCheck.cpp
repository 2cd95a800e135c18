#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "TvlBefehl.h"
#include "TvlMeldungen.h"

#include <QStringList>

namespace {

// One line per file on standard output; the program's messages for a file
// that fails go to standard error.
int Check(const QStringList &args)
{
    if (args.isEmpty()) {
        TvlFehler("Aufruf: tvl check DATEI...");
        return 2;
    }
    int fehler = 0;
    for (const QString &pfad : args) {
        DokumentZustand z;
        StilleDokumentUmgebung umgebung;
        TvlMeldungen meldungen;
        if (LadeDokument(z, umgebung, meldungen, pfad, false)) {
            TvlAus(QString("%1: ok (\"%2\", %3 Objekte, Bild %4 x %5)\n")
                       .arg(pfad, z.Dok.Titel)
                       .arg(z.Dok.Objekte.size())
                       .arg(z.Dok.BasisBild.width())
                       .arg(z.Dok.BasisBild.height()));
        } else {
            TvlAus(QString("%1: FEHLER\n").arg(pfad));
            ++fehler;
        }
    }
    return fehler ? 1 : 0;
}

TvlRegistrierung registrierung({"check", "check DATEI...             prüft, ob Themendokumente lesbar sind", Check});

} // namespace
