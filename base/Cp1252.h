// The Windows-1252 text of our files, converted both ways.
#pragma once
#include <QByteArray>
#include <QString>

// Texts in our files are single-byte Windows-1252. Characters that the code
// page cannot hold are written as "?".
QByteArray NachCp1252(const QString &text);
QString VonCp1252(const QByteArray &bytes);
QString VonCp1252(const char *data, qsizetype len);
bool IstCp1252Darstellbar(const QString &text);
