// The fixed texts of the about box and of the explanation of the status figures.
#include "InfoBoxTexte.h"

namespace InfoBoxTexte {

QString HinweisMitPlatzhalter()
{
    return QStringLiteral("%programmtitel% ist ein Flaggen- und Länderquiz für Schule und Zuhause.\r\n"
                          "\r\n"
                          "Hersteller: Brinvale Lernsoftware\r\n"
                          "Internet: https://pennoria.example.org/\r\n"
                          "\r\n"
                          "Nutzungsbedingungen\r\n"
                          "\r\n"
                          "1. %programmtitel% darf in Schulen, anderen Bildungseinrichtungen und zu Hause "
                          "ohne Gebühr benutzt und auf beliebig viele Rechner kopiert werden.\r\n"
                          "2. Die mitgelieferten Themendokumente, Flaggenbilder und Klänge dürfen für den "
                          "Unterricht verwendet, ausgedruckt und an Schülerinnen und Schüler weitergegeben werden.\r\n"
                          "3. %programmtitel% darf nur unverändert und vollständig weitergegeben werden; ein "
                          "Verkauf ist nicht gestattet.\r\n"
                          "4. %programmtitel% wurde mit großer Sorgfalt erstellt. Für Schäden, die aus der "
                          "Benutzung entstehen, wird keine Haftung übernommen, soweit das Gesetz dies zulässt.\r\n"
                          "\r\n"
                          "Hinweise, Fehlermeldungen und Vorschläge für neue Themen nehmen wir gern entgegen.");
}

QString TitelEinsetzen(const QString &text, const QString &titel)
{
    QString t = text;
    return t.replace(QLatin1String(Platzhalter), titel, Qt::CaseSensitive);
}

QStringList KennzahlenZeilen()
{
    return {
        QStringLiteral("\"Status\":"),
        QStringLiteral("Zeigt den aktuellen Status an. "),
        QStringLiteral("Mögliche Anzeigen sind: \"warte auf Antwort\", \"Richtig\", \"Falsch\""),
        QString(),
        QStringLiteral("\"Richtige Antworten\":"),
        QStringLiteral("Gibt die bisherige Anzahl der richtig beantworteten Fragen an."),
        QString(),
        QStringLiteral("\"Fehlversuche\":"),
        QStringLiteral("Gibt die bisherige Anzahl der falschen Antworten an. Fragen, die falsch beantwortet "),
        QStringLiteral("wurden, werden im weiteren Verlauf des Quiz wiederholt."),
        QString(),
        QStringLiteral("\"Aktuelle Erfolgsquote\":"),
        QStringLiteral("Die aktuelle Erfolgsquote ist:   Q = richtig / (richtig + falsch)"),
        QStringLiteral("Der Wert sagt aus, welcher Anteil der bisher getätigten Antworten richtig war."),
        QString(),
        QStringLiteral("\"Offene Fragen\":"),
        QStringLiteral("Gibt die aktuelle Anzahl der Fragen an, die noch gestellt werden."),
        QString(),
        QStringLiteral("\"Gesamtleistung\":"),
        QStringLiteral("Die bisherige Gesamtleistung ist:   L = richtig / (richtig + falsch + offen)"),
        QStringLiteral("Diese Kennzahl ist die Grundlage der Leistungsbewertung (Benotung) am Ende des "),
        QStringLiteral("Quiz."),
        QString(),
        QStringLiteral("\"Benötigte Zeit\":"),
        QStringLiteral("Zeigt die bisher benötigte Zeit im Format \"Minuten:Sekunden\" an."),
    };
}

} // namespace InfoBoxTexte
