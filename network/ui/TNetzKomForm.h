// "Netzwerk-Kommunikation": the communication folder and the channel name
// of the class exercise.
#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TNetzKomForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNetzKomForm(QWidget *eltern = nullptr);

    QLineEdit *OrdnerEdit = nullptr;
    QPushButton *DurchsuchenBtn = nullptr;
    QLineEdit *KanalEdit = nullptr;
    QLabel *HinweisLab = nullptr;
    QLabel *FehlerLab = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *AbbrechenBtn = nullptr;

    // Modal; true with the folder (ending in "/") and the channel when
    // closed with OK. The dialog only closes with OK on valid values.
    bool Erfragen(QString &ordner, QString &kanal);

    // What is wrong with the entries; empty when they can be taken.
    QString Pruefen() const;

private:
    void OkClick();
    void Durchsuchen();
};
