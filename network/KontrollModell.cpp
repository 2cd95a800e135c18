// The teacher's live view as a table model.
#include "KontrollModell.h"

#include "DelphiZeit.h"

#include <QDateTime>

#include <algorithm>
#include <limits>

KontrollModell::KontrollModell(QObject *eltern) : QAbstractTableModel(eltern)
{
    takt.setSingleShot(true);
    takt.setInterval(AktualisierungMs);
    connect(&takt, &QTimer::timeout, this, &KontrollModell::Aktualisieren);
}

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
    laeufeJePerson.clear();
    anmeldungenJeAdresse.clear();
    verworfen.fill(0);
    geaendert.clear();
    geaenderteZeilen.clear();
    takt.stop();
    endResetModel();
    verworfenGeaendert = true;
    emit Aktualisiert();
}

void KontrollModell::Beginnen(qint64 ms, bool zeitlimit)
{
    const bool kopfAnders = zeitlimit != mitZeitlimit;
    initiiertMs = ms;
    mitZeitlimit = zeitlimit;
    Leeren();
    if (kopfAnders)
        emit headerDataChanged(Qt::Horizontal, SpZeit, SpZeit);
}

qint64 KontrollModell::VerworfenGesamt() const
{
    qint64 n = 0;
    for (qint64 v : verworfen)
        n += v;
    return n;
}

QString KontrollModell::VerworfenText() const
{
    static const char *const warum[size_t(Grund::Anzahl)] = {
        "ohne Anmeldung zu dieser Übung", "Anmeldungen, zu viele von einer Adresse", "Anmeldungen bei voller Tabelle",
        "unstimmige Bestenlisten-Einträge", "unlesbar"};
    QStringList teile;
    for (size_t g = 0; g < verworfen.size(); ++g)
        if (verworfen[g] > 0)
            teile << QString::number(verworfen[g]) + QLatin1Char(' ') + QString::fromUtf8(warum[g]);
    return teile.isEmpty() ? QString() : QStringLiteral("Verworfene Meldungen: ") + teile.join(QStringLiteral(", "));
}

int KontrollModell::Laufend() const
{
    return int(
        std::count_if(zeilen.cbegin(), zeilen.cend(), [](const Zeile &z) { return z.Status == Zustand::Laeuft; }));
}

void KontrollModell::Verwerfen(Grund g)
{
    ++verworfen[size_t(g)];
    verworfenGeaendert = true;
    if (!takt.isActive())
        takt.start();
}

bool KontrollModell::AnmeldungErlaubt(const QString &adresse, qint64 jetzt)
{
    // A table of addresses must not grow without bound either: a flood from
    // made-up addresses empties it, which only gives each a fresh burst.
    if (anmeldungenJeAdresse.size() > 4096)
        anmeldungenJeAdresse.clear();
    auto it = anmeldungenJeAdresse.find(adresse);
    if (it == anmeldungenJeAdresse.end())
        it = anmeldungenJeAdresse.insert(adresse, Eimer{AnmeldungenStoss, jetzt});
    Eimer &e = *it;
    const qint64 vergangen = std::max<qint64>(0, jetzt - e.ZuletztMs);
    e.Marken = std::min<double>(AnmeldungenStoss, e.Marken + double(vergangen) * AnmeldungenJeSekunde / 1000.0);
    e.ZuletztMs = jetzt;
    if (e.Marken < 1.0)
        return false;
    e.Marken -= 1.0;
    return true;
}

int KontrollModell::FreieZeile() const
{
    // The oldest participation that never answered: a pupil who joined and
    // left, or a made-up join.
    int beste = -1;
    for (int r = 0; r < zeilen.size(); ++r) {
        const Zeile &z = zeilen[r];
        if (z.Geantwortet || z.Eingetragen)
            continue;
        if (beste < 0 || z.AngemeldetMs < zeilen[beste].AngemeldetMs)
            beste = r;
    }
    return beste;
}

