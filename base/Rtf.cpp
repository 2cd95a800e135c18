// The pieces of our rich-text (RTF) writer that the protocol and the info text share.
#include "Rtf.h"

#include "Cp1252.h"

QByteArray RtfText(const QString &s)
{
    QByteArray b;
    for (const QChar c : s) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            b += '\\';
            b += char(u);
        } else if (u == '\t') {
            b += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            b += char(u);
        } else if (u < 0x20) {
            // other control characters are dropped
        } else if (IstCp1252Darstellbar(QString(c))) {
            // The document's code page holds it: every reader takes \'xx.
            b += "\\'" + NachCp1252(QString(c)).toHex();
        } else {
            // \uN takes a signed 16-bit number; "?" is the fallback for
            // readers without Unicode.
            b += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return b;
}

QByteArray RtfAnfang(const QByteArray &absatzFormat)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\pard" + absatzFormat;
}

QByteArray RtfEnde()
{
    return "}\r\n";
}
