// Opening, migrating and writing the per-user store.
#include "Lernstand.h"

#include "LernstandSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
QString DatumText(QDate d)
{
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}
QDate TextDatum(const QVariant &v)
{
    return v.isNull() ? QDate() : QDate::fromString(v.toString(), Qt::ISODate);
}
QString ZeitText(const QDateTime &t)
{
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
}
// A program of this computer whose process no longer exists.
bool ProzessWeg(qint64 pid)
{
    if (pid <= 0 || pid == qint64(::getpid()))
        return pid <= 0;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}
} // namespace

QString Lernstand::StandardPfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/pennoria/lernstand.sqlite");
}

Lernstand::Lernstand(QString p) : pfad(std::move(p))
{
    static std::atomic<int> zaehler{0};
    verbindung = QStringLiteral("lernstand-%1").arg(++zaehler);
}

Lernstand::~Lernstand()
{
    {
        QSqlDatabase db = QSqlDatabase::database(verbindung, false);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(verbindung))
        QSqlDatabase::removeDatabase(verbindung);
}

QSqlDatabase Lernstand::Db() const
{
    return QSqlDatabase::database(verbindung, false);
}

void Lernstand::Mitteilen(const QString &text)
{
    if (gemeldet)
        return;
    gemeldet = true;
    if (Melden)
        Melden(text);
}

bool Lernstand::Fehler(const QString &wobei, const QSqlError &e)
{
    const QString code = e.nativeErrorCode();
    QString grund;
    if (code == QLatin1String("5") || code == QLatin1String("6"))
        grund = QStringLiteral("die Datenbank ist von einem anderen Programm gesperrt");
    else if (code == QLatin1String("11") || code == QLatin1String("26"))
        grund = QStringLiteral("die Datenbank ist beschädigt");
    else if (code == QLatin1String("8"))
        grund = QStringLiteral("die Datenbank ist schreibgeschützt");
    else if (code == QLatin1String("13"))
        grund = QStringLiteral("der Datenträger ist voll");
    else
        grund = e.text().trimmed();
    Mitteilen(QStringLiteral("Lernstand: %1 nicht möglich, %2 (\"%3\"). Das Quiz läuft ohne Lernstand weiter.")
                  .arg(wobei, grund, QDir::toNativeSeparators(pfad)));
    // Nothing more is written in this session; what was written stays.
    if (stand == Stand::Bereit)
        stand = Stand::Aus;
    return false;
}

bool Lernstand::Ausfuehren(const QString &sql)
{
    QSqlQuery q(Db());
    return q.exec(sql);
}

