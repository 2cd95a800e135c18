// UebErgebnisUmgebung: the completion's environment over engine and high-score lists.
#pragma once
#include "ErgebnisAblauf.h"
#include "ErgebnisHauptfenster.h"

class BestListen;
class Uebung;
struct DokumentZustand;

// The completion's environment on top of the engine and the high-score
// lists. What only the main window can do (protocol window, menu options,
// folder window) goes through the window given at construction; a
// participant's repetition goes through the engine's network side.
class UebErgebnisUmgebung : public IErgebnisUmgebung
{
public:
    UebErgebnisUmgebung(Uebung &uebung, BestListen &listen, DokumentZustand &dok, IErgebnisHauptfenster &fenster);

    void ProtokollAbschliessen() override;
    bool AutoProtSpeichernAktiv() override;
    void ProtokollAutoSpeichern() override;
    bool ErgebBestListEintragenAktiv() override;
    bool ErgebnisEintragen(bool netz) override;
    void OrdnerFensterZeigen() override;
    bool OptionenVorJederUebung() override;
    bool NetzUebungBeitreten() override;
    bool UebungStarten(const StartAuftrag &auftrag) override;
    void NetzDokumentSchliessen() override;
    void NetzRolleZuruecksetzen() override;
    void UebungVerlassen() override;

private:
    Uebung &uebung;
    BestListen &listen;
    DokumentZustand &dok;
    IErgebnisHauptfenster &fenster;
};
