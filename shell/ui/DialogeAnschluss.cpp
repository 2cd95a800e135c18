// Joins the information windows and the e-mail command to the main window.
#include "DialogeAnschluss.h"

#include "EMailAblauf.h"
#include "LernAnsichtAnschluss.h"
#include "LernLeiste.h"
#include "OeffneExtern.h"
#include "Ordner.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TInfoBox.h"
#include "TInfoboxForm.h"
#include "TKennzInfoBox.h"
#include "TMailForm.h"
#include "XdgEmailVersand.h"

#include <QAction>
#include <QFileInfo>

DialogeAnschluss::DialogeAnschluss(TForm1 &f, LernAnsichtAnschluss *lern) : QObject(&f), form(f)
{
    MailVersand = new XdgEmailVersand(this);

    connect(form.Menue.Info1, &QAction::triggered, this, &DialogeAnschluss::Info1Click);
    connect(form.KennzInfoPan, &THoverPanel::clicked, this, &DialogeAnschluss::KennzInfoPanClick);
    connect(form.Menue.PerEMailversenden1, &QAction::triggered, this, &DialogeAnschluss::PerEMailversenden1Click);
    form.ErweitertAnzeigen(form.Menue.PerEMailversenden1);
    if (form.Werkzeugleiste) {
        EMailBtn =
            form.Werkzeugleiste->KnopfHinzufuegen("EMailBtn", "Per E-Mail versenden", "Dokument per E-Mail versenden");
        connect(EMailBtn, &THoverPanel::clicked, this, &DialogeAnschluss::PerEMailversenden1Click);
    }
    connect(MailVersand, &XdgEmailVersand::Beendet, this, &DialogeAnschluss::MailErgebnis);
    // The info window stays on top: over a running quiz it would cover the
    // status panel, and its text belongs to the learning view anyway.
    connect(&form, &TForm1::QuizGestartet, this, [this] {
        if (infoboxForm)
            infoboxForm->close();
    });
    if (lern)
        lern->InfoAnzeigeAnschliessen(*this);
}

TInfoBox &DialogeAnschluss::InfoBox()
{
    if (!infoBox)
        infoBox = new TInfoBox(&form);
    return *infoBox;
}

TKennzInfoBox &DialogeAnschluss::KennzInfoBox()
{
    if (!kennzInfoBox)
        kennzInfoBox = new TKennzInfoBox(&form);
    return *kennzInfoBox;
}

TInfoboxForm &DialogeAnschluss::InfoboxForm()
{
    if (!infoboxForm)
        infoboxForm = new TInfoboxForm(*form.dienste.meldungen, &form);
    return *infoboxForm;
}

TMailForm &DialogeAnschluss::MailForm()
{
    if (!mailForm)
        mailForm = new TMailForm(&form);
    return *mailForm;
}

void DialogeAnschluss::Info1Click()
{
    InfoBox().exec();
}

void DialogeAnschluss::KennzInfoPanClick()
{
    KennzInfoBox().exec();
}

void DialogeAnschluss::InfotextZeigen(const QString &text)
{
    InfoboxForm().RtfSpeichernOrdner = Ordner().ProtOrdner;
    InfoboxForm().InfotextZeigen(text, &form);
}

void DialogeAnschluss::PerEMailversenden1Click()
{
    if (!form.Navigation().SpeicherAbfrage())
        return;
    EMailAblauf ablauf(*form.dienste.meldungen, MailForm());
    const QString dokument = form.Zustand.Dok.DateiName;
    const std::optional<MailNachricht> n = ablauf.NachrichtErstellen(dokument, Ordner().SetupOrdner);
    if (!n)
        return;
    letztesDokument = dokument;
    // The mail program starts in the background; its outcome is told
    // when it is known.
    MailVersand->Senden(*n);
}

void DialogeAnschluss::MailErgebnis(int code)
{
    IMeldungen &m = *form.dienste.meldungen;
    // Without a mail program the file can still be attached by hand: with
    // the extended functions on, the document's folder is offered, in the
    // one message that also says why nothing was sent.
    if (code == 1 && form.ErweiterteFunktionen() && !letztesDokument.isEmpty()) {
        if (m.JaNein(MailTexte::OrdnerOeffnenFrage(), FrageArt::Warnung) == Antwort::Ja)
            OeffneExtern(*form.dienste.oeffner, m, QFileInfo(letztesDokument).absolutePath());
        return;
    }
    MailErgebnisMelden(m, code);
}
