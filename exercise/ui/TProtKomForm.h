// TProtKomForm: the protocol comment dialog.
#pragma once
#include <QDialog>

class QPlainTextEdit;

// "Kommentar zum Ablaufprotokoll hinzufügen": a comment for the protocol.
class TProtKomForm : public QDialog
{
    Q_OBJECT
public:
    explicit TProtKomForm(QWidget *parent = nullptr);
    QPlainTextEdit *Memo1;
};
