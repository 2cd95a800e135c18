// SpaltenMenue: a QMenu whose items can start a new column.
#pragma once
#include "SpaltenAnordnung.h"

#include <QMenu>

// A menu whose items can start a new column: an action with the dynamic
// property "neueSpalte" set to true opens the next column, and the items
// after it follow there. Qt's own menu only adds columns when it runs out
// of screen height, so while any shown item carries the mark this menu lays
// out, paints and hit-tests its items itself; without one it is a plain
// QMenu. Item sizes, separator collapsing and activation stay Qt's.
class SpaltenMenue : public QMenu
{
public:
    using QMenu::QMenu;

    QSize sizeHint() const override;

    // Where an item is drawn; empty when it is not shown.
    QRect SpaltenFeld(QAction *a) const;
    // Columns of the own layout; 1 while Qt lays the menu out.
    int Spalten() const;

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void actionEvent(QActionEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    struct Anordnung
    {
        bool eigen = false; // a column mark is in effect
        QList<QAction *> aktionen;
        QList<QRect> felder; // in widget coordinates
        int spalten = 1;
        int breite = 0, abstand = 0;
        QSize groesse;
    };
    const Anordnung &Plan() const;
    QAction *AktionBei(const QPoint &p) const;
    bool Waehlbar(const QAction *a) const;
    bool SpalteWechseln(int richtung);

    mutable Anordnung plan;
    mutable bool planAlt = true;
    bool druckHier = false; // the mouse button went down inside this menu
};
