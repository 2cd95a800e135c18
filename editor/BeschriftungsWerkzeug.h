// Placing, moving and removing labels with the mouse on the scene's picture, without widgets.
#pragma once
#include <QPoint>
#include <QPointF>
#include <QString>

#include <optional>

class Bearbeitung;
class Szene;

// The mouse on the labelling picture, in control pixels of the scene's
// control: a press on a label's box selects it and a drag moves the box;
// a press on the selected label's anchor moves the anchor; a press anywhere
// else places the anchor of a new label, and the release gives its box
// (a click without a drag puts the box at the anchor). The new label is
// only made once its caption is known (Anlegen), so placing it is one step
// of the history.
//
// The scene must show the document the Bearbeitung edits (or a copy with
// the same objects), drawn, so its boxes can be hit.
class BeschriftungsWerkzeug
{
public:
    BeschriftungsWerkzeug(Bearbeitung &bearbeitung, Szene &szene);

    // The selected object, -1 for none.
    int Ausgewaehlt = -1;

    void Druck(QPoint steuerPixel);
    void Bewegung(QPoint steuerPixel);
    // True when a new label waits for its caption.
    bool Los(QPoint steuerPixel);

    // The label that waits for its caption: anchor and box in fractions.
    struct Neu
    {
        QPointF anker, kasten;
    };
    std::optional<Neu> Wartend;
    // Makes the waiting label with the caption (empty text: an error, the
    // label still waits); it becomes the selected one.
    QString Anlegen(const QString &cap);
    void Verwerfen() { Wartend.reset(); }

    // While a new label is dragged: where its anchor and box are (control pixels).
    bool ZiehtNeu() const { return zustand == Zustand::Neu; }
    QPoint AnkerPixel() const { return druckPunkt; }
    QPoint LetzterPixel() const { return letzter; }

    // How near (control pixels) a press must be to the selected anchor to move it.
    static constexpr int AnkerFang = 7;

private:
    enum class Zustand { Ruhe, Neu, Kasten, Anker };
    Bearbeitung &b;
    Szene &szene;
    Zustand zustand = Zustand::Ruhe;
    QPoint druckPunkt, letzter;
    QPointF kastenStart; // box fraction at the press
};
