// EinpassungsSpeicher: remembers the last fitted caption of one caption area.
#include "EinpassungsSpeicher.h"

Einpassung EinpassungsSpeicher::Holen(const QString &caption, const QFont &schrift, int flags, const QSize &verfuegbar,
                                      bool einpassen, int minGroesse, bool bindestrichSchritt)
{
    Schluessel neu{caption, schrift, flags, verfuegbar, einpassen, minGroesse, bindestrichSchritt};
    if (schluessel && *schluessel == neu)
        return ergebnis;

    const int start = SchriftGroesse(schrift);
    const int breite = verfuegbar.width();
    if (einpassen) {
        ergebnis = TextEinpassen(caption, start, minGroesse, verfuegbar, bindestrichSchritt,
                                 [&](const QString &t, int g) { return TextMessen(schrift, g, flags, breite, t); });
    } else {
        ergebnis = Einpassung{caption, start, TextMessen(schrift, start, flags, breite, caption)};
    }
    schluessel = std::move(neu);
    ++laeufe;
    return ergebnis;
}
