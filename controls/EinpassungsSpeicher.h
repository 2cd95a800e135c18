// EinpassungsSpeicher: remembers the last fitted caption of one caption area.
#pragma once
#include "TextEinpassen.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <optional>

// Fitting a caption measures it at many font sizes, which is far too slow to
// repeat on every paint (a hover change repaints the whole panel). The result
// only depends on the caption, the font, the text flags, the area's size and
// the fitting parameters, so it is kept until one of them changes.
class EinpassungsSpeicher
{
public:
    // The fitting (or, with einpassen off, only the measuring at the font's
    // own size) of caption into verfuegbar; computed only when any input
    // differs from the previous call.
    Einpassung Holen(const QString &caption, const QFont &schrift, int flags, const QSize &verfuegbar, bool einpassen,
                     int minGroesse, bool bindestrichSchritt);

    // How often the fitting actually ran.
    int Laeufe() const { return laeufe; }

private:
    struct Schluessel
    {
        QString caption;
        QFont schrift;
        int flags = 0;
        QSize verfuegbar;
        bool einpassen = false;
        int minGroesse = 0;
        bool bindestrichSchritt = false;
        bool operator==(const Schluessel &) const = default;
    };
    std::optional<Schluessel> schluessel;
    Einpassung ergebnis;
    int laeufe = 0;
};
