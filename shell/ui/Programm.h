// The program's windows and parts, created once and joined: main window, learning view, quiz, results, high scores.
#pragma once
#include "Dienste.h"

#include <QStringList>

#include <memory>

class BestListBefehle;
class ErgebnisSteuerung;
class QSettings;
class QtMeldungen;
class Szene;
class TForm1;
class UebungsAnschluss;

// The dialogs of the subsystems are created by their controllers, which
// join the main window through its typed connections. What the window's
// parts refer to must outlive the window, so the window goes first.
class Programm
{
public:
    // fensterMeldungen: the message boxes, given the window as parent as
    // soon as it exists (none in tests).
    Programm(Dienste dienste, QSettings *speicher, const QStringList &argumente,
             QtMeldungen *fensterMeldungen = nullptr);
    ~Programm();

    TForm1 &Form() { return *form; }
    Szene &LernSzene() { return *szene; }
    UebungsAnschluss &Uebung() { return *uebung; }

private:
    std::unique_ptr<Szene> szene;
    std::unique_ptr<BestListBefehle> bestListBefehle;
    std::unique_ptr<ErgebnisSteuerung> ergebnis;
    std::unique_ptr<TForm1> form;
    UebungsAnschluss *uebung = nullptr; // owned by the window
};
