// Today's date for the card box, with its override.
#include "LernDatum.h"

#include "Uhr.h"

#include <QtGlobal>

QDate LernHeute(IUhr &uhr)
{
    const QString vorgabe = qEnvironmentVariable("PENNORIA_LERNDATUM").trimmed();
    if (!vorgabe.isEmpty()) {
        const QDate d = QDate::fromString(vorgabe, Qt::ISODate);
        if (d.isValid())
            return d;
    }
    return uhr.Jetzt().date();
}
