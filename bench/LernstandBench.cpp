// The learning store: recording one answer, and opening the progress window
// over 100 000 stored answers.
#include "Lernstand.h"
#include "TLernverlaufForm.h"

#include "Meldungen.h"

#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

namespace {
class StummeMeldungen : public IMeldungen
{
public:
    void Information(const QString &) override {}
    void Fehler(const QString &) override {}
    Antwort JaNein(const QString &, FrageArt) override { return Antwort::Ja; }
    Antwort JaNeinAbbrechen(const QString &) override { return Antwort::Ja; }
};

const QDateTime beginn(QDate(2026, 9, 1), QTime(8, 0));

void AntwortSpeichern(benchmark::State &state)
{
    QTemporaryDir dir;
    Lernstand s(dir.filePath("lernstand.sqlite"));
    s.Oeffnen();
    const qint64 lauf = s.LaufBeginnen({"Anna", "flaggen europas", "Flaggen Europas", beginn, true, false});
    int i = 0;
    for (auto _ : state) {
        const bool ok = s.AntwortSpeichern(
            lauf, {QStringLiteral("Land %1").arg(i % 45), QStringLiteral("land.png"), i % 3 != 0, true, 2100, beginn});
        benchmark::DoNotOptimize(ok);
        ++i;
    }
}
BENCHMARK(AntwortSpeichern)->Unit(benchmark::kMicrosecond);

// 5000 finished runs of 20 answers over 8 topics and 4 pupils, and cards.
void Fuellen(const QString &pfad)
{
    {
        Lernstand s(pfad);
        s.Oeffnen();
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fuellen");
    db.setDatabaseName(pfad);
    db.open();
    db.transaction();
    QSqlQuery l(db), a(db), k(db);
    l.prepare("INSERT INTO lauf(id, schueler, dok_schluessel, dok_titel, beginn, dauer_ms, leistung, note, "
              "endestatus, fertig, einzelfragen) VALUES(?,?,?,?,?,60000,?,3,1,1,1)");
    a.prepare("INSERT INTO antwort(lauf, frage, richtig, erster_versuch, zeit_ms, zeitpunkt, bild) "
              "VALUES(?,?,?,1,1800,?,?)");
    for (int r = 1; r <= 5000; ++r) {
        const QString schueler = QStringLiteral("Kind %1").arg(r % 4);
        const QString titel = QStringLiteral("Flaggen %1").arg(r % 8);
        l.addBindValue(r);
        l.addBindValue(schueler);
        l.addBindValue(titel.toLower());
        l.addBindValue(titel);
        l.addBindValue(beginn.addSecs(r * 600).toString("yyyy-MM-ddTHH:mm:ss.zzz"));
        l.addBindValue(0.4 + (r % 60) / 100.0);
        l.exec();
        for (int i = 0; i < 20; ++i) {
            a.addBindValue(r);
            a.addBindValue(QStringLiteral("Land %1").arg((r * 7 + i) % 45));
            a.addBindValue((r + i) % 4 != 0);
            a.addBindValue(beginn.addSecs(r * 600 + i).toString("yyyy-MM-ddTHH:mm:ss.zzz"));
            a.addBindValue(QStringLiteral("land%1.png").arg(i));
            a.exec();
        }
    }
    k.prepare("INSERT INTO karte(schueler, dok_schluessel, frage, box, faellig) VALUES(?,?,?,?,'2026-12-07')");
    for (int p = 0; p < 4; ++p)
        for (int d = 0; d < 8; ++d)
            for (int f = 0; f < 45; ++f) {
                k.addBindValue(QStringLiteral("Kind %1").arg(p));
                k.addBindValue(QStringLiteral("flaggen %1").arg(d));
                k.addBindValue(QStringLiteral("Land %1").arg(f));
                k.addBindValue(1 + f % 5);
                k.exec();
            }
    db.commit();
    db.close();
    db = {};
    QSqlDatabase::removeDatabase("fuellen");
}

// From the menu command to the painted window: the store opened, the
// pupils, the chart of 1250 runs, the boxes and the most-missed questions.
void LernverlaufOeffnen(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("lernstand.sqlite");
    Fuellen(pfad);
    StummeMeldungen m;
    for (auto _ : state) {
        Lernstand s(pfad);
        s.Oeffnen();
        TLernverlaufForm f(s, m);
        f.Vorbereiten(QStringLiteral("Kind 1"), QString(), QStringLiteral("flaggen 1"));
        // Painted once, as the first show does.
        const QPixmap bild = f.grab();
        benchmark::DoNotOptimize(bild.cacheKey());
    }
}
BENCHMARK(LernverlaufOeffnen)->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace
