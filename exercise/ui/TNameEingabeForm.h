// TNameEingabeForm: the participant's name dialog.
#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Teilnehmername eingeben": asks for the participant's name at the start
// of an individual run. The edit keeps its text between runs.
class TNameEingabeForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNameEingabeForm(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QLabel *NameLab = nullptr;
    QLineEdit *TNameEdit = nullptr;
    QLabel *HinweisLab = nullptr;
    QPushButton *StartBtn = nullptr;
    QPushButton *AbbrechenBtn = nullptr;
    QLabel *MainBackImg = nullptr;

    // Modal; true with the entered name when closed with "Quiz starten".
    bool NamenErfragen(QString &name);

protected:
    void showEvent(QShowEvent *e) override;
};
