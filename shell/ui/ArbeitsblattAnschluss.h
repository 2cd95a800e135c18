// Connects the worksheet window to the main window: the windows are
// created on first use; "&Arbeitsblatt erstellen..." (Ctrl+A, working
// while hidden) and the tool-bar button ABBtn show the worksheet window
// modally for the current document.
#pragma once
#include <QObject>

#include <memory>

class IArbeitsblattDialoge;
class Szene;
class TArbblattDruckForm;
class TArbeitsblattForm;
class TForm1;
class THoverPanel;

class ArbeitsblattAnschluss : public QObject
{
public:
    ArbeitsblattAnschluss(TForm1 &form, Szene &szene);
    ~ArbeitsblattAnschluss() override;

    TArbeitsblattForm &ArbeitsblattForm();
    TArbblattDruckForm &ArbblattDruckForm();
    bool FensterErzeugt() const { return arbeitsblattForm || arbblattDruckForm; }
    THoverPanel *ABBtn = nullptr; // "Arbeitsblatt erstellen" on the learning view's tool bar

    // Arbeitsblatterstellen1Click / ABBtnClick.
    void ArbeitsblattZeigen();

private:
    TForm1 &form;
    Szene &szene;
    std::unique_ptr<IArbeitsblattDialoge> dialoge;
    TArbeitsblattForm *arbeitsblattForm = nullptr;
    TArbblattDruckForm *arbblattDruckForm = nullptr;
};
