// The envelope of a channel message: building and strict decoding.
#include "MailSlotNachricht.h"

#include "Cp1252.h"

namespace {
QString Einzeilig(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

bool ErlaubtesByte(unsigned char b)
{
    if (b < 0x20)
        return b == '\t';
    if (b == 0x7F)
        return false;
    // Unassigned in Windows-1252.
    return b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}
} // namespace

QByteArray MailSlotVerpacken(const QString &userName, const QString &computer, const QStringList &zeilen)
{
    if (zeilen.size() + 3 > MailSlotGrenzen::MaxZeilen)
        return {};
    QByteArray out = "Message\r\n";
    out += NachCp1252(Einzeilig(userName).left(MailSlotGrenzen::MaxNamenLaenge)) + "\r\n";
    out += NachCp1252(Einzeilig(computer).left(MailSlotGrenzen::MaxNamenLaenge)) + "\r\n";
    for (const QString &z : zeilen) {
        out += NachCp1252(Einzeilig(z));
        out += "\r\n";
        if (out.size() > MailSlotGrenzen::MaxDatagramm)
            return {};
    }
    return out;
}

bool MailSlotEntpacken(const QByteArray &d, MailSlotEmpfang &aus)
{
    if (d.size() < 9 || d.size() > MailSlotGrenzen::MaxDatagramm || !d.startsWith("Message\r\n") || !d.endsWith("\r\n"))
        return false;
    // One pass: every CR must be followed by LF, every LF preceded by CR.
    int zeilen = 0;
    qsizetype zeilenAnfang = 0;
    qsizetype namenEnde = -1; // end of the third line's CR LF
    qsizetype laengen[3] = {0, 0, 0};
    for (qsizetype i = 0; i < d.size(); ++i) {
        const auto b = static_cast<unsigned char>(d[i]);
        if (b == '\r') {
            if (i + 1 >= d.size() || d[i + 1] != '\n')
                return false;
            if (zeilen < 3)
                laengen[zeilen] = i - zeilenAnfang;
            ++zeilen;
            if (zeilen > MailSlotGrenzen::MaxZeilen)
                return false;
            ++i;
            zeilenAnfang = i + 1;
            if (zeilen == 3)
                namenEnde = zeilenAnfang;
            continue;
        }
        if (!ErlaubtesByte(b))
            return false;
    }
    if (zeilen < 3 || laengen[1] > MailSlotGrenzen::MaxNamenLaenge || laengen[2] > MailSlotGrenzen::MaxNamenLaenge)
        return false;
    const qsizetype benutzerAnfang = 9;
    aus.UserName = VonCp1252(d.constData() + benutzerAnfang, laengen[1]);
    const qsizetype rechnerAnfang = benutzerAnfang + laengen[1] + 2;
    aus.Computer = VonCp1252(d.constData() + rechnerAnfang, laengen[2]);
    aus.Text = VonCp1252(d.constData() + namenEnde, d.size() - namenEnde);
    return true;
}

QStringList NachrichtZeilen(const QString &text)
{
    QStringList z = text.split(QLatin1String("\r\n"));
    if (!z.isEmpty() && z.last().isEmpty())
        z.removeLast();
    return z;
}
