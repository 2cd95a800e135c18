// The teacher's live view as a table model.
#include "KontrollModell.h"

KontrollModell::KontrollModell(QObject *eltern) : QAbstractTableModel(eltern) {}

QString KontrollModell::ZustandText(Zustand z)
{
    switch (z) {
    case Zustand::Laeuft:
        return QStringLiteral("läuft");
    case Zustand::Fertig:
        return QStringLiteral("fertig");
    case Zustand::Abgebrochen:
        return QStringLiteral("abgebrochen");
    case Zustand::Zeitlimit:
        return QStringLiteral("Zeit abgelaufen");
    }
    return {};
}

const KontrollModell::Zeile *KontrollModell::ZeileVon(const QString &kennung) const
{
    const auto it = nachKennung.constFind(kennung);
    return it == nachKennung.constEnd() ? nullptr : &zeilen[*it];
}

void KontrollModell::Leeren()
{
    beginResetModel();
    zeilen.clear();
    nachKennung.clear();
    laeufeJeRechner.clear();
    endResetModel();
}

int KontrollModell::ZeileFuer(const QString &rechner, const QString &benutzer, const TnNachricht &n)
{
    if (const auto it = nachKennung.constFind(n.Kennung); it != nachKennung.constEnd())
        return *it;
    if (zeilen.size() >= MaxZeilen)
        return -1;
    Zeile z;
    z.Kennung = n.Kennung;
    z.Rechner = rechner;
    z.Benutzer = benutzer;
    const QString schluessel = rechner.toLower();
    z.Lauf = ++laeufeJeRechner[schluessel];
    const int r = int(zeilen.size());
    beginInsertRows({}, r, r);
    zeilen.append(z);
    nachKennung.insert(n.Kennung, r);
    endInsertRows();
    return r;
}

void KontrollModell::Geaendert(int r)
{
    emit dataChanged(index(r, 0), index(r, SpaltenZahl - 1));
}

bool KontrollModell::Verarbeiten(const QString &rechner, const QString &benutzer, const TnNachricht &n)
{
    const int r = ZeileFuer(rechner, benutzer, n);
    if (r < 0)
        return false;
    Zeile &z = zeilen[r];
    bool eintragen = false;
    switch (n.Art) {
    case TnArt::Init:
        z.Name = n.Name;
        z.StartZeit = n.StartZeitText;
        break;
    case TnArt::Aktion: {
        // Counters only grow within a run: an older report that arrives
        // late, or a duplicate, changes nothing.
        const int beantwortet = n.AnzRichtig + n.AnzFalsch;
        if (beantwortet < z.AnzRichtig + z.AnzFalsch)
            break;
        if (z.StartZeit.isEmpty())
            z.StartZeit = n.StartZeitText;
        z.AnzFragen = n.AnzFragen;
        z.AnzRichtig = n.AnzRichtig;
        z.AnzFalsch = n.AnzFalsch;
        z.AnzOffen = n.AnzOffen;
        z.Erfolgsquote = n.Erfolgsquote;
        z.Gesamtleistung = n.Gesamtleistung;
        z.Schulnote = n.Schulnote;
        if (!z.Endgueltig)
            z.Zeit = n.UhrText;
        break;
    }
    case TnArt::Fertig:
        z.Endgueltig = true;
        z.Zeit = n.UhrText;
        z.Status = n.Endestatus == EndeArt::Fertig      ? Zustand::Fertig
                   : n.Endestatus == EndeArt::Zeitlimit ? Zustand::Zeitlimit
                                                        : Zustand::Abgebrochen;
        break;
    case TnArt::Bestlist:
        if (z.Name.isEmpty())
            z.Name = n.Name;
        z.Gesamtleistung = n.Leistung * 100.0;
        eintragen = !z.Eingetragen;
        z.Eingetragen = true;
        break;
    }
    Geaendert(r);
    return eintragen;
}

int KontrollModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : int(zeilen.size());
}

int KontrollModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : SpaltenZahl;
}

QVariant KontrollModell::headerData(int s, Qt::Orientation o, int rolle) const
{
    if (o != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    static const char *const titel[SpaltenZahl] = {"Kennung",        "Rechner", "Name",   "Lauf",  "Beginn",
                                                   "Beantwortet",    "Richtig", "Falsch", "Offen", "Erfolgsquote",
                                                   "Gesamtleistung", "Note",    "Zeit",   "Status"};
    return s >= 0 && s < SpaltenZahl ? QString::fromUtf8(titel[s]) : QVariant();
}

QVariant KontrollModell::data(const QModelIndex &i, int rolle) const
{
    if (!i.isValid() || i.row() >= zeilen.size())
        return {};
    const Zeile &z = zeilen[i.row()];
    const bool sortieren = rolle == SortierRolle;
    if (rolle == Qt::TextAlignmentRole)
        return i.column() >= SpLauf && i.column() <= SpZeit && i.column() != SpStart
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant();
    if (rolle == Qt::ToolTipRole && i.column() == SpKennung)
        return z.Kennung;
    if (rolle == Qt::ToolTipRole && i.column() == SpRechner)
        return z.Benutzer.isEmpty() ? QVariant() : QVariant(QStringLiteral("Benutzer: ") + z.Benutzer);
    if (rolle != Qt::DisplayRole && !sortieren)
        return {};
    auto prozent = [sortieren](double p) -> QVariant {
        return sortieren ? QVariant(p) : QVariant(QString::number(p, 'f', 1) + QStringLiteral(" %"));
    };
    switch (i.column()) {
    case SpKennung:
        // Long and only there to tell runs apart: the start is enough to see,
        // the whole one is the tooltip.
        return sortieren ? z.Kennung : z.Kennung.left(8) + QStringLiteral("…");
    case SpRechner:
        return z.Rechner;
    case SpName:
        return z.Name.isEmpty() && !sortieren ? QStringLiteral("-") : z.Name;
    case SpLauf:
        return z.Lauf;
    case SpStart:
        return z.StartZeit;
    case SpBeantwortet:
        if (sortieren)
            return z.AnzRichtig + z.AnzFalsch;
        if (z.AnzFragen == 0)
            return QStringLiteral("-"); // joined, no answer reported yet
        return QString::number(z.AnzFragen - z.AnzOffen) + QStringLiteral(" von ") + QString::number(z.AnzFragen);
    case SpRichtig:
        return z.AnzRichtig;
    case SpFalsch:
        return z.AnzFalsch;
    case SpOffen:
        return z.AnzOffen;
    case SpErfolgsquote:
        return prozent(z.Erfolgsquote);
    case SpGesamtleistung:
        return prozent(z.Gesamtleistung);
    case SpNote:
        if (sortieren)
            return z.Schulnote;
        return z.Schulnote > 0 ? QVariant(z.Schulnote) : QVariant(QStringLiteral("-"));
    case SpZeit:
        return z.Zeit;
    case SpStatus:
        return sortieren ? QVariant(int(z.Status)) : QVariant(ZustandText(z.Status));
    }
    return {};
}
