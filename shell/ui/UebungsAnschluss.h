// UebungsAnschluss: the quiz as connected to the main window.
#pragma once
#include "ErgebnisHauptfenster.h"

#include <QObject>

class BestListBefehle;
class ErgebnisSteuerung;
class Szene;
class TForm1;
class UebungsSteuerung;

// Connects the quiz to the main window: the quiz start and abort hooks,
// the option dialogs as live holders of the option settings, the menu
// commands "Übungs&optionen..." and "&Protokoll...", the status panel and
// the quiz panel. The end of a run reaches the protocol window, the menu
// options and the folder window through it; the results side is connected
// when it exists.
class UebungsAnschluss : public QObject, public IErgebnisHauptfenster
{
    Q_OBJECT
public:
    UebungsAnschluss(TForm1 &form, Szene &szene, BestListBefehle &bestListen);

    UebungsSteuerung *Steuerung = nullptr;

    void ErgebnisAnschliessen(ErgebnisSteuerung &ergebnis);

    // IErgebnisHauptfenster
    void ProtokollDarstellen() override;
    void ProtokollAutoSpeichern() override;
    void ProtokollZeigen() override;
    bool ErgebBestListEintragenAktiv() override;
    void OrdnerFensterZeigen() override;
    bool OptionenVorJederUebung() override;

private:
    TForm1 &form;
    BestListBefehle &bestListen;
};
