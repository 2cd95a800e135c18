// ISzenenAnzeige: what the scene tells the widget that shows it.
#pragma once
#include "Werkzeug.h"

#include <QRect>
#include <QSize>
#include <QString>

// What the scene tells the widget that shows it (LernKartPicImg). The main
// window's picture widget implements it; tests and the tvl tool leave it out.
class ISzenenAnzeige
{
public:
    virtual ~ISzenenAnzeige() = default;
    // Repaint the control from the display bitmap.
    virtual void Auffrischen() = 0;
    // Repaint only this part of the display bitmap (display-bitmap pixels).
    virtual void BereichAuffrischen(const QRect &) { Auffrischen(); }
    // The zoom step or the tool changed: the controls show the new state.
    virtual void ZoomGeaendert(int) {}
    virtual void WerkzeugGeaendert(Werkzeug) {}
    // The marker frame MoveAnker moved or changed visibility.
    virtual void MarkerAktualisieren() {}
    // Mode 3: a single-object repaint happened; the quiz's instruction
    // overlay must be drawn again on top.
    virtual void UebungsHinweisZeichnen() {}
    // First thing of every full rebuild: centre FlaInfoPan, place the start
    // image's click zone, hide the question counter.
    virtual void StartseitenLayout() {}
    // The control's current client size (also while it is hidden); an
    // invalid size leaves the scene's SteuerGroesse as it is.
    virtual QSize AktuelleGroesse() const { return {}; }
};
