// Collecting the documents of the card box.
#include "LernDokumente.h"

#include "DokumentDatei.h"
#include "LernFragen.h"

#include "SichereDatei.h"

#include <QBuffer>
#include <QSet>

#include <algorithm>

bool HatBilder(const Dokument &d)
{
    for (const LernFrage &f : LernFragen(d))
        if (!f.Bild.isEmpty())
            return true;
    return false;
}

QList<Dokument> LernDokumente(const Dokument &aktuell, const QStringList &pfade)
{
    QList<Dokument> liste;
    QSet<QString> schluessel;
    if (aktuell.DokTyp == DokArt::Einzelfragen && !LernFragen(aktuell).isEmpty()) {
        liste << aktuell;
        schluessel.insert(DokumentSchluessel(aktuell));
    }
    QList<Dokument> weitere;
    for (const QString &p : pfade) {
        // Shared folders may hold a FIFO or a device under a document's name.
        QByteArray daten;
        if (!RegulaereDateiLesen(p, qint64(64) * 1024 * 1024, daten))
            continue;
        QBuffer f(&daten);
        f.open(QIODevice::ReadOnly);
        Dokument d;
        if (!DokumentLesen(f, d) || d.DokTyp != DokArt::Einzelfragen)
            continue;
        d.DateiName = p;
        const QString k = DokumentSchluessel(d);
        if (schluessel.contains(k) || LernFragen(d).isEmpty())
            continue;
        schluessel.insert(k);
        weitere << d;
    }
    std::stable_sort(weitere.begin(), weitere.end(), [](const Dokument &a, const Dokument &b) {
        const bool ba = HatBilder(a), bb = HatBilder(b);
        if (ba != bb)
            return ba;
        return a.Titel.localeAwareCompare(b.Titel) < 0;
    });
    return liste + weitere;
}
