// The learning view joined to the main window: the picture widget over the
// scene and the four connections that give it its commands.
#pragma once

class AnsichtAusgabeAnschluss;
class LernAnsichtAnschluss;
class LernKartBild;
class LernNavigationAnschluss;
class LernWerkzeugAnschluss;
class Szene;
class TForm1;

// Each part is owned by the window; the pointers are for callers that drive
// or look at a part.
struct LernAnsichtTeile
{
    LernKartBild *bild = nullptr;
    LernAnsichtAnschluss *ansicht = nullptr;       // rebuilds the picture, clicks, layers, covers
    LernNavigationAnschluss *navigation = nullptr; // zoom, scroll, pan, the tool bar's fold
    LernWerkzeugAnschluss *werkzeuge = nullptr;    // the drawing tools
    AnsichtAusgabeAnschluss *ausgabe = nullptr;    // saving, copying and printing the view
};

LernAnsichtTeile LernAnsichtAnschliessen(TForm1 &form, Szene &szene);
