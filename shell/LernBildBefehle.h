// What the main window asks of the learning view's picture: rebuild, numbering, markers; scroll and zoom keys.
#pragma once

// The learning view implements it (LernAnsichtAnschluss); the window reaches
// the picture only through it.
class ILernBildBefehle
{
public:
    virtual ~ILernBildBefehle() = default;
    virtual void BildNeuAufbauen() = 0;      // compose the picture anew
    virtual void NummerierungAnwenden() = 0; // zoom 100 %, numbering mode applied
    virtual void ZiehMarkenLoeschen() = 0;   // both drag markers back to -1
};

// The view's navigation implements it (LernNavigationAnschluss).
class ILernNavigation
{
public:
    virtual ~ILernNavigation() = default;
    virtual void BildScrollen(int dx, int dy) = 0; // Ctrl+arrow keys
    virtual void BildZoomen(int richtung) = 0;     // Ctrl+Num +/-: +1 in, -1 out
};

// The window's picture while no learning view is connected: a blank picture
// that nothing changes.
class OhneLernBild : public ILernBildBefehle, public ILernNavigation
{
public:
    void BildNeuAufbauen() override {}
    void NummerierungAnwenden() override {}
    void ZiehMarkenLoeschen() override {}
    void BildScrollen(int, int) override {}
    void BildZoomen(int) override {}
};
