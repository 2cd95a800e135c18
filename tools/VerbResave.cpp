// tvl resave: a topic document read and written anew.
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "TvlBefehl.h"
#include "TvlDokument.h"
#include "TvlMeldungen.h"

#include <QStringList>

namespace {

// Reads and writes through the program's own reader and writer, so an older
// file gains the full key list.
int Resave(const QStringList &args)
{
    if (args.size() != 2) {
        TvlFehler("Aufruf: tvl resave EIN.tvl AUS.tvl");
        return 2;
    }
    TvlDokument t;
    if (!t.Laden(args[0]))
        return 1;
    if (!SpeichereDokument(t.zustand, t.umgebung, t.meldungen, args[1], true))
        return 1;
    return 0;
}

TvlRegistrierung registrierung({"resave", "resave EIN.tvl AUS.tvl     liest ein Themendokument und schreibt es neu",
                                Resave});

} // namespace
