// "Dokument per E-Mail versenden": what to send with the topic document.
#pragma once
#include "EMailAblauf.h"

#include <QDialog>

class QLabel;
class QPushButton;
class RadioGruppe;

// A fixed dialog, centred: the document alone or together with the base
// system's setup.
class TMailForm : public QDialog, public IMailDialog
{
    Q_OBJECT
public:
    explicit TMailForm(QWidget *parent = nullptr);

    QLabel *MainBackImg = nullptr;
    QWidget *Panel1 = nullptr;
    RadioGruppe *MailGroup = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr; // the document
    QLabel *Image2 = nullptr; // the document ...
    QLabel *Label2 = nullptr; // ... " + " ...
    QLabel *Image3 = nullptr; // ... the setup
    QPushButton *CloseBtn = nullptr;
    QPushButton *BitBtn21 = nullptr;

    bool MailDialogZeigen(int &option) override;

    // The two symbols, drawn here so the dialog needs no picture files.
    static QImage DokumentSymbol();
    static QImage SetupSymbol();

protected:
    void showEvent(QShowEvent *e) override;
};
