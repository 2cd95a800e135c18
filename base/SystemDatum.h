// Dates and times written in the system's own short date and long time formats.
#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>

// The locale's short date format with the year always four digits wide:
// the program's lists and protocols show "05.03.2026" under German, as the
// desktop's own short date does, where the locale data alone would give a
// two-digit year. Quoted literal text in the format is left alone.
QString KurzesDatumFormat(const QLocale &locale);
// The widening step alone: every run of "y" outside quotes becomes "yyyy".
QString VierstelligesJahr(const QString &datumFormat);

// The locale's long time format without the time zone name.
QString LangesZeitFormat(const QLocale &locale);

QString KurzesDatum(const QDate &datum, const QLocale &locale = QLocale());
// Short date, one blank, long time.
QString DatumUhrzeitText(const QDateTime &zeit, const QLocale &locale = QLocale());