Lernstand::Stand Lernstand::Oeffnen()
{
    if (stand != Stand::Geschlossen)
        return stand;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        stand = Stand::Aus;
        Mitteilen(QStringLiteral("Lernstand: Der SQLite-Treiber fehlt. Das Quiz läuft ohne Lernstand weiter."));
        return stand;
    }
    const QFileInfo fi(pfad);
    if (!QDir().mkpath(fi.absolutePath())) {
        stand = Stand::Aus;
        Mitteilen(QStringLiteral("Lernstand: Der Ordner \"%1\" kann nicht angelegt werden. Das Quiz läuft ohne "
                                 "Lernstand weiter.")
                      .arg(QDir::toNativeSeparators(fi.absolutePath())));
        return stand;
    }
    bool nurLesen = fi.exists() && !fi.isWritable();
    for (int versuch = 0; versuch < 2; ++versuch) {
        QSqlDatabase db = QSqlDatabase::contains(verbindung) ? QSqlDatabase::database(verbindung, false)
                                                             : QSqlDatabase::addDatabase("QSQLITE", verbindung);
        db.close();
        db.setDatabaseName(pfad);
        // A locked database is given a short moment only: the quiz must not wait.
        db.setConnectOptions(nurLesen ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=50")
                                      : QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
        if (!db.open()) {
            stand = Stand::Aus;
            return Fehler(QStringLiteral("Öffnen"), db.lastError()), stand;
        }
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            stand = Stand::Aus;
            Fehler(QStringLiteral("Lesen"), q.lastError());
            db.close();
            return stand;
        }
        gelesenVersion = q.value(0).toInt();
        q.finish();
        // Reading the schema catches a damaged file early, before the quiz writes.
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) {
            stand = Stand::Aus;
            Fehler(QStringLiteral("Lesen"), q.lastError());
            db.close();
            return stand;
        }
        q.finish();
        if (gelesenVersion > SchemaVersion && !nurLesen) {
            nurLesen = true; // a newer program's file: read it, never change it
            continue;
        }
        break;
    }
    if (nurLesen) {
        if (gelesenVersion < SchemaVersion) {
            stand = Stand::Aus;
            Mitteilen(QStringLiteral("Lernstand: Die Datei \"%1\" ist schreibgeschützt und hat ein älteres Format. "
                                     "Das Quiz läuft ohne Lernstand weiter.")
                          .arg(QDir::toNativeSeparators(pfad)));
            return stand;
        }
        stand = Stand::NurLesen;
        Mitteilen(gelesenVersion > SchemaVersion
                      ? QStringLiteral("Lernstand: Die Datei stammt von einer neueren Programmversion und wird nur "
                                       "gelesen; neue Ergebnisse werden nicht gespeichert.")
                      : QStringLiteral("Lernstand: Die Datei \"%1\" ist schreibgeschützt und wird nur gelesen; neue "
                                       "Ergebnisse werden nicht gespeichert.")
                            .arg(QDir::toNativeSeparators(pfad)));
        return stand;
    }
    stand = Stand::Bereit;
    QSqlQuery q(Db());
    // WAL: readers never block the writer. NORMAL: a commit survives the
    // program being killed (only a power cut may lose the last ones), and
    // costs no flush to disk per answer.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))
        || !q.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
        Fehler(QStringLiteral("Öffnen"), q.lastError());
        return stand;
    }
    if (gelesenVersion < SchemaVersion && !Migrieren(gelesenVersion))
        return stand;
    AufgegebeneLaeufeEntfernen();
    return stand;
}

bool Lernstand::Migrieren(int von)
{
    QSqlDatabase db = Db();
    if (!db.transaction())
        return Fehler(QStringLiteral("Anlegen"), db.lastError());
    QSqlQuery q(db);
    for (int v = von + 1; v <= SchemaVersion; ++v) {
        for (const QString &sql : SchemaSchritt(v)) {
            if (!q.exec(sql)) {
                const QSqlError e = q.lastError();
                db.rollback();
                return Fehler(QStringLiteral("Anlegen"), e);
            }
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion)) || !db.commit()) {
        const QSqlError e = q.lastError().isValid() ? q.lastError() : db.lastError();
        db.rollback();
        return Fehler(QStringLiteral("Anlegen"), e);
    }
    return true;
}

void Lernstand::AufgegebeneLaeufeEntfernen()
{
    QSqlDatabase db = Db();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id, prozess FROM lauf WHERE fertig=0 AND rechner=?"));
    q.addBindValue(QSysInfo::machineHostName());
    if (!q.exec())
        return;
    QList<qint64> weg;
    while (q.next())
        if (ProzessWeg(q.value(1).toLongLong()))
            weg << q.value(0).toLongLong();
    q.finish();
    if (weg.isEmpty())
        return;
    if (!db.transaction())
        return;
    QSqlQuery d(db);
    for (qint64 id : weg) {
        d.prepare(QStringLiteral("DELETE FROM antwort WHERE lauf=?"));
        d.addBindValue(id);
        bool ok = d.exec();
        d.prepare(QStringLiteral("DELETE FROM lauf WHERE id=?"));
        d.addBindValue(id);
        ok = ok && d.exec();
        if (!ok) {
            db.rollback();
            return;
        }
    }
    db.commit();
}

