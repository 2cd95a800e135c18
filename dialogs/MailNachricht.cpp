// The message that hands a topic document to the mail program: text, attachments, result texts.
#include "MailNachricht.h"

#include <QDir>
#include <QFileInfo>

namespace MailTexte {

QString KeinDokument()
{
    return QStringLiteral("Es ist kein Dokument geöffnet bzw. das aktuelle Dokument muss zunächst gespeichert werden.");
}

QString DokumentZeile(const QString &dokumentPfad)
{
    return QStringLiteral("TVL-Themendokument: ") + QFileInfo(dokumentPfad).fileName() + QStringLiteral("\r\n");
}

QString Information()
{
    return QStringLiteral("\r\n- Information -\r\n")
           + QStringLiteral("\"TVL - Tavolin\" ist ein Autorensystem für digitale Lern- und Übungseinheiten. ")
           + QStringLiteral("\r\n")
           + QStringLiteral("Zum Öffnen von TVL-Themendokumenten wird das TVL-Basissystem (liegt allen Themenpaketen "
                            "kostenlos bei) ")
           + QStringLiteral("oder das TVL-Autorensystem (kostet z.Zt. ab 49,90 Euro) benötigt. ")
           + QStringLiteral("\r\n") + QStringLiteral("Weitere Informationen im Internet unter: ")
           + QStringLiteral("\r\n") + QString::fromLatin1(WebAdresse) + QStringLiteral(" \r\n");
}

QString SetupFehlt(const QString &setupOrdner)
{
    return QStringLiteral("Datei \"") + setupOrdner + QString::fromLatin1(BasisSetup)
           + QStringLiteral("\" (Setup für das TVL-Basissystem) nicht gefunden.");
}

QString SetupFrage(const QString &setupName)
{
    return QStringLiteral("Soll die Setup-Programmdatei \"") + setupName
           + QStringLiteral("\" mitverschickt werden?\r\n")
           + QStringLiteral("(Das einzelne Setup für das TVL-Basissystem ist nicht verfügbar.)");
}

QString Erfolg()
{
    return QStringLiteral(
        "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr E-Mail-Programm Nachrichten "
        "nicht sofort versendet, sondern erst im Postausgang zwischenspeichert, müssen Sie den Versand in Ihrem "
        "E-Mail-Programm noch selbst auslösen.");
}

QString OrdnerOeffnenFrage()
{
    return QStringLiteral("Es wurde kein E-Mail-Programm gefunden, das die Nachricht übernehmen kann.\r\n"
                          "Soll der Ordner des Dokuments geöffnet werden, damit Sie die Datei von Hand an eine "
                          "E-Mail anhängen können?");
}

QString FehlerText(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("Der E-Mail-Versand wurde abgebrochen.");
    case 2:
        return QStringLiteral("One or more unspecified errors occurred; no message was sent.");
    case 3:
        return QStringLiteral("There was no default logon, and the user failed to log on successfully when the logon "
                              "dialog box was displayed. No message was sent.");
    case 5:
        return QStringLiteral("There was insufficient memory to proceed. No message was sent.");
    case 9:
        return QStringLiteral("There were too many file attachments; no message was sent.");
    case 10:
        return QStringLiteral("There were too many recipients; no message was sent.");
    case 11:
        return QStringLiteral("The specified attachment was not found; no message was sent.");
    case 12:
        return QStringLiteral("The specified attachment could not be open; no message was sent.");
    case 14:
        return QStringLiteral("A recipient did not appear in the address list; no message was sent.");
    case 15:
        return QStringLiteral("The type of a recipient was not MAPI_TO, MAPI_CC, or MAPI_BCC. No message was sent.");
    case 18:
        return QStringLiteral("The text in the message was too large to send; the message was not sent.");
    case 21:
        return QStringLiteral("A recipient matched more than one of the recipient descriptor structures and "
                              "MAPI_DIALOG was not set. No message was sent.");
    default:
        return QStringLiteral("Bei der Übermittlung der Nachricht an das E-Mail-Programm ist ein Fehler aufgetreten.");
    }
}

} // namespace MailTexte

SetupFund SetupDateiSuchen(const QString &setupOrdner)
{
    SetupFund f;
    const QDir dir(setupOrdner);
    if (setupOrdner.isEmpty() || !dir.exists())
        return f;
    // The setup files come from Windows, where names ignore letter case:
    // both searches do. An exact name goes first.
    const QString basis = QString::fromLatin1(MailTexte::BasisSetup);
    const QFileInfoList alle = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    const QFileInfo *andere = nullptr;
    for (const QFileInfo &i : alle) {
        if (i.fileName().compare(basis, Qt::CaseInsensitive) == 0
            && (f.art != SetupFund::Basis || i.fileName() == basis)) {
            f.art = SetupFund::Basis;
            f.pfad = i.absoluteFilePath();
            f.name = i.fileName();
        }
        const QString n = i.fileName().toLower();
        if (!andere && n.startsWith(QStringLiteral("setup-tvl")) && n.endsWith(QStringLiteral(".exe")))
            andere = &i;
    }
    if (f.art == SetupFund::Basis || !andere)
        return f;
    f.art = SetupFund::Andere;
    f.pfad = andere->absoluteFilePath();
    f.name = andere->fileName();
    return f;
}

QStringList XdgEmailArgumente(const MailNachricht &n)
{
    QStringList a{QStringLiteral("--subject"), n.Betreff, QStringLiteral("--body"), n.Text};
    for (const QString &p : n.Anhaenge)
        a << QStringLiteral("--attach") << p;
    return a;
}

int MailCodeAusXdgEmail(bool gestartet, bool normalBeendet, int exitCode)
{
    if (!gestartet)
        return 1;
    if (!normalBeendet)
        return 2;
    switch (exitCode) {
    case 0:
        return 0;
    case 3:
        return 1; // no program to compose the message
    case 2:
        return 11; // an attachment does not exist
    case 5:
        return 12; // an attachment cannot be read
    default:
        return 2;
    }
}
