// AntwortPanel: an answer panel that reports mouse and keys to the engine.
#pragma once
#include "THoverPanel.h"

// An answer panel "UebElemPan<i>" of a running quiz. It only reports the
// mouse and the keys (positions in the coordinates of its parent,
// UebungPan); the engine decides what they mean.
class AntwortPanel : public THoverPanel
{
    Q_OBJECT
public:
    AntwortPanel(int index, bool hand, QWidget *uebungPan);
    int Index() const { return index; }
    void Markieren(bool an);

signals:
    void gedrueckt(int index, QPoint pos);
    void bewegt(int index, QPoint pos);
    void losgelassen(int index, QPoint pos, bool gezogen);
    void taste(int index, int key);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    int index;
    bool links = false;
    QPoint druckPunkt;
    bool gezogen = false;
};
