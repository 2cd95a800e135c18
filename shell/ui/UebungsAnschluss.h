#pragma once
#include <QObject>

class ErgebnisSteuerung;
class Szene;
class TForm1;
class UebungsSteuerung;

// Connects the quiz to the main window: the quiz start and abort hooks,
// the option dialogs as live holders of the option settings, the menu
// commands "Übungs&optionen..." and "&Protokoll...", the status panel and
// the quiz panel. The results side is connected when it exists.
class UebungsAnschluss : public QObject
{
    Q_OBJECT
public:
    UebungsAnschluss(TForm1 &form, Szene &szene);

    UebungsSteuerung *Steuerung = nullptr;

    void ErgebnisAnschliessen(ErgebnisSteuerung &ergebnis);

private:
    TForm1 &form;
};