int KontrollModell::Anmelden(const Absender &von, const TnNachricht &n, qint64 jetzt)
{
    if (!AnmeldungErlaubt(von.Adresse, jetzt)) {
        Verwerfen(Grund::Anmeldeflut);
        return -1;
    }
    Zeile z;
    z.Kennung = n.Kennung;
    z.Rechner = von.Rechner;
    z.Benutzer = von.Benutzer;
    z.Adresse = von.Adresse;
    z.AngemeldetMs = jetzt;
    // A pupil: the computer, the login (shared on a terminal server) and the
    // name given at the join, which a repeat keeps.
    const QString person = von.Rechner.toLower() + QLatin1Char('\n') + von.Benutzer + QLatin1Char('\n')
                           + n.Name.trimmed();
    if (zeilen.size() < MaxZeilen) {
        z.Lauf = ++laeufeJePerson[person];
        const int r = int(zeilen.size());
        beginInsertRows({}, r, r);
        zeilen.append(z);
        geaendert.push_back(false);
        nachKennung.insert(n.Kennung, r);
        endInsertRows();
        return r;
    }
    const int r = FreieZeile();
    if (r < 0) {
        Verwerfen(Grund::TabelleVoll);
        return -1;
    }
    z.Lauf = ++laeufeJePerson[person];
    nachKennung.remove(zeilen[r].Kennung);
    zeilen[r] = z;
    nachKennung.insert(n.Kennung, r);
    return r;
}

bool KontrollModell::ListeneintragPasst(const Zeile &z, const TnNachricht &n, qint64 jetzt) const
{
    if (n.Leistung < 0 || n.Leistung > 1 || n.Laufzeit < 0)
        return false;
    // Every answer reported took its time; so did the span between the
    // first and the last report this computer received.
    const qint64 antworten = qint64(z.AnzRichtig) + z.AnzFalsch;
    if (n.Laufzeit < antworten * MinMsJeAntwort)
        return false;
    if (z.Geantwortet && n.Laufzeit < z.LetzteAntwortMs - z.AngemeldetMs - UhrenAbweichungMs)
        return false;
    // A performance needs right answers reported; one report lost on the way
    // is allowed for.
    if (n.Leistung > 0) {
        const int fragen = z.AnzRichtig + z.AnzFalsch + z.AnzOffen;
        if (!z.Geantwortet || fragen <= 0 || n.Leistung > double(z.AnzRichtig + 1) / fragen + 1e-9)
            return false;
    }
    if (initiiertMs <= 0)
        return true;
    // A run of this initiation began after it and not in the future.
    const qint64 beginn = DelphiNachZeit(n.Beginn).toMSecsSinceEpoch();
    return beginn >= initiiertMs - UhrenAbweichungMs && beginn <= jetzt + UhrenAbweichungMs
           && n.Laufzeit <= jetzt - initiiertMs + UhrenAbweichungMs;
}

void KontrollModell::Geaendert(int r)
{
    if (r < 0 || size_t(r) >= geaendert.size())
        return;
    if (!geaendert[size_t(r)]) {
        geaendert[size_t(r)] = true;
        geaenderteZeilen.push_back(r);
    }
    if (!takt.isActive())
        takt.start();
}

void KontrollModell::Aktualisieren()
{
    takt.stop();
    if (geaenderteZeilen.empty() && !verworfenGeaendert)
        return;
    std::sort(geaenderteZeilen.begin(), geaenderteZeilen.end());
    // Neighbouring rows in one signal.
    for (size_t i = 0; i < geaenderteZeilen.size();) {
        size_t j = i;
        while (j + 1 < geaenderteZeilen.size() && geaenderteZeilen[j + 1] == geaenderteZeilen[j] + 1)
            ++j;
        emit dataChanged(index(geaenderteZeilen[i], 0), index(geaenderteZeilen[j], SpaltenZahl - 1));
        i = j + 1;
    }
    for (int r : geaenderteZeilen)
        geaendert[size_t(r)] = false;
    geaenderteZeilen.clear();
    verworfenGeaendert = false;
    emit Aktualisiert();
}

