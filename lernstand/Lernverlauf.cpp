// Queries for the progress window and the CSV export.
#include "Lernverlauf.h"

#include "Lernstand.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

static QDateTime Zeitpunkt(const QVariant &v)
{
    return QDateTime::fromString(v.toString(), QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
}

QStringList Lernverlauf::Schueler()
{
    QStringList namen;
    if (!stand.Lesbar())
        return namen;
    QSqlQuery q(stand.Db());
    if (!q.exec(QStringLiteral("SELECT DISTINCT schueler FROM lauf WHERE fertig=1 ORDER BY schueler COLLATE NOCASE")))
        return namen;
    while (q.next())
        namen << q.value(0).toString();
    return namen;
}

QMap<QString, QList<LeistungsPunkt>> Lernverlauf::Verlauf(const QString &schueler)
{
    QMap<QString, QList<LeistungsPunkt>> verlauf;
    if (!stand.Lesbar())
        return verlauf;
    QSqlQuery q(stand.Db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT dok_titel, beginn, leistung FROM lauf WHERE schueler=? AND fertig=1 AND "
                             "lernkartei=0 AND endestatus IN (1, 3) ORDER BY beginn"));
    q.addBindValue(schueler);
    if (!q.exec())
        return verlauf;
    while (q.next())
        verlauf[q.value(0).toString()].append({Zeitpunkt(q.value(1)), std::clamp(q.value(2).toDouble(), 0.0, 1.0)});
    return verlauf;
}

std::array<int, 6> Lernverlauf::KartenJeBox(const QString &schueler)
{
    std::array<int, 6> boxen{};
    if (!stand.Lesbar())
        return boxen;
    QSqlQuery q(stand.Db());
    q.prepare(QStringLiteral("SELECT box, count(*) FROM karte WHERE schueler=? GROUP BY box"));
    q.addBindValue(schueler);
    if (!q.exec())
        return boxen;
    while (q.next()) {
        const int b = q.value(0).toInt();
        if (b >= 1 && b <= 5)
            boxen[b] = q.value(1).toInt();
    }
    return boxen;
}

QList<Fehlerfrage> Lernverlauf::MeistVerfehlt(const QString &schueler, int anzahl, const QString &dokSchluessel)
{
    QList<Fehlerfrage> liste;
    if (!stand.Lesbar() || anzahl <= 0)
        return liste;
    QSqlQuery q(stand.Db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT a.frage, max(a.bild), l.dok_titel, l.dok_schluessel, "
                             "sum(a.richtig=0) AS fehler, count(*) FROM antwort a JOIN lauf l ON l.id=a.lauf "
                             "WHERE l.schueler=? AND l.fertig=1 AND (coalesce(?, '')='' OR l.dok_schluessel=?) "
                             "GROUP BY l.dok_schluessel, a.frage HAVING fehler>0 "
                             "ORDER BY fehler DESC, a.frage LIMIT ?"));
    q.addBindValue(schueler);
    q.addBindValue(dokSchluessel);
    q.addBindValue(dokSchluessel);
    q.addBindValue(anzahl);
    if (!q.exec())
        return liste;
    while (q.next())
        liste.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                      q.value(4).toInt(), q.value(5).toInt()});
    return liste;
}

QString CsvFeld(const QString &text)
{
    QString t = text;
    if (!t.isEmpty() && QStringLiteral("=+-@").contains(t.front()))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n'))
        || t.contains(QLatin1Char('\r'))) {
        t.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        t = QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t;
}

bool Lernverlauf::CsvSchreiben(const QString &schueler, QIODevice &ziel)
{
    if (!stand.Lesbar())
        return false;
    QSqlQuery q(stand.Db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT a.zeitpunkt, l.dok_titel, l.lernkartei, a.frage, a.richtig, a.erster_versuch, "
                             "a.zeit_ms, l.id FROM antwort a JOIN lauf l ON l.id=a.lauf "
                             "WHERE l.schueler=? AND l.fertig=1 ORDER BY a.zeitpunkt, a.id"));
    q.addBindValue(schueler);
    if (!q.exec())
        return false;
    auto zeile = [&ziel](const QStringList &felder) {
        QStringList f;
        for (const QString &t : felder)
            f << CsvFeld(t);
        const QByteArray b = (f.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8();
        return ziel.write(b) == b.size();
    };
    // The byte order mark lets spreadsheet programs read the umlauts as UTF-8.
    if (ziel.write("\xEF\xBB\xBF") != 3)
        return false;
    if (!zeile({QStringLiteral("Datum"), QStringLiteral("Uhrzeit"), QStringLiteral("Schüler"),
                QStringLiteral("Dokument"), QStringLiteral("Art"), QStringLiteral("Lauf"), QStringLiteral("Frage"),
                QStringLiteral("Ergebnis"), QStringLiteral("Erster Versuch"), QStringLiteral("Antwortzeit (ms)")}))
        return false;
    while (q.next()) {
        const QDateTime t = Zeitpunkt(q.value(0));
        if (!zeile({t.date().toString(QStringLiteral("dd.MM.yyyy")), t.time().toString(QStringLiteral("HH:mm:ss")),
                    schueler, q.value(1).toString(),
                    q.value(2).toInt() ? QStringLiteral("Lernkartei") : QStringLiteral("Quiz"), q.value(7).toString(),
                    q.value(3).toString(), q.value(4).toInt() ? QStringLiteral("richtig") : QStringLiteral("falsch"),
                    q.value(5).toInt() ? QStringLiteral("ja") : QStringLiteral("nein"), q.value(6).toString()}))
            return false;
    }
    return true;
}
