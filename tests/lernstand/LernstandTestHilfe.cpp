// Shared pieces of the store tests.
#include "LernstandTestHilfe.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

bool AufgezeichneterQuiz::Spielen(const QStringList &antworten, const QStringList &falsch, const QString &titel)
{
    QStringList zeilen;
    for (const QString &a : antworten)
        zeilen << "<@img=" + a.toLower() + ".png>Welches Land? // " + a;
    t.dok.Dok = EinzelfragenDok(zeilen, titel);
    t.ui.werte.FragenZuordnungsziele = 0;
    t.ui.werte.FragenZuordnungFalsch = 0;
    const int vorher = t.ui.ergebnisse;
    if (!t.ueb.UebungStarten({}))
        return false;
    QStringList nochFalsch = falsch;
    for (int schritt = 0; schritt < 4 * antworten.size() && t.ui.ergebnisse == vorher; ++schritt) {
        const QString richtig = t.AktuelleAntwort();
        t.umg.uhr.Vorstellen(1500);
        if (nochFalsch.removeOne(richtig)) {
            for (const QString &c : t.Sichtbare())
                if (c != richtig) {
                    t.Antworten(c);
                    break;
                }
        } else {
            t.Antworten(richtig);
        }
    }
    return t.ui.ergebnisse == vorher + 1;
}

void ErsteVersionAnlegen(const QString &pfad)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
        db.setDatabaseName(pfad);
        db.open();
        QSqlQuery q(db);
        // As the first release wrote it.
        q.exec("CREATE TABLE lauf(id INTEGER PRIMARY KEY, schueler TEXT NOT NULL, dok_schluessel TEXT NOT NULL, "
               "dok_titel TEXT NOT NULL, beginn TEXT NOT NULL, dauer_ms INTEGER NOT NULL DEFAULT 0, leistung REAL NOT "
               "NULL DEFAULT 0, note INTEGER NOT NULL DEFAULT 0, endestatus INTEGER NOT NULL DEFAULT 0, fertig "
               "INTEGER NOT NULL DEFAULT 0, rechner TEXT NOT NULL DEFAULT '', prozess INTEGER NOT NULL DEFAULT 0)");
        q.exec("CREATE TABLE antwort(id INTEGER PRIMARY KEY, lauf INTEGER NOT NULL REFERENCES lauf(id), frage TEXT "
               "NOT NULL, richtig INTEGER NOT NULL, erster_versuch INTEGER NOT NULL, zeit_ms INTEGER NOT NULL, "
               "zeitpunkt TEXT NOT NULL)");
        q.exec("INSERT INTO lauf VALUES(1, 'Ben', 'flaggen', 'Flaggen', '2026-11-30T09:00:00.000', 60000, 0.5, 4, "
               "1, 1, 'pc', 1)");
        q.exec("INSERT INTO antwort VALUES(1, 1, 'Polen', 0, 1, 3000, '2026-11-30T09:00:10.000')");
        q.exec("INSERT INTO antwort VALUES(2, 1, 'Polen', 1, 0, 2000, '2026-11-30T09:00:20.000')");
        q.exec("PRAGMA user_version=1");
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");
}

qint64 Zahl(const QString &pfad, const QString &sql)
{
    qint64 wert = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "zahl");
        db.setDatabaseName(pfad);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                wert = q.value(0).toLongLong();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("zahl");
    return wert;
}
