#include "DesktopOeffner.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool DesktopOeffner::Oeffnen(const QString &ziel)
{
    QUrl url(ziel);
    if (url.scheme().isEmpty())
        url = QUrl::fromLocalFile(QFileInfo(ziel).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}
