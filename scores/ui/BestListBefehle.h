#pragma once
#include "BestListen.h"

class QWidget;
class TBestListForm;
class TBestListVerzForm;
struct Dokument;

// The high-score commands of the main window with their two windows, so
// that the main window only forwards its menu items.
class BestListBefehle
{
public:
    BestListBefehle(Dienste &dienste, QWidget *parent);

    BestListen Listen;
    TBestListForm *BestListForm = nullptr;
    TBestListVerzForm *BestListVerzForm = nullptr;

    // "&Bestenliste..." (Ctrl+F7) and the button "Bestenliste".
    void Bestenliste1Click(int netzRolle, const Dokument *dok);
    // "Besten&liste Netzwerk-Übung..." (Ctrl+F8).
    void BestenlistezurNetzwerkuebung1Click(const Dokument *dok);
    // Loads, sorts and shows a list.
    void BestListZeigen(bool netz, const Dokument *dok);
    // "&Ordner für Protokolle und Bestenlisten...": true when both folders
    // were confirmed and taken over into Ordner().
    bool OrdnerBestenlisten1Click();
};
