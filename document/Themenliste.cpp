// The topic list: scanning a folder for documents, sorting, menu texts.
#include "Themenliste.h"
#include "AuswahlReihenfolge.h"

#include "Sortierung.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

QList<ThemenEintrag> ThemenEinlesen(const QString &ordner, const TitelLeser &leseTitel)
{
    QList<ThemenEintrag> liste;
    if (ordner.isEmpty())
        return liste;
    QDirIterator it(ordner, {"*.tvl"}, QDir::Files | QDir::Hidden | QDir::System);
    const QString basis = ordner.endsWith('/') ? ordner : ordner + '/';
    while (it.hasNext()) {
        it.next();
        // FIFOs, devices and sockets are listed as "system" entries; opening
        // one to read its title could wait for good.
        if (!it.fileInfo().isFile())
            continue;
        const QString name = it.fileName();
        const QString pfad = basis + name;
        QString titel;
        if (!leseTitel(pfad, titel))
            continue;
        // Plain appends grow the list geometrically; a reserve() in steps
        // would copy every entry on each step.
        liste.append({titel, pfad, name.toLower()});
    }
    ThemenSortieren(liste);
    return liste;
}

void ThemenSortieren(QList<ThemenEintrag> &liste)
{
    const qsizetype n = liste.size();
    if (n < 2)
        return;
    // Sort keys make every comparison a byte compare. Case is folded first
    // as well: not every collation backend can be told to ignore it.
    const QCollator collator = TextSortierung();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(n));
    for (const auto &e : liste)
        keys.push_back(collator.sortKey(e.Schluessel.toCaseFolded()));
    const auto reihenfolge =
        AuswahlReihenfolge(n, [&](qsizetype a, qsizetype b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    QList<ThemenEintrag> sortiert;
    sortiert.reserve(n);
    for (qsizetype i : reihenfolge)
        sortiert.append(std::move(liste[i]));
    liste = std::move(sortiert);
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
