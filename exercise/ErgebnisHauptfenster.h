// What the end of a run needs from the main window: the protocol window, two menu options and the folder window.
#pragma once

// The main window's side implements it; the completion receives it when it
// is made, so a part left unconnected does not compile.
class IErgebnisHauptfenster
{
public:
    virtual ~IErgebnisHauptfenster() = default;

    virtual void ProtokollDarstellen() = 0;         // the run's protocol into the protocol window
    virtual void ProtokollAutoSpeichern() = 0;      // into the folder of the automatic protocols
    virtual void ProtokollZeigen() = 0;             // "Protokoll" of the results window
    virtual bool ErgebBestListEintragenAktiv() = 0; // "&Ergebnisse automatisch in Bestenliste eintragen"
    virtual void OrdnerFensterZeigen() = 0;         // "&Ordner für Protokolle und Bestenlisten..."
    virtual bool OptionenVorJederUebung() = 0;      // the options dialog's check box
};
