// Zoom, scroll and pan of the learning view: they change only the view
// state; zooming rebuilds the scene, scrolling copies another part of it.
#include "Navigation.h"
#include "Szene.h"

bool Szene::ZoomWechseln(int index)
{
    if (index == ZoomIndex)
        return false;
    ZoomSetzen(index);
    if (Zustand.AnsichtModus == AnsichtArt::Startseite)
        SzeneAufbauen();
    return true;
}

void Szene::Hineinzoomen()
{
    // From an odd step two more would pass the end of the table.
    if (ZoomIndex <= 3)
        ZoomWechseln(qMin(4, ZoomIndex + 2));
}

void Szene::Herauszoomen()
{
    if (ZoomIndex >= 1)
        ZoomWechseln(qMax(0, ZoomIndex - 2));
}

void Szene::Scrollen(int rx, int ry)
{
    ZeichnungenUebernehmen();
    const QPointF d = ScrollSchritt(Ausschnitt, rx, ry);
    Ausschnitt = AusschnittVerschieben(Ausschnitt, d.y(), d.x());
    AnsichtZeigen();
}

void Szene::VerschiebenBeginnen(QPoint steuerPixel)
{
    ZeichnungenUebernehmen();
    VerschiebeStart = steuerPixel;
}

void Szene::Verschieben(QPoint steuerPixel)
{
    const double dx = double(VerschiebeStart.x() - steuerPixel.x()) / qMax(1, SzenenBild.width());
    const double dy = double(VerschiebeStart.y() - steuerPixel.y()) / qMax(1, SzenenBild.height());
    Ausschnitt = AusschnittVerschieben(Ausschnitt, dy, dx);
    VerschiebeStart = steuerPixel;
    AnsichtZeigen();
}
