// The fixed mapping from a mailbox name to its UDP port.
#include "MailSlotPort.h"

#include "Cp1252.h"

#include <QtGlobal>

int MailSlotPortBasis()
{
    bool ok = false;
    const QByteArray wert = qgetenv("PENNORIA_MAILSLOT_PORTBASIS").trimmed();
    const int b = wert.toInt(&ok);
    if (!ok || b < 1 || b > 65535 - 999)
        return MailSlotStandardBasis;
    return b;
}

QByteArray MailBoxSchluessel(const QString &mailBox)
{
    QString gross;
    gross.reserve(mailBox.size());
    for (const QChar c : mailBox) {
        const QChar g = c.toUpper();
        // Keep a character whose capital the code page cannot hold.
        gross.append(IstCp1252Darstellbar(QString(g)) ? g : c);
    }
    return NachCp1252(gross);
}

quint32 Fnv1a32(const QByteArray &bytes)
{
    quint32 h = 2166136261u;
    for (const char c : bytes) {
        h ^= quint32(static_cast<unsigned char>(c));
        h *= 16777619u;
    }
    return h;
}

int MailSlotPort(const QString &mailBox, int basis)
{
    return basis + int(Fnv1a32(MailBoxSchluessel(mailBox)) % 1000u);
}

int MailSlotPort(const QString &mailBox)
{
    return MailSlotPort(mailBox, MailSlotPortBasis());
}
