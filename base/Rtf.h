// The pieces of our rich-text (RTF) writer that the protocol and the info text share.
#pragma once
#include <QByteArray>
#include <QString>

// Text for the body of an RTF document: braces and backslashes escaped,
// tabs as \tab, other control characters dropped. Umlauts and the other
// Windows-1252 characters are written as \'xx, anything else as \uN with a
// "?" fallback, so the file itself is plain ASCII.
QByteArray RtfText(const QString &s);

// The opening of a document in Windows-1252 with Arial as font 0, then
// \pard followed by the paragraph format (e.g. "\\tx3200\\f0\\fs18 ").
QByteArray RtfAnfang(const QByteArray &absatzFormat);
// The closing brace of the document.
QByteArray RtfEnde();
