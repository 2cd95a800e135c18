// "Arbeitsblatt drucken": places the worksheet page on the printed sheet
// (margins, width and height in centimetres), chooses the printer, prints.
#pragma once
#include "Blatt.h"
#include "DruckLage.h"

#include <QDialog>

#include <memory>

class IArbeitsblattDialoge;
class IMeldungen;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

class TArbblattDruckForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientBreite = 471;
    static constexpr int ClientHoehe = 259;

    TArbblattDruckForm(IMeldungen &meldungen, IArbeitsblattDialoge &dialoge, QWidget *parent = nullptr);
    ~TArbblattDruckForm() override;

    // The page's width / height, handed over by the worksheet window.
    double Proportion = double(Blatt::Breite) / Blatt::Hoehe;

    // Shows the dialog modally for the page; Accepted when it was printed.
    int Zeigen(const Blatt &blatt);
    // FormActivate: printer name, proportion applied, buttons coloured.
    void Aktivieren();

    QGroupBox *GroupBox1, *GroupBox2;
    QLineEdit *LiRandEdit, *ObRandEdit, *BreiteEdit, *HoeheEdit;
    QCheckBox *SeitRatio;
    QLabel *DruckerInfo;
    QPushButton *DruckBtn, *AbbrBtn, *DrEinrBtn;
    QLabel *MainBackImg;

    // The printer the dialog prints on (created at first use).
    QPrinter &Drucker();
    // The four values; an invalid one gets an error box and the focus.
    bool LageLesen(DruckLage &lage);

    void BreiteEditChange();
    void HoeheEditChange();
    void SeitRatioClick();
    void DrEinrBtnClick();
    void DruckBtnClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void DruckerInfoSetzen();
    bool ZielFehlt();
    IMeldungen &meldungen;
    IArbeitsblattDialoge &dialoge;
    const Blatt *blatt = nullptr;
    std::unique_ptr<QPrinter> drucker;
    bool koppelt = false; // one edit is being set from the other
};

// Prints the page into the rectangle of lage on the printer's sheet.
// False when the printer could not be started.
bool BlattDrucken(QPrinter &drucker, const Blatt &blatt, const DruckLage &lage);
