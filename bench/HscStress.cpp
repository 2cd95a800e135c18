// Stress driver for shared high-score lists (run by
// scripts/stress-bestenliste.sh, not by CI).
//
//   hsc_stress schreiben DATEI ID ANZAHL   appends ANZAHL records through the
//                                          program's own entry with retries
//   hsc_stress pruefen DATEI PROZESSE ANZAHL  checks that every record of
//                                          every writer is there, intact, once
//   hsc_stress lesen DATEI PROZESSE ANZAHL  reads the list again and again
//                                          while the writers work; every read
//                                          must show intact records only
#include "BestListDatei.h"
#include "BestListen.h"
#include "Dienste.h"
#include "Ordner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <chrono>
#include <cstdio>

namespace {

// The real clock, counting the retry pauses.
class ZaehlUhr : public SystemUhr
{
public:
    long wartungen = 0;
    void Warten(int ms) override
    {
        ++wartungen;
        SystemUhr::Warten(ms);
    }
};

class ZaehlMeldungen : public IMeldungen
{
public:
    long fehler = 0;
    void Information(const QString &) override {}
    void Fehler(const QString &) override { ++fehler; }
    Antwort JaNein(const QString &, FrageArt) override { return Antwort::Nein; }
    Antwort JaNeinAbbrechen(const QString &) override { return Antwort::Abbrechen; }
};

constexpr double kBeginn = 46363.5;

BestListDatensatz Satz(int id, int i, int anzahl)
{
    BestListDatensatz d;
    d.Name = QString::fromUtf8("Prozess %1 – Lauf %2 äöü").arg(id).arg(i);
    d.Rechner = QString("stress-%1").arg(id);
    d.Beginn = kBeginn + id;
    d.Dauer = id * 1000000 + i;
    d.Leistung = double(i) / anzahl;
    return d;
}

int Schreiben(const QString &datei, int id, int anzahl)
{
    // The program enters a result into BestListOrdner/<document>.hsc.
    const QFileInfo info(datei);
    Ordner().BestListOrdner = info.absolutePath() + "/";
    ZaehlUhr uhr;
    ZaehlMeldungen meldungen;
    Dienste dienste;
    dienste.uhr = &uhr;
    dienste.meldungen = &meldungen;
    BestListen listen(dienste);
    long ok = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < anzahl; ++i)
        ok += listen.ErgebnisEintragen(false, info.completeBaseName() + ".tvl", Satz(id, i, anzahl)) ? 1 : 0;
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("id=%d eingetragen=%ld verloren=%ld wiederholungen=%ld sekunden=%.3f\n", id, ok, meldungen.fehler,
                uhr.wartungen, s);
    return ok == anzahl ? 0 : 1;
}

bool Intakt(const TBestListEintrag &e, int prozesse, int anzahl)
{
    const int id = e.Dauer / 1000000;
    const int i = e.Dauer % 1000000;
    const BestListDatensatz soll = Satz(id, i, anzahl);
    return id >= 0 && id < prozesse && i < anzahl && e.Name == soll.Name && e.Rechner == soll.Rechner
           && e.Beginn == soll.Beginn && e.Leistung == soll.Leistung;
}

int Lesen(const QString &datei, int prozesse, int anzahl)
{
    const qsizetype ziel = qsizetype(prozesse) * anzahl;
    // A read fails while a writer holds the list, or in the instant between
    // its creating the file and locking it (the file is still empty then).
    long lesungen = 0, fehlversuche = 0, kaputt = 0, rueckschritte = 0;
    qsizetype zuletzt = 0;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    TBestList liste;
    while (zuletzt < ziel && std::chrono::steady_clock::now() < ende) {
        if (!QFileInfo::exists(datei))
            continue;
        if (!BestListLesen(datei, liste)) {
            ++fehlversuche;
            continue;
        }
        ++lesungen;
        for (const auto &e : liste)
            kaputt += Intakt(e, prozesse, anzahl) ? 0 : 1;
        if (liste.size() < zuletzt)
            ++rueckschritte;
        zuletzt = liste.size();
    }
    std::printf("leser lesungen=%ld nicht_lesbar=%ld kaputt=%ld rueckschritte=%ld zuletzt=%lld\n", lesungen,
                fehlversuche, kaputt, rueckschritte, (long long)zuletzt);
    return (kaputt || rueckschritte || zuletzt < ziel) ? 1 : 0;
}

int Pruefen(const QString &datei, int prozesse, int anzahl)
{
    TBestList liste;
    if (!BestListLesen(datei, liste)) {
        std::printf("FEHLER: Liste nicht lesbar\n");
        return 1;
    }
    QSet<qint64> gesehen;
    long kaputt = 0, doppelt = 0;
    for (const auto &e : liste) {
        if (!Intakt(e, prozesse, anzahl)) {
            ++kaputt;
            continue;
        }
        if (gesehen.contains(e.Dauer))
            ++doppelt;
        gesehen.insert(e.Dauer);
    }
    const long fehlend = long(prozesse) * anzahl - gesehen.size();
    std::printf("datensaetze=%lld kaputt=%ld doppelt=%ld fehlend=%ld\n", (long long)liste.size(), kaputt, doppelt,
                fehlend);
    return (kaputt || doppelt || fehlend) ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 5 && a[1] == "schreiben")
        return Schreiben(a[2], a[3].toInt(), a[4].toInt());
    if (a.size() == 5 && a[1] == "lesen")
        return Lesen(a[2], a[3].toInt(), a[4].toInt());
    if (a.size() == 5 && a[1] == "pruefen")
        return Pruefen(a[2], a[3].toInt(), a[4].toInt());
    std::fprintf(stderr, "Aufruf: hsc_stress schreiben DATEI ID ANZAHL | lesen|pruefen DATEI PROZESSE ANZAHL\n");
    return 2;
}
