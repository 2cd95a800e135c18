// ABImg: the worksheet page drawn smoothly at the control's size.
#pragma once
#include "Blatt.h"

#include <QImage>
#include <QWidget>

class VorschauBild : public QWidget
{
    Q_OBJECT
public:
    explicit VorschauBild(QWidget *parent = nullptr);

    // The page to show; the widget keeps its own copy of the display list.
    void BlattSetzen(const Blatt &blatt);
    // What the control currently shows (for tests and screenshots).
    const QImage &Bild() const { return bild; }

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void Rendern();
    Blatt blatt;
    QImage bild;
};
