// What the quiz asks of the main window: modes, buttons, the quiz panel's place, menu options.
#pragma once
#include "AnsichtArt.h"

#include <QSize>
#include <QString>

// The main window implements it (TForm1); tests use a small stand-in.
class IQuizFenster
{
public:
    virtual ~IQuizFenster() = default;

    virtual AnsichtArt Modus() const = 0; // AnsichtModus
    virtual void QuizModusSetzen() = 0;   // quiz mode and the command states
    virtual void StartseiteZeigen() = 0;  // learning view or start page
    virtual void AktualisiereKnoepfe() = 0;
    virtual void UebungenBtnLoesen() = 0;              // "Quiz starten" no longer pressed
    virtual void UebungPanPlatzieren() = 0;            // hide the picture, place UebungPan
    virtual void BildGroesseSetzen(QSize groesse) = 0; // size of LernKartPicImg during the run
    virtual void NummerierungErneuern() = 0;           // covers numbered with the current mode

    // Menu options and folders as the run reads them.
    virtual bool TonausgabeAn() const = 0;
    virtual bool NameEingabeAn() const = 0;
    virtual bool AutoProtSpeichernAn() const = 0;
    virtual bool ErgebBestListEintragenAn() const = 0;
    virtual QString ProtOrdner() const = 0; // folder of the automatic protocols
};
