// The learning-view tool bar LernInfoPan: its controls are stacked in rows
// from the top, in the order the parts of the program add them.
#pragma once
#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

class QImage;
class QWidget;
class TForm1;
class THoverPanel;

// Every part that brings controls for the tool bar adds them here, e.g.
//   THoverPanel *b = form.Werkzeugleiste->KnopfHinzufuegen("ABBtn", "Arbeitsblatt", "Arbeitsblatt erstellen");
// The tool bar is hidden in this edition; it appears with the extended
// functions (ErweiterteFunktionen).
class LernLeiste : public QObject
{
public:
    explicit LernLeiste(TForm1 &form);

    static constexpr int PanBreite = 170; // width of LernInfoPan
    static constexpr int Rand = 4;
    static constexpr int ZeilenHoehe = 24;
    // Width of a full row.
    int Breite() const;

    // A button in the common button style on the tool bar, not yet placed.
    THoverPanel *Knopf(const QString &name, const QString &caption, const QString &hinweis);
    // A button of the common style in a full-width row of its own.
    THoverPanel *KnopfHinzufuegen(const QString &name, const QString &caption, const QString &hinweis);
    // Widgets side by side in one row of equal cells.
    void ReiheHinzufuegen(const QList<QWidget *> &teile, int hoehe = ZeilenHoehe);
    // Room between groups of controls.
    void Abstand(int pixel = 6) { y += pixel; }
    // The lowest row's bottom, for a panel that wants to fit its controls.
    int Hoehe() const { return y; }

private:
    TForm1 &form;
    int y = Rand;
};

// A small picture for a tool-bar button from one of the program cursors;
// with a valid faerben, its yellow parts take that colour.
QImage KnopfbildVonCursor(int cursor, int seite = 22, QColor faerben = QColor());
