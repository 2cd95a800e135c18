// KlickZone: an invisible area that reacts to a click.
#pragma once
#include <QWidget>

// An invisible area over a picture that reacts to a left click, e.g. the
// link in the middle of the start picture. Screen readers see it as a
// button with the accessible name it is given.
class KlickZone : public QWidget
{
    Q_OBJECT
public:
    explicit KlickZone(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
};
