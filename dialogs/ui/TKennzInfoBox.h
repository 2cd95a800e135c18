// "Information zu den Kennzahlen": the explanation of the exercise status figures.
#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A fixed dialog that stays on top; the "?" of the status panel shows it
// modally.
class TKennzInfoBox : public QDialog
{
    Q_OBJECT
public:
    explicit TKennzInfoBox(QWidget *parent = nullptr);

    QLabel *MainBackImg = nullptr;
    QWidget *Panel1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *OKBtn = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
};
