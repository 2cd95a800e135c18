// Joins the information windows and the e-mail command to the main window.
#pragma once
#include "InfoAnzeige.h"

#include <QObject>

class LernAnsichtAnschluss;
class TForm1;
class THoverPanel;
class TInfoBox;
class TInfoboxForm;
class TKennzInfoBox;
class TMailForm;
class XdgEmailVersand;

// Creates the about box, the explanation of the status figures, the info
// text window and the e-mail dialog on first use, and shows them from "Inf&o...",
// the "?" of the status panel, an info point of the learning view and
// "Per E-&Mail versenden..." (Ctrl+M, and EMailBtn on the learning view's
// tool bar).
class DialogeAnschluss : public QObject, public IInfoAnzeige
{
public:
    DialogeAnschluss(TForm1 &form, LernAnsichtAnschluss *lernAnsicht);

    TInfoBox &InfoBox();
    TKennzInfoBox &KennzInfoBox();
    TInfoboxForm &InfoboxForm();
    TMailForm &MailForm();
    bool FensterErzeugt() const { return infoBox || kennzInfoBox || infoboxForm || mailForm; }
    XdgEmailVersand *MailVersand = nullptr;
    // The learning view's tool-bar button of the e-mail command.
    THoverPanel *EMailBtn = nullptr;

    void Info1Click();
    void KennzInfoPanClick();
    void InfotextZeigen(const QString &text) override;
    void PerEMailversenden1Click();

    void MailErgebnis(int code);

private:
    TForm1 &form;
    TInfoBox *infoBox = nullptr;
    TKennzInfoBox *kennzInfoBox = nullptr;
    TInfoboxForm *infoboxForm = nullptr;
    TMailForm *mailForm = nullptr;
    QString letztesDokument; // of the last hand-over, for its folder
};
