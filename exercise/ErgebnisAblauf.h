// The completion of a run and what it needs from the engine and the window.
#pragma once
#include "ErgebnisDaten.h"
#include "Meldungen.h"

// What the completion of a run needs from the engine and the main window.
class IErgebnisUmgebung
{
public:
    virtual ~IErgebnisUmgebung() = default;
    // The protocol completed (summary lines before the detailed course)
    // and rendered into the protocol window.
    virtual void ProtokollAbschliessen() = 0;
    virtual bool AutoProtSpeichernAktiv() = 0; // "&Protokolle automatisch speichern"
    virtual void ProtokollAutoSpeichern() = 0;
    virtual bool ErgebBestListEintragenAktiv() = 0; // "&Ergebnisse automatisch in Bestenliste eintragen"
    virtual bool ErgebnisEintragen(bool netz) = 0;  // reports its own failure
    virtual void OrdnerFensterZeigen() = 0;         // "&Ordner für Protokolle und Bestenlisten..."
    virtual bool OptionenVorJederUebung() = 0;      // the options dialog's check box
    virtual bool NetzUebungBeitreten() = 0;         // a participant's repetition
    virtual bool UebungStarten(const StartAuftrag &auftrag) = 0;
    virtual void NetzDokumentSchliessen() = 0;
    virtual void NetzRolleZuruecksetzen() = 0; // back to an own run
    virtual void UebungVerlassen() = 0;
};

// The results window as the completion sees it.
class IErgebnisFenster
{
public:
    virtual ~IErgebnisFenster() = default;
    virtual void InhaltSetzen(const ErgebnisInhalt &inhalt) = 0;
    // Modal; true when closed with "Quiz wiederholen".
    virtual bool ModalZeigen() = 0;
    virtual int GewaehlterWiederholenMode() = 0; // item index chosen by the user
};

// Completion of a run: fills the results window, completes and saves the
// protocol, enters the result into the high-score list and runs the loop
// of the results window until a new run starts or the user leaves.
class ErgebnisAblauf
{
public:
    ErgebnisAblauf(IErgebnisUmgebung &umgebung, IErgebnisFenster &fenster, IMeldungen &meldungen);

    // The labels of the results window for a finished run.
    static ErgebnisInhalt InhaltBerechnen(const UebErgebnis &e);

    void ErgebnisAnzeigen(const UebErgebnis &e);

    // "In Bestenliste eintragen" of the results window.
    void InBestenlisteEintragen();

    bool InBestenliste = false;
    const ErgebnisInhalt &Inhalt() const { return inhalt; }

private:
    bool EintragErlaubt() const;

    IErgebnisUmgebung &umgebung;
    IErgebnisFenster &fenster;
    IMeldungen &meldungen;
    UebErgebnis ergebnis;
    ErgebnisInhalt inhalt;
};
