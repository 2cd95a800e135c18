// ErgebnisSteuerung: the end of a run as the main window wires it.
#pragma once
#include "ErgebnisAblauf.h"
#include "ErgebnisAnzeige.h"
#include "ErgebnisUebung.h"

class BestListBefehle;
class IMeldungen;
class QWidget;
class TNameEingabeForm;
class TUebFertigForm;
class Uebung;
struct DokumentZustand;

// The end of a run as the main window wires it: the results window, the
// name dialog and the completion over the engine and the high-score lists.
// The main window forwards IUebOberflaeche::ErgebnisAnzeigen and
// NamenErfragen here and serves what only it can do through
// IErgebnisHauptfenster. Both windows are made when first needed, not at the
// program's start.
class ErgebnisSteuerung : public IErgebnisAnzeige, private IErgebnisFenster
{
public:
    ErgebnisSteuerung(Uebung &uebung, BestListBefehle &befehle, DokumentZustand &dok, IMeldungen &meldungen,
                      IErgebnisHauptfenster &hauptfenster, QWidget *parent);

    TUebFertigForm &UebFertigForm();
    TNameEingabeForm &NameEingabeForm();
    bool FensterErzeugt() const { return uebFertigForm || nameEingabeForm; }
    UebErgebnisUmgebung Umgebung;
    ErgebnisAblauf Ablauf;

    // IErgebnisAnzeige
    void ErgebnisAnzeigen() override;
    bool NamenErfragen(QString &name) override;

private:
    // IErgebnisFenster, passed on to the results window.
    void InhaltSetzen(const ErgebnisInhalt &inhalt) override;
    bool ModalZeigen() override;
    int GewaehlterWiederholenMode() override;

    Uebung &uebung;
    BestListBefehle &befehle;
    DokumentZustand &dok;
    IErgebnisHauptfenster &hauptfenster;
    QWidget *eltern;
    TUebFertigForm *uebFertigForm = nullptr;
    TNameEingabeForm *nameEingabeForm = nullptr;
};
