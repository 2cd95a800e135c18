// The printable, saveable copy of an info text: style tags removed, as rich text.
#include "Infotext.h"

#include "Rtf.h"

QString InfotextZeileOhneStil(const QString &zeile)
{
    static const QString tags[] = {QStringLiteral("<b>"),  QStringLiteral("</b>"), QStringLiteral("<i>"),
                                   QStringLiteral("</i>"), QStringLiteral("<u>"),  QStringLiteral("</u>")};
    QString z = zeile;
    // Each pass shortens the line, so this ends.
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (const QString &t : tags) {
            if (z.contains(t, Qt::CaseInsensitive)) {
                z.remove(t, Qt::CaseInsensitive);
                weiter = true;
            }
        }
    }
    return z;
}

QStringList InfotextOhneStil(const QStringList &zeilen)
{
    QStringList aus;
    aus.reserve(zeilen.size());
    for (const QString &z : zeilen)
        aus << InfotextZeileOhneStil(z);
    return aus;
}

QByteArray InfotextNachRtf(const QStringList &zeilen)
{
    QByteArray b = RtfAnfang("\\plain\\f0\\fs22 ");
    for (const QString &z : zeilen)
        b += RtfText(InfotextZeileOhneStil(z)) + "\\par\r\n";
    b += RtfEnde();
    return b;
}
