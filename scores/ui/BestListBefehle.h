// BestListBefehle: the high-score commands of the main window.
#pragma once
#include "BestListen.h"

class IMeldungen;
class QWidget;
class TBestListForm;
class TBestListVerzForm;
struct Dokument;

// The high-score commands of the main window with their two windows, so
// that the main window only forwards its menu items. The windows are made
// on first use: most runs never show them, and building the list window's
// table alone is a noticeable part of the program's start.
class BestListBefehle
{
public:
    BestListBefehle(Dienste &dienste, QWidget *parent);

    BestListen Listen;
    // The list window and the folder window, made when first asked for.
    TBestListForm &BestListForm();
    TBestListVerzForm &BestListVerzForm();
    // Whether a window has been made yet.
    bool FensterErzeugt() const { return bestListForm || bestListVerzForm; }

    // "&Bestenliste..." (Ctrl+F7) and the button "Bestenliste".
    void Bestenliste1Click(Rolle netzRolle, const Dokument *dok);
    // "Besten&liste Netzwerk-Übung..." (Ctrl+F8).
    void BestenlistezurNetzwerkuebung1Click(const Dokument *dok);
    // Loads, sorts and shows a list.
    void BestListZeigen(bool netz, const Dokument *dok);
    // "&Ordner für Protokolle und Bestenlisten...": true when both folders
    // were confirmed and taken over into Ordner().
    bool OrdnerBestenlisten1Click();

private:
    IMeldungen &meldungen;
    QWidget *eltern;
    TBestListForm *bestListForm = nullptr;
    TBestListVerzForm *bestListVerzForm = nullptr;
};
