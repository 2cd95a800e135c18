#include "Themenliste.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

QList<ThemenEintrag> ThemenEinlesen(const QString &ordner, const TitelLeser &leseTitel)
{
    QList<ThemenEintrag> liste;
    if (ordner.isEmpty())
        return liste;
    liste.reserve(100);
    QDirIterator it(ordner, {"*.tvl"}, QDir::Files | QDir::Hidden | QDir::System);
    const QString basis = ordner.endsWith('/') ? ordner : ordner + '/';
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const QString pfad = basis + name;
        QString titel;
        if (!leseTitel(pfad, titel))
            continue;
        if (liste.size() == liste.capacity())
            liste.reserve(liste.size() + 100);
        liste.append({titel, pfad, name.toLower()});
    }
    liste.squeeze();
    ThemenSortieren(liste);
    return liste;
}

void ThemenSortieren(QList<ThemenEintrag> &liste)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Sort keys once per entry, so that the n^2/2 comparisons stay cheap.
    // Case is folded first as well: not every collation backend can be
    // told to ignore it.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(liste.size());
    for (const auto &e : liste)
        keys.push_back(collator.sortKey(e.Schluessel.toCaseFolded()));
    const qsizetype n = liste.size();
    for (qsizetype i = 0; i < n; ++i) {
        qsizetype klein = i;
        for (qsizetype j = i + 1; j < n; ++j)
            if (keys[j].compare(keys[klein]) < 0)
                klein = j;
        if (klein != i) {
            liste.swapItemsAt(i, klein);
            std::swap(keys[i], keys[klein]);
        }
    }
}

int ThemenSpaltenUmbruch(int anzahl)
{
    return anzahl > 30 ? (anzahl - 7) / 2 : -1;
}

QString ThemenMenueText(int i, const ThemenEintrag &e)
{
    QString name = e.Titel.trimmed().isEmpty() ? QFileInfo(e.Pfad).fileName() : e.Titel;
    // An "&" of a title is shown as such, not taken as an access key.
    name.replace("&", "&&");
    return (i <= 8 ? QStringLiteral("&") : QString()) + QString::number(i + 1) + QStringLiteral(":  ") + name;
}

int ThemenIndexVon(const QList<ThemenEintrag> &liste, const QString &dateiName)
{
    if (dateiName.isEmpty())
        return -1;
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (liste[i].Pfad == dateiName)
            return int(i);
    return -1;
}
