// The message that hands a topic document to the mail program: text, attachments, result texts.
#pragma once
#include <QString>
#include <QStringList>

struct MailNachricht
{
    QString Betreff = QStringLiteral("TVL-Dokument");
    QString Text;
    QStringList Anhaenge; // full paths, the document first
};

namespace MailTexte {
inline constexpr const char *BasisSetup = "setup-tvl10basis.exe";
// The maker's web address at the end of every message.
inline constexpr const char *WebAdresse = "https://pennoria.example.org/";

QString KeinDokument();
// "TVL-Themendokument: " + the file's name + CR LF.
QString DokumentZeile(const QString &dokumentPfad);
// The information block that closes the text.
QString Information();
QString SetupFehlt(const QString &setupOrdner);
QString SetupFrage(const QString &setupName);
QString Erfolg();
// After code 1: whether to open the document's folder instead.
QString OrdnerOeffnenFrage();
// The message for a result code other than 0.
QString FehlerText(int code);
} // namespace MailTexte

// What the search of the setup folder found.
struct SetupFund
{
    enum Art { Basis, Andere, Keine } art = Keine;
    QString pfad;
    QString name;
};
// The base-system setup file if it is there; else the first (by name) of
// "setup-tvl*.exe", hidden ones included; else nothing.
SetupFund SetupDateiSuchen(const QString &setupOrdner);

// The arguments of xdg-email for the message.
QStringList XdgEmailArgumente(const MailNachricht &n);

// Maps the outcome of xdg-email to the result codes the program reports:
// not started (xdg-email missing) and "no mail program" (3) give 1, a
// missing attachment (2) gives 11, an unreadable one (5) 12, anything
// else that is not success 2.
int MailCodeAusXdgEmail(bool gestartet, bool normalBeendet, int exitCode);