qint64 Lernstand::LaufBeginnen(const LaufKopf &k)
{
    if (!Schreibbar())
        return -1;
    QSqlQuery q(Db());
    q.prepare(
        QStringLiteral("INSERT INTO lauf(schueler, dok_schluessel, dok_titel, beginn, fertig, rechner, "
                       "prozess, einzelfragen, lernkartei) VALUES(coalesce(?, ''), coalesce(?, ''), coalesce(?, ''), "
                       "coalesce(?, ''), ?, coalesce(?, ''), ?, ?, ?)"));
    q.addBindValue(k.Schueler);
    q.addBindValue(k.DokSchluessel);
    q.addBindValue(k.DokTitel);
    q.addBindValue(ZeitText(k.Beginn));
    // A card round is complete after each answer; a quiz run only at its end.
    q.addBindValue(k.Lernkartei ? 1 : 0);
    q.addBindValue(QSysInfo::machineHostName());
    q.addBindValue(qint64(::getpid()));
    q.addBindValue(k.Einzelfragen ? 1 : 0);
    q.addBindValue(k.Lernkartei ? 1 : 0);
    if (!q.exec()) {
        Fehler(QStringLiteral("Speichern"), q.lastError());
        return -1;
    }
    return q.lastInsertId().toLongLong();
}

static bool AntwortEinfuegen(QSqlQuery &q, qint64 lauf, const AntwortZeile &a)
{
    q.prepare(QStringLiteral("INSERT INTO antwort(lauf, frage, richtig, erster_versuch, zeit_ms, zeitpunkt, bild) "
                             "VALUES(?, coalesce(?, ''), ?, ?, ?, coalesce(?, ''), coalesce(?, ''))"));
    q.addBindValue(lauf);
    q.addBindValue(a.Frage);
    q.addBindValue(a.Richtig ? 1 : 0);
    q.addBindValue(a.ErsterVersuch ? 1 : 0);
    q.addBindValue(a.ZeitMs);
    q.addBindValue(ZeitText(a.Zeitpunkt));
    q.addBindValue(a.Bild);
    return q.exec();
}

bool Lernstand::AntwortSpeichern(qint64 lauf, const AntwortZeile &a)
{
    if (!Schreibbar() || lauf < 0)
        return false;
    QSqlQuery q(Db());
    // A single statement is its own transaction.
    if (!AntwortEinfuegen(q, lauf, a))
        return Fehler(QStringLiteral("Speichern"), q.lastError());
    return true;
}

bool Lernstand::KarteSchreiben(const QString &schueler, const QString &dok, const QString &frage, const Karte &k)
{
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("INSERT INTO karte(schueler, dok_schluessel, frage, box, faellig, neu_am) "
                             "VALUES(coalesce(?, ''), coalesce(?, ''), coalesce(?, ''), ?, ?, ?) ON CONFLICT(schueler, "
                             "dok_schluessel, frage) DO UPDATE SET "
                             "box=excluded.box, faellig=excluded.faellig, neu_am=excluded.neu_am"));
    q.addBindValue(schueler);
    q.addBindValue(dok);
    q.addBindValue(frage);
    q.addBindValue(k.Box);
    q.addBindValue(k.Faellig.isValid() ? QVariant(DatumText(k.Faellig)) : QVariant(QMetaType(QMetaType::QString)));
    q.addBindValue(k.NeuAm.isValid() ? QVariant(DatumText(k.NeuAm)) : QVariant(QMetaType(QMetaType::QString)));
    return q.exec();
}

