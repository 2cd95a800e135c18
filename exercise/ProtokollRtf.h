// The protocol markup, its RTF form, its file name and its automatic saving.
#pragma once
#include "Meldungen.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The protocol markup: lines separated by CR LF; a line starting with
// "<tit>" in any letter case is a title.
bool IstTitelZeile(const QString &zeile);
QStringList ProtokollZeilen(const QString &text);

// The protocol as a rich-text (RTF) document: 9-point text, one tab stop at
// 160 points, titles bold and followed by a 4-point empty line. Umlauts
// and the other Windows-1252 characters are written as \'xx, anything else
// as \uN with a "?" fallback, so the file itself is plain ASCII.
QByteArray ProtokollNachRtf(const QString &text);

// "%4.4d%2.2d%2.2d-%2.2d%2.2d%2.2d-%s-%d.rtf" of a time, a computer name
// and a counter.
QString ProtokollDateiName(const QDateTime &zeit, const QString &rechner, int n);

// Saves the RTF into the folder under the first free name for that second
// (the file is created exclusively, so two programs saving at once cannot
// overwrite each other). On failure the shared write error with the
// protocol's hint is shown and false returned. gespeichert receives the path.
bool ProtokollAutoSpeichern(const QByteArray &rtf, const QString &ordner, const QString &rechner,
                            const QDateTime &jetzt, IMeldungen &meldungen, QString *gespeichert = nullptr);
