// The command "Per E-Mail versenden...": from the open document to the message for the mail program.
#pragma once
#include "MailNachricht.h"

#include <optional>

class IMeldungen;

// The dialog TMailForm as the command sees it.
class IMailDialog
{
public:
    virtual ~IMailDialog() = default;
    // Shows the dialog modally; false unless closed with OK. option: 0
    // the document only, 1 the document with the base system's setup.
    virtual bool MailDialogZeigen(int &option) = 0;
};

// The steps after the save prompt: no document, the dialog, the setup
// file search with its way back to the dialog, and the message text.
class EMailAblauf
{
public:
    EMailAblauf(IMeldungen &meldungen, IMailDialog &dialog);

    // The message to hand over, or nothing when the user stopped or no
    // document file is open (that case is told).
    std::optional<MailNachricht> NachrichtErstellen(const QString &dokumentPfad, const QString &setupOrdner);

private:
    IMeldungen &meldungen;
    IMailDialog &dialog;
};

// Tells the user the outcome of the hand-over by its result code.
void MailErgebnisMelden(IMeldungen &meldungen, int code);
