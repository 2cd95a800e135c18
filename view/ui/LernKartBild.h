// LernKartBild: the widget showing the scene's display bitmap.
#pragma once
#include "Szene.h"
#include "SzenenAnzeige.h"

#include <QWidget>

// The learning picture LernKartPicImg: shows the scene's display bitmap
// centred on the control colour and the red marker frame MoveAnker. It owns
// no state of its own; mouse input is passed on to the main window, which
// decides between clicks, panning and the drawing tools.
class LernKartBild : public QWidget, public ISzenenAnzeige
{
    Q_OBJECT
public:
    explicit LernKartBild(Szene &szene, QWidget *parent = nullptr);
    ~LernKartBild() override;

    Szene &szene() { return s; }
    QWidget *MoveAnker() const { return anker; }

    // ISzenenAnzeige
    void Auffrischen() override;
    void MarkerAktualisieren() override;
    void UebungsHinweisZeichnen() override;
    QSize AktuelleGroesse() const override { return size(); }
    void StartseitenLayout() override { emit StartseiteAnordnen(); }
    void BereichAuffrischen(const QRect &r) override;
    void ZoomGeaendert(int index) override { emit ZoomStufeGeaendert(index); }
    void WerkzeugGeaendert(Werkzeug w) override { emit WerkzeugGewaehlt(w); }

signals:
    void MausGedrueckt(QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons knoepfe);
    void MausBewegt(QPoint pos, Qt::MouseButtons knoepfe);
    void MausLosgelassen(QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons knoepfe);
    // A turn of the wheel (eighths of a degree, as the event gives them).
    void MausRad(QPoint winkel, Qt::KeyboardModifiers tasten);
    // The control's size changed; SteuerGroesse is already updated.
    void GroesseGeaendert(QSize groesse);
    // MoveAnker moved or was shown/hidden (UebMoveAnker follows it in a quiz).
    void MarkerGeaendert(QRect rahmen, bool sichtbar);
    // A full rebuild begins: the start page's layout step is due.
    void StartseiteAnordnen();
    // The zoom step or the drawing tool changed (the controls follow).
    void ZoomStufeGeaendert(int index);
    void WerkzeugGewaehlt(Werkzeug w);
    // A single redraw in the quiz: the instruction overlay must be redrawn.
    void HinweisNeuZeichnen();

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    Szene &s;
    QWidget *anker;
};
