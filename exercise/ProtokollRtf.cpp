// The protocol as RTF, its file name and its automatic saving.
#include "ProtokollRtf.h"
#include "SichereDatei.h"

#include "Dateifehler.h"
#include "Rtf.h"

#include <QDir>
#include <QFile>

bool IstTitelZeile(const QString &zeile)
{
    return zeile.left(5).compare(QStringLiteral("<tit>"), Qt::CaseInsensitive) == 0;
}

QStringList ProtokollZeilen(const QString &text)
{
    QStringList z = text.split(QStringLiteral("\r\n"));
    // A text ending with CR LF has no further line after it.
    if (!z.isEmpty() && z.last().isEmpty() && text.endsWith(QStringLiteral("\r\n")))
        z.removeLast();
    return z;
}

QByteArray ProtokollNachRtf(const QString &text)
{
    QByteArray b = RtfAnfang("\\tx3200\\f0\\fs18 ");
    for (const QString &z : ProtokollZeilen(text)) {
        if (IstTitelZeile(z))
            b += "\\b " + RtfText(z.mid(5)) + "\\b0\\par\r\n\\fs8\\par\r\n\\fs18 ";
        else
            b += RtfText(z) + "\\par\r\n";
    }
    b += RtfEnde();
    return b;
}

QString ProtokollDateiName(const QDateTime &t, const QString &rechner, int n)
{
    return QString::asprintf("%4.4d%2.2d%2.2d-%2.2d%2.2d%2.2d-", t.date().year(), t.date().month(), t.date().day(),
                             t.time().hour(), t.time().minute(), t.time().second())
           + rechner + QStringLiteral("-") + QString::number(n) + QStringLiteral(".rtf");
}

bool ProtokollAutoSpeichern(const QByteArray &rtf, const QString &ordner, const QString &rechner,
                            const QDateTime &jetzt, IMeldungen &meldungen, QString *gespeichert)
{
    QString dir = ordner;
    if (!dir.isEmpty() && !dir.endsWith(QChar('/')))
        dir += QChar('/');
    // A computer name with a path separator must not leave the folder.
    QString name = rechner;
    name.replace(QChar('/'), QChar('_'));
    QString pfad;
    // Bounded: a folder holding thousands of protocols of one second is
    // a fault of its own.
    for (int n = 0; n < 10000; ++n) {
        pfad = dir + ProtokollDateiName(jetzt, name, n);
        // Any entry under the name counts, a dangling link too: the file is
        // created exclusively, so nothing there is followed or overwritten.
        if (NameVergeben(pfad))
            continue;
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (f.error() == QFileDevice::OpenError && NameVergeben(pfad))
                continue; // taken meanwhile by another program: next number
            break;
        }
        const bool ok = f.write(rtf) == rtf.size() && f.flush();
        f.close();
        if (ok) {
            if (gespeichert)
                *gespeichert = pfad;
            return true;
        }
        QFile::remove(pfad);
        break;
    }
    ZeigeSchreibFehler(meldungen, pfad,
                       QStringLiteral("Das Übungsprotokoll konnte nicht automatisch gespeichert werden. "
                                      "Überprüfen Sie die Einstellungen unter \"Optionen | Ordner für Protokolle "
                                      "und Bestenlisten\"."));
    return false;
}
