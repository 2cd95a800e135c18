#include "OeffneExtern.h"

#include <QFileInfo>
#include <QUrl>

namespace {
bool DateiErlaubt(const QString &pfad)
{
    const QFileInfo fi(pfad);
    if (!fi.exists())
        return false;
    if (fi.isFile() && fi.isExecutable())
        return false;
    if (fi.suffix().compare("desktop", Qt::CaseInsensitive) == 0)
        return false;
    return true;
}
}

bool ZielErlaubt(const QString &ziel)
{
    if (ziel.trimmed().isEmpty())
        return false;
    const QUrl url(ziel);
    const QString schema = url.scheme().toLower();
    if (schema == "http" || schema == "https")
        return url.isValid() && !url.host().isEmpty();
    if (schema == "mailto")
        return url.isValid();
    if (schema == "file")
        return url.isLocalFile() && DateiErlaubt(url.toLocalFile());
    // A plain path (a one-letter "scheme" would be a drive, not here).
    if (schema.isEmpty())
        return DateiErlaubt(ziel);
    return false;
}

QString OeffnenFehlerText(const QString &ziel)
{
    return QStringLiteral("Die Datei \"") + ziel
           + QStringLiteral("\" kann nicht geöffnet werden. Sie benötigen einen Webbrowser (z.B. Internet "
                            "Explorer) um dieses Dokument anzusehen.");
}

bool OeffneExtern(IOeffner &oeffner, IMeldungen &meldungen, const QString &ziel)
{
    if (ZielErlaubt(ziel) && oeffner.Oeffnen(ziel))
        return true;
    meldungen.Fehler(OeffnenFehlerText(ziel));
    return false;
}
