// The drawing tools' table of names, captions and cursors, and the pen of each.
#include "Werkzeug.h"

const WerkzeugEintrag WerkzeugTabelle[9] = {
    {Werkzeug::Zeiger, "ZeigerBtn", "Zeiger zum Auf- und Abdecken von Beschriftungen", "WerkZeiger1",
     "&Zeiger zum Auf-/Abdecken", 0},
    {Werkzeug::Hand, "HandBtn", "Bildausschnitt verschieben", "WerkVerschiebehand1", "Hand zum &Verschieben", 8},
    {Werkzeug::Stift, "StiftBtn", "roter Stift, deckend", "WerkRoterStiftdeckend1", "Roter &Stift, deckend", 1},
    {Werkzeug::GelbMarker, "MarkerBtn", "gelber Marker, teiltransparent", "WerkGelberMarkerteiltransparent1",
     "Gelber &Marker, teiltransparent", 2},
    {Werkzeug::GruenMarker, "Marker2Btn", "grüner Marker, teiltransparent", "WerkGruenerMarkerteiltransparent1",
     "&Grüner Marker, teiltransparent", 2},
    {Werkzeug::Radierer, "RadierBtn", "Radierwerkzeug", "WerkRadierwerkzeug1", "&Radierwerkzeug", 3},
    {Werkzeug::Haekchen, "HaekchenBtn", "grünes Häkchen", "WerkGruenesHaekchen1", "Grünes &Häkchen", 5},
    {Werkzeug::Kreuz, "KreuzBtn", "rotes Kreuz", "WerkRotesKreuz1", "Rotes &Kreuz", 6},
    {Werkzeug::Text, "TexteingabeBtn", "blauer Text für Schlagwörter", "WerkSchlagwoertereinsetzen1",
     "Schlag&wörter einsetzen", 7},
};

StiftArt StiftVon(Werkzeug w)
{
    switch (w) {
    case Werkzeug::Stift:
        return {QColor(255, 0, 0), 5, false};
    case Werkzeug::GelbMarker:
        return {QColor(255, 255, 0), 25, true};
    case Werkzeug::GruenMarker:
        return {QColor(0, 255, 0), 25, true};
    default:
        return {};
    }
}
