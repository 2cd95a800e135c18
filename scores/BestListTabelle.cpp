// The high-score table as text rows: header, widths, values and plain text.
#include "BestListTabelle.h"
#include "DelphiZeit.h"
#include "SystemDatum.h"

#include <QLocale>

namespace BestListTabelle {

QStringList Kopf()
{
    return {"Pos.", "Name", "Rechner", "Leistung", "Zeit (Min:Sek)", "Datum/Uhrzeit (Ende)"};
}

QList<int> Breiten()
{
    return {40, 200, 100, 80, 80, 140};
}

QList<int> Ausrichtungen()
{
    return {Zentriert, Links, Links, Zentriert, Zentriert, Links};
}

QString LeistungText(double leistung)
{
    return QString::number(leistung * 100.0, 'f', 1) + " %";
}

QString MinSekText(qint32 dauerMs)
{
    // A negative duration can only come from a damaged file; show it as zero.
    const qint64 s = dauerMs > 0 ? dauerMs / 1000 : 0;
    return QString("%1:%2").arg(s / 60, 2, 10, QChar('0')).arg(s % 60, 2, 10, QChar('0'));
}

QString DatumZeitText(double delphiZeit)
{
    const QDateTime zeit = DelphiNachZeit(delphiZeit);
    if (!zeit.isValid())
        return {};
    return DatumUhrzeitText(zeit);
}

QStringList Zeile(int rang, const TBestListEintrag &e)
{
    return {QString::number(rang), e.Name, e.Rechner, LeistungText(e.Leistung), MinSekText(e.Dauer),
            DatumZeitText(e.Ende)};
}

QList<QStringList> Zeilen(const TBestList &liste)
{
    QList<QStringList> zeilen;
    zeilen.append(Kopf());
    if (liste.isEmpty())
        zeilen.append(QStringList(Spalten, QString()));
    for (qsizetype k = 0; k < liste.size(); ++k)
        zeilen.append(Zeile(int(k + 1), liste[k]));
    return zeilen;
}

} // namespace BestListTabelle

QString GridAlsText(const QList<QStringList> &zeilen)
{
    QString text;
    for (const auto &zeile : zeilen) {
        text += zeile.join(QLatin1Char('\t'));
        text += "\r\n";
    }
    return text;
}
