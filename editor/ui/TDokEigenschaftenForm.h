// "Dokumenteigenschaften": title, author, remark, numbering and order of a document.
#pragma once
#include <QDialog>

class Bearbeitung;
class IMeldungen;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Shows the current document's properties; OK applies them as one step of
// the history each (refused texts keep the dialog open).
class TDokEigenschaftenForm : public QDialog
{
    Q_OBJECT
public:
    TDokEigenschaftenForm(Bearbeitung &bearbeitung, IMeldungen &meldungen, QWidget *parent = nullptr);
    void accept() override;

    QLineEdit *TitelEdit = nullptr;
    QLineEdit *AutorEdit = nullptr;
    QPlainTextEdit *BemerkungEdit = nullptr;
    QComboBox *NumArtBox = nullptr;
    QComboBox *GeordnetBox = nullptr;

private:
    Bearbeitung &b;
    IMeldungen &meldungen;
};