bool KontrollModell::Verarbeiten(const QString &rechner, const QString &benutzer, const TnNachricht &n)
{
    return Verarbeiten(Absender{rechner, benutzer, QString()}, n, QDateTime::currentMSecsSinceEpoch());
}

bool KontrollModell::Verarbeiten(const Absender &von, const TnNachricht &n, qint64 jetzt)
{
    int r;
    if (const auto it = nachKennung.constFind(n.Kennung); it != nachKennung.constEnd())
        r = *it;
    else if (n.Art == TnArt::Init)
        r = Anmelden(von, n, jetzt);
    else {
        // Reports of a participation that never joined this initiation: a
        // replay from an earlier one, or made up.
        Verwerfen(Grund::Unbekannt);
        return false;
    }
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
            return false;
        if (z.StartZeit.isEmpty())
            z.StartZeit = n.StartZeitText;
        z.Geantwortet = true;
        z.LetzteAntwortMs = jetzt;
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
        if (z.Eingetragen)
            break;
        if (!ListeneintragPasst(z, n, jetzt)) {
            Verwerfen(Grund::Listeneintrag);
            return false;
        }
        if (z.Name.isEmpty())
            z.Name = n.Name;
        z.Gesamtleistung = n.Leistung * 100.0;
        // A list record is sent only after a completed run: its end report
        // was lost on the way.
        if (z.Status == Zustand::Laeuft)
            z.Status = Zustand::Fertig;
        eintragen = true;
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
    if (o != Qt::Horizontal || (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole))
        return {};
    if (s == SpZeit) {
        if (rolle == Qt::ToolTipRole)
            return mitZeitlimit ? QStringLiteral("Verbleibende Zeit bis zum Zeitlimit (Minuten:Sekunden)")
                                : QStringLiteral("Seit dem Beginn vergangene Zeit (Minuten:Sekunden)");
        return mitZeitlimit ? QStringLiteral("Restzeit") : QStringLiteral("Verstrichene Zeit");
    }
    if (rolle == Qt::ToolTipRole)
        return s == SpOffen  ? QVariant(QStringLiteral("Fragen, die noch nicht richtig beantwortet wurden"))
               : s == SpLauf ? QVariant(QStringLiteral("Die wievielte Teilnahme unter diesem Namen an diesem Rechner"))
                             : QVariant();
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
    if (rolle == Qt::ToolTipRole) {
        switch (i.column()) {
        case SpKennung:
            return z.Kennung;
        case SpRechner: {
            QStringList t;
            if (!z.Benutzer.isEmpty())
                t << QStringLiteral("Benutzer: ") + z.Benutzer;
            if (!z.Adresse.isEmpty())
                t << QStringLiteral("Adresse: ") + z.Adresse;
            return t.isEmpty() ? QVariant() : QVariant(t.join(QLatin1Char('\n')));
        }
        case SpName:
            return z.Name.size() > NamenAnzeigeLaenge ? QVariant(z.Name) : QVariant();
        }
        return {};
    }
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
        if (sortieren)
            return z.Name;
        if (z.Name.isEmpty())
            return QStringLiteral("-");
        return z.Name.size() > NamenAnzeigeLaenge ? z.Name.left(NamenAnzeigeLaenge - 1) + QStringLiteral("…") : z.Name;
    case SpLauf:
        return z.Lauf;
    case SpStart:
        return z.StartZeit;
    case SpBeantwortet:
        if (sortieren)
            return z.AnzRichtig + z.AnzFalsch;
        if (!z.Geantwortet)
            return QStringLiteral("-"); // joined, no answer reported yet
        return QString::number(z.AnzFragen - z.AnzOffen) + QStringLiteral(" von ") + QString::number(z.AnzFragen);
    case SpRichtig:
        return z.AnzRichtig;
    case SpFalsch:
        return z.AnzFalsch;
    case SpOffen:
        // Before the first report the number of questions is not known yet,
        // but none of them is answered.
        if (!z.Geantwortet)
            return sortieren ? QVariant(std::numeric_limits<int>::max()) : QVariant(QStringLiteral("alle"));
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