bool Lernstand::LaufAbschliessen(qint64 lauf, const LaufEndeDaten &e, QDate heute)
{
    if (!Schreibbar() || lauf < 0)
        return false;
    QSqlDatabase db = Db();
    if (!db.transaction())
        return Fehler(QStringLiteral("Speichern"), db.lastError());
    QSqlQuery q(db);
    auto abbruch = [&] {
        const QSqlError f = q.lastError();
        db.rollback();
        return Fehler(QStringLiteral("Speichern"), f);
    };
    q.prepare(QStringLiteral("UPDATE lauf SET dauer_ms=?, leistung=?, note=?, endestatus=?, fertig=1 WHERE id=?"));
    q.addBindValue(e.LaufzeitMs);
    q.addBindValue(e.Gesamtleistung);
    q.addBindValue(e.Schulnote);
    q.addBindValue(int(e.Endestatus));
    q.addBindValue(lauf);
    if (!q.exec())
        return abbruch();
    q.prepare(QStringLiteral("SELECT schueler, dok_schluessel, einzelfragen FROM lauf WHERE id=?"));
    q.addBindValue(lauf);
    if (!q.exec() || !q.next())
        return abbruch();
    const QString schueler = q.value(0).toString();
    const QString dok = q.value(1).toString();
    const bool karten = q.value(2).toInt() != 0;
    q.finish();
    if (karten) {
        q.prepare(QStringLiteral("SELECT frage, richtig FROM antwort WHERE lauf=? AND erster_versuch=1"));
        q.addBindValue(lauf);
        if (!q.exec())
            return abbruch();
        QList<std::pair<QString, bool>> erste;
        while (q.next())
            erste.append({q.value(0).toString(), q.value(1).toInt() != 0});
        q.finish();
        const QHash<QString, Karte> alt = Karten(schueler, dok);
        for (const auto &[frage, richtig] : erste) {
            Karte k = alt.value(frage);
            if (KarteBewerten(k, richtig, heute, KartenQuelle::Quiz) && !KarteSchreiben(schueler, dok, frage, k))
                return abbruch();
        }
    }
    if (!db.commit())
        return abbruch();
    return true;
}

QHash<QString, Karte> Lernstand::Karten(const QString &schueler, const QString &dok)
{
    QHash<QString, Karte> karten;
    if (!Lesbar())
        return karten;
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("SELECT frage, box, faellig, neu_am FROM karte WHERE schueler=? AND dok_schluessel=?"));
    q.addBindValue(schueler);
    q.addBindValue(dok);
    if (!q.exec())
        return karten;
    while (q.next()) {
        Karte k;
        k.Box = std::clamp(q.value(1).toInt(), 0, LeitnerBoxen);
        k.Faellig = TextDatum(q.value(2));
        k.NeuAm = TextDatum(q.value(3));
        karten.insert(q.value(0).toString(), k);
    }
    return karten;
}

int Lernstand::NeueKartenAm(const QString &schueler, const QString &dok, QDate tag)
{
    if (!Lesbar())
        return 0;
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("SELECT count(*) FROM karte WHERE schueler=? AND dok_schluessel=? AND neu_am=?"));
    q.addBindValue(schueler);
    q.addBindValue(dok);
    q.addBindValue(DatumText(tag));
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

bool Lernstand::KartenAntwort(qint64 runde, const QString &schueler, const QString &dok, const AntwortZeile &a,
                              const Karte &karte)
{
    if (!Schreibbar() || runde < 0)
        return false;
    QSqlDatabase db = Db();
    if (!db.transaction())
        return Fehler(QStringLiteral("Speichern"), db.lastError());
    QSqlQuery q(db);
    if (!AntwortEinfuegen(q, runde, a) || !KarteSchreiben(schueler, dok, a.Frage, karte)) {
        const QSqlError f = q.lastError().isValid() ? q.lastError() : db.lastError();
        db.rollback();
        return Fehler(QStringLiteral("Speichern"), f);
    }
    if (!db.commit()) {
        const QSqlError f = db.lastError();
        db.rollback();
        return Fehler(QStringLiteral("Speichern"), f);
    }
    return true;
}

int Lernstand::Einstellung(const QString &name, int vorgabe)
{
    if (!Lesbar())
        return vorgabe;
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("SELECT wert FROM einstellung WHERE name=?"));
    q.addBindValue(name);
    return q.exec() && q.next() ? q.value(0).toInt() : vorgabe;
}

bool Lernstand::EinstellungSetzen(const QString &name, int wert)
{
    if (!Schreibbar())
        return false;
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("INSERT INTO einstellung(name, wert) VALUES(?,?) ON CONFLICT(name) DO UPDATE SET "
                             "wert=excluded.wert"));
    q.addBindValue(name);
    q.addBindValue(wert);
    if (!q.exec())
        return Fehler(QStringLiteral("Speichern"), q.lastError());
    return true;
}
