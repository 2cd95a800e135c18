// Zoom, scroll, pan and the tool bar's fold state of the learning view,
// from their buttons, menu items and keys.
#pragma once
#include "LernBildBefehle.h"

#include <QObject>
#include <QPoint>

class LernKartBild;
class QAction;
class QActionGroup;
class Szene;
class TForm1;
class THoverPanel;

class LernNavigationAnschluss : public QObject, public ILernNavigation
{
public:
    LernNavigationAnschluss(TForm1 &form, Szene &szene, LernKartBild &bild);

    THoverPanel *ZoomPan0 = nullptr, *ZoomPan2 = nullptr, *ZoomPan4 = nullptr;
    QAction *Zoomstufe100 = nullptr, *Zoomstufe150 = nullptr, *Zoomstufe200 = nullptr;
    THoverPanel *ScrollLiBtn = nullptr, *ScrollReBtn = nullptr, *ScrollHoBtn = nullptr, *ScrollRuBtn = nullptr;
    // The way back to the start page from the tool bar ("&Startseite").
    THoverPanel *StartseiteBtn = nullptr;

    // KlappPan and "Werkzeugleiste zu&klappen": toggle the fold state
    // LeisteOffen, then the learning view is opened anew. The new size
    // rebuilds the picture: drawings on it are lost, so the user is asked
    // first when there are any.
    void Werkzeugleisteklappen1Click();
    // The switch "Erweiterte Funktionen anzeigen": the picture is seen in
    // mode 2 and the tool bar opens; off, the start panel covers it again.
    void ErweiterteFunktionenGeaendert(bool an);

    // ILernNavigation: Ctrl+arrow keys and Ctrl+Num +/-.
    void BildScrollen(int dx, int dy) override;
    void BildZoomen(int richtung) override;

    void ZoomWechseln(int index);
    void Scrollen(int rx, int ry);
    // The zoom buttons and their radio items show the step.
    void ZoomAnzeigen(int index);
    // Zooming is refused during a quiz; its controls are disabled then.
    bool ZoomErlaubt() const;
    void ZoomBefehleAktualisieren();

    // Panning with the right button, or the left one with the hand tool.
    void MausGedrueckt(QPoint pos, Qt::MouseButton knopf);
    void MausBewegt(QPoint pos, Qt::MouseButtons knoepfe);
    void MausLosgelassen();
    bool Verschiebt() const { return verschiebt; }
    // The wheel scrolls the picture (Shift sideways), Ctrl+wheel zooms.
    void MausRad(QPoint winkel, Qt::KeyboardModifiers tasten);

private:
    void BaueLeiste();
    void BaueMenue();
    bool BildErreichbar() const;
    void Auffrischen();

    TForm1 &form;
    Szene &szene;
    LernKartBild &bild;
    QActionGroup *zoomGruppe = nullptr;
    bool verschiebt = false;
    int radRest = 0;
};
