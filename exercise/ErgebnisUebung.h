#pragma once
#include "ErgebnisAblauf.h"

#include <functional>

class BestListen;
class Uebung;
struct DokumentZustand;

// The completion's environment on top of the engine and the high-score
// lists. What only the main window can do (protocol window, menu options,
// folder window, network) is handed in as functions; a missing one does
// nothing.
class UebErgebnisUmgebung : public IErgebnisUmgebung
{
public:
    UebErgebnisUmgebung(Uebung &uebung, BestListen &listen, DokumentZustand &dok);

    std::function<void()> protokollDarstellen;   // render into the protocol window
    std::function<void()> protokollAutoSpeichern;
    std::function<bool()> ergebBestListEintragenAktiv; // default: ticked
    std::function<void()> ordnerFensterZeigen;
    std::function<bool()> optionenVorJederUebung;
    std::function<bool()> netzUebungBeitreten;

    void ProtokollAbschliessen() override;
    bool AutoProtSpeichernAktiv() override;
    void ProtokollAutoSpeichern() override;
    bool ErgebBestListEintragenAktiv() override;
    bool ErgebnisEintragen(bool netz) override;
    void OrdnerFensterZeigen() override;
    bool OptionenVorJederUebung() override;
    bool NetzUebungBeitreten() override;
    bool UebungStarten(bool optionenZeigen, int umfang, int rolle) override;
    void NetzDokumentSchliessen() override;
    void NetzRolleZuruecksetzen() override;
    void UebungVerlassen() override;

private:
    Uebung &uebung;
    BestListen &listen;
    DokumentZustand &dok;
};
