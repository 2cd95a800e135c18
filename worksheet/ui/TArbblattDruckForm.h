// "Arbeitsblatt drucken": places the worksheet page on the printed sheet
// (margins, width and height in centimetres), chooses the printer, prints.
#pragma once
#include "ArbeitsblattOptionen.h"
#include "Blatt.h"
#include "DruckLage.h"

#include <QDialog>
#include <QSet>

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

    // The sheet kind, handed over like the proportion: a PDF file as
    // printer gets the kind in its name ("Arbeitsblatt-loesung.pdf").
    BlattArt Art = BlattArt::Arbeitsblatt;

    // Shows the dialog modally for the page, or for a set printed in one
    // go; Accepted when it was printed.
    int Zeigen(const Blatt &blatt);
    int Zeigen(const QList<Blatt> &blaetter);
    // FormActivate: printer name, proportion applied, buttons coloured.
    void Aktivieren();

    QGroupBox *GroupBox1, *GroupBox2;
    QLineEdit *LiRandEdit, *ObRandEdit, *BreiteEdit, *HoeheEdit;
    QCheckBox *SeitRatio;
    QLabel *DruckerInfo;
    QPushButton *DruckBtn, *AbbrBtn, *DrEinrBtn;
    QPushButton *AnpassenBtn; // "An Seite anpassen"
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
    void AnpassenBtnClick();

    // The file printing writes to when the printer is a PDF file, with the
    // sheet kind in its name; empty for a real printer.
    QString DruckDatei();
    // The paper and the part of it the printer prints on, in centimetres.
    QSizeF PapierCm();
    QRectF BedruckbarCm();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void DruckerInfoSetzen();
    bool ZielFehlt();
    IMeldungen &meldungen;
    IArbeitsblattDialoge &dialoge;
    QList<Blatt> blaetter;
    bool zeigt = false;
    // Files this dialog printed to in this run: printing again replaces
    // them without asking.
    QSet<QString> geschrieben;
    std::unique_ptr<QPrinter> drucker;
    bool koppelt = false; // one edit is being set from the other
};

enum class DruckErgebnis { Gedruckt, DruckerFehler, SchreibFehler };

// Prints the pages, one per sheet of paper, into the rectangle of lage.
// A PDF file as printer is written as safely as saving: to a temporary
// file that replaces datei (default: the printer's file) only when
// complete.
DruckErgebnis BlattDrucken(QPrinter &drucker, const QList<Blatt> &blaetter, const DruckLage &lage,
                           const QString &datei = {});
