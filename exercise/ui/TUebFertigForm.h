// TUebFertigForm: the results window of a finished run.
#pragma once
#include "ErgebnisAblauf.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Quiz beendet": the figures of the finished run, the grade with its
// rating scale, the choice of repetition and the way to the protocol and
// the high-score list.
class TUebFertigForm : public QDialog, public IErgebnisFenster
{
    Q_OBJECT
public:
    explicit TUebFertigForm(QWidget *parent = nullptr);

    QGroupBox *StatistikBox = nullptr;
    QLabel *RichtigLab = nullptr;
    QLabel *FalschLab = nullptr;
    QLabel *QuoteLab = nullptr;
    QLabel *ZeitArtLab = nullptr;
    QLabel *UebZeitLab = nullptr;
    QLabel *UebNummernOffenLab = nullptr;
    QLabel *GesamtleistungLab = nullptr;
    QLabel *BewertLab = nullptr;
    QLabel *NoteLab = nullptr;
    QGroupBox *SkalaBox = nullptr;
    QLabel *BewertSkalaImg = nullptr;
    QGroupBox *WiederholenMode = nullptr;
    QRadioButton *KomplettRadio = nullptr;
    QRadioButton *TeilRadio = nullptr;
    QLabel *BestenlisteLab = nullptr;
    QPushButton *WiederholenBtn = nullptr;
    QPushButton *LernBtn = nullptr;
    QPushButton *ProtokollBtn = nullptr;
    QPushButton *BestListBtn = nullptr;
    QPushButton *InBestenlisteBtn = nullptr;
    QLabel *MainBackImg = nullptr;

    // Set by the main window.
    ErgebnisAblauf *Ablauf = nullptr;

    // IErgebnisFenster
    void InhaltSetzen(const ErgebnisInhalt &inhalt) override;
    bool ModalZeigen() override;
    int GewaehlterWiederholenMode() override;

    static constexpr QSize SkalaGroesse{217, 209};

signals:
    // The buttons "Protokoll" and "Bestenliste" (of the list the run counts for).
    void ProtokollGewuenscht();
    void BestListGewuenscht(bool netz);

protected:
    void showEvent(QShowEvent *e) override;

private:
    QButtonGroup *modusGruppe = nullptr;
    bool netzListe = false;
};
