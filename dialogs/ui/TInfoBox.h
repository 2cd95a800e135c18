// "Info": the about box with title, version, notice and terms of use.
#pragma once
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TShadowLabel;

// A fixed dialog that stays on top, centred; "Inf&o..." shows it modally.
class TInfoBox : public QDialog
{
    Q_OBJECT
public:
    explicit TInfoBox(QWidget *parent = nullptr);

    QLabel *MainBackImg = nullptr;
    QWidget *Panel1 = nullptr;
    TShadowLabel *TitelLabel = nullptr;
    TShadowLabel *VersLab = nullptr;
    QLabel *AVTextImg1 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *EiImg = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *OKBtn = nullptr;

    // The decoration beside the notice: a globe with three flags, drawn
    // here so the box needs no picture file.
    static QImage EiBild(const QSize &groesse);

protected:
    void showEvent(QShowEvent *e) override;
};
