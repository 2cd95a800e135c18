// The single-question page of the editor: the table of lines, the flag picker and the card's preview.
#pragma once
#include <QWidget>

class Bearbeitung;
class IMeldungen;
class QLabel;
class QTableWidget;

class FragenSeite : public QWidget
{
    Q_OBJECT
public:
    FragenSeite(Bearbeitung &bearbeitung, IMeldungen &meldungen, const QString &progOrdner, QWidget *parent = nullptr);

    // The table and the preview again from the document.
    void Neuladen();
    // Puts the chosen flag into the selected question (a new one when none
    // is selected); the answer takes the flag's name when it has none.
    void FlaggeEinfuegen(const QString &datei, const QString &name);
    // The card of question k (1-based) in the preview.
    void VorschauZeigen(int k);

    QTableWidget *Tabelle = nullptr;
    QLabel *Vorschau = nullptr;
    QLabel *Pruefung = nullptr;

private:
    void ZelleGeaendert(int zeile, int spalte);
    void Hinzufuegen();
    void Loeschen();
    void FlaggeWaehlen();
    Bearbeitung &b;
    IMeldungen &meldungen;
    QString progOrdner;
    bool laedt = false;
};
