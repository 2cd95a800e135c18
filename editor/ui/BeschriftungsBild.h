// The labelling picture: the document drawn by the scene, with the labelling tool on the mouse.
#pragma once
#include "BeschriftungsWerkzeug.h"
#include "Dokument.h"
#include "Szene.h"

#include <QWidget>

#include <memory>

class Bearbeitung;

// Shows the document as the learning view does, every label uncovered, and
// lets the author place, move and select labels on it. The scene draws a
// copy of the document, refreshed after every change.
class BeschriftungsBild : public QWidget
{
    Q_OBJECT
public:
    BeschriftungsBild(Bearbeitung &bearbeitung, const QString &progOrdner, QWidget *parent = nullptr);
    ~BeschriftungsBild() override;

    // Draws the document anew.
    void Neuladen();
    BeschriftungsWerkzeug &Werkzeug() { return *werkzeug; }
    Szene &SzeneSelbst() { return *szene; }

signals:
    // A new label waits for its caption.
    void TextGefragt();
    void AuswahlGeaendert(int index);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    Bearbeitung &b;
    DokumentZustand kopie;
    std::unique_ptr<Szene> szene;
    std::unique_ptr<BeschriftungsWerkzeug> werkzeug;
};
