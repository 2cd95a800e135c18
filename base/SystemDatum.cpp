// Dates and times written in the system's own short date and long time formats.
#include "SystemDatum.h"

QString KurzesDatumFormat(const QLocale &locale)
{
    return VierstelligesJahr(locale.dateFormat(QLocale::ShortFormat));
}

QString VierstelligesJahr(const QString &format)
{
    QString aus;
    bool zitat = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            zitat = !zitat;
            aus += c;
            ++i;
            continue;
        }
        if (!zitat && c == QLatin1Char('y')) {
            qsizetype n = 0;
            while (i + n < format.size() && format[i + n] == QLatin1Char('y'))
                ++n;
            aus += QString(qMax<qsizetype>(n, 4), QLatin1Char('y'));
            i += n;
            continue;
        }
        aus += c;
        ++i;
    }
    return aus;
}

QString LangesZeitFormat(const QLocale &locale)
{
    // Qt's long format names the time zone ("t"), which no column has room for.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

QString KurzesDatum(const QDate &datum, const QLocale &locale)
{
    return locale.toString(datum, KurzesDatumFormat(locale));
}

QString DatumUhrzeitText(const QDateTime &zeit, const QLocale &locale)
{
    return KurzesDatum(zeit.date(), locale) + QLatin1Char(' ') + locale.toString(zeit.time(), LangesZeitFormat(locale));
}
