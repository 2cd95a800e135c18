// The printable, saveable copy of an info text: style tags removed, as rich text.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Removes "<b>", "</b>", "<i>", "</i>", "<u>" and "</u>" in this order and
// in any letter case, again and again until none is left (removing one may
// join the pieces of another). Every other tag stays as written.
QString InfotextZeileOhneStil(const QString &zeile);
QStringList InfotextOhneStil(const QStringList &zeilen);

// The lines as an RTF document, 11 points, regular, one paragraph each.
QByteArray InfotextNachRtf(const QStringList &zeilen);
