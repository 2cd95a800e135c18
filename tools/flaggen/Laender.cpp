// Reading the country table laender.csv.
#include "Laender.h"

#include <QFile>
#include <QTextStream>

bool LaenderLesen(const QString &pfad, QList<Land> &laender, QString &fehler)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fehler = "cannot open " + pfad;
        return false;
    }
    QTextStream ein(&datei);
    ein.setEncoding(QStringConverter::Utf8);
    bool kopf = true;
    int zeile = 0;
    while (!ein.atEnd()) {
        const QString text = ein.readLine().trimmed();
        ++zeile;
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        if (kopf) {
            kopf = false;
            continue;
        }
        const QStringList teile = text.split(';');
        if (teile.size() != 4 || (teile[3] != "S" && teile[3] != "G")) {
            fehler = QString("%1:%2: malformed line").arg(pfad).arg(zeile);
            return false;
        }
        laender.append({teile[0], teile[1], teile[2], teile[3] == "S"});
    }
    return true;
}
