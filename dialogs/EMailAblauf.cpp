// The command "Per E-Mail versenden...": from the open document to the message for the mail program.
#include "EMailAblauf.h"

#include "Meldungen.h"

#include <QFileInfo>

EMailAblauf::EMailAblauf(IMeldungen &m, IMailDialog &d) : meldungen(m), dialog(d) {}

std::optional<MailNachricht> EMailAblauf::NachrichtErstellen(const QString &dokumentPfad, const QString &setupOrdner)
{
    if (dokumentPfad.isEmpty()) {
        meldungen.Information(MailTexte::KeinDokument());
        return std::nullopt;
    }
    MailNachricht n;
    n.Anhaenge << QFileInfo(dokumentPfad).absoluteFilePath();
    n.Text = MailTexte::DokumentZeile(dokumentPfad);

    // The dialog comes again after a missing setup file or a No, so the
    // user can send the document alone or give up.
    for (;;) {
        int option = 0;
        if (!dialog.MailDialogZeigen(option))
            return std::nullopt;
        if (option != 1)
            break;
        const SetupFund f = SetupDateiSuchen(setupOrdner);
        if (f.art == SetupFund::Basis) {
            n.Anhaenge << f.pfad;
            n.Text += QStringLiteral("TVL-Basissystem: ") + QString::fromLatin1(MailTexte::BasisSetup)
                      + QStringLiteral("\r\n");
            break;
        }
        if (f.art == SetupFund::Keine) {
            meldungen.Fehler(MailTexte::SetupFehlt(setupOrdner));
            continue;
        }
        if (meldungen.JaNein(MailTexte::SetupFrage(f.name)) == Antwort::Ja) {
            n.Anhaenge << f.pfad;
            n.Text += QStringLiteral("Setup-Programmdatei: ") + f.name + QStringLiteral("\r\n");
            break;
        }
    }
    n.Text += MailTexte::Information();
    return n;
}

void MailErgebnisMelden(IMeldungen &meldungen, int code)
{
    if (code == 0)
        meldungen.Information(MailTexte::Erfolg());
    else
        meldungen.Warnung(MailTexte::FehlerText(code));
}
