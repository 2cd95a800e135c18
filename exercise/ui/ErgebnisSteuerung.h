#pragma once
#include "ErgebnisAblauf.h"
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
// NamenErfragen here and fills the hooks of Umgebung it can serve.
class ErgebnisSteuerung
{
public:
    ErgebnisSteuerung(Uebung &uebung, BestListBefehle &befehle, DokumentZustand &dok, IMeldungen &meldungen,
                      QWidget *parent);

    TUebFertigForm *UebFertigForm = nullptr;
    TNameEingabeForm *NameEingabeForm = nullptr;
    UebErgebnisUmgebung Umgebung;
    ErgebnisAblauf Ablauf;

    void ErgebnisAnzeigen();
    bool NamenErfragen(QString &name);

private:
    Uebung &uebung;
};
