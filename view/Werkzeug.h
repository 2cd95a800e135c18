// The learning view's drawing tools: their numbers and what their button,
// menu item and cursor are called.
#pragma once
#include <QColor>

enum class Werkzeug {
    Zeiger = 1,      // toggles covers
    Hand = 2,        // pans the view
    Stift = 3,       // red pen, opaque
    GelbMarker = 4,  // yellow highlighter, AND with the picture
    GruenMarker = 5, // green highlighter, AND with the picture
    Radierer = 6,    // restores the clean picture
    Haekchen = 7,    // green check mark stamp
    Kreuz = 8,       // red cross stamp
    Text = 9,        // blue keyword
};

struct WerkzeugEintrag
{
    Werkzeug werkzeug;
    const char *knopf;   // tool-bar button
    const char *hinweis; // its hint (UTF-8)
    const char *aktion;  // radio item in "&Werkzeug"
    const char *text;    // its caption (UTF-8)
    int cursor;          // program cursor number; 0 = default cursor
};

// The nine tools in their order on the tool bar and in the menu.
extern const WerkzeugEintrag WerkzeugTabelle[9];

// Pen of a drawing tool (3 to 5): colour, width and whether it is ANDed
// into the picture instead of replacing it.
struct StiftArt
{
    QColor farbe;
    int breite = 0;
    bool maske = false;
};
StiftArt StiftVon(Werkzeug w);
