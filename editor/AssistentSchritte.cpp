// The assistant's steps.
#include "AssistentSchritte.h"

#include "Nummerierung.h"

AssistentSchritt AktuellerSchritt(const Dokument &dok, bool dokumentDa)
{
    if (!dokumentDa)
        return AssistentSchritt::Anlegen;
    if (AbdeckbareAnzahl(dok) == 0)
        return AssistentSchritt::Inhalte;
    if (dok.Geaendert || dok.DateiName.isEmpty())
        return AssistentSchritt::Speichern;
    return AssistentSchritt::Ausprobieren;
}

QString SchrittTitel(AssistentSchritt s)
{
    switch (s) {
    case AssistentSchritt::Anlegen:
        return QStringLiteral("1. Art und Bild wählen");
    case AssistentSchritt::Inhalte:
        return QStringLiteral("2. Inhalte eingeben");
    case AssistentSchritt::Speichern:
        return QStringLiteral("3. Speichern");
    case AssistentSchritt::Ausprobieren:
        return QStringLiteral("4. Als Quiz ausprobieren");
    }
    return {};
}

QString SchrittHinweis(AssistentSchritt s, DokArt art)
{
    switch (s) {
    case AssistentSchritt::Anlegen:
        return QStringLiteral("Legen Sie ein neues Dokument an: Bildbeschriftung, Lückentext oder Einzelfragen, "
                              "dazu ein Foto oder Bild (PNG oder JPEG) und den Titel.");
    case AssistentSchritt::Inhalte:
        switch (art) {
        case DokArt::Lueckentext:
            return QStringLiteral("Schreiben Sie den Text, markieren Sie ein Wort und machen Sie es mit Strg+L zur "
                                  "Lücke.");
        case DokArt::Einzelfragen:
            return QStringLiteral("Fügen Sie Fragen mit ihren Antworten hinzu; \"Flagge einfügen...\" setzt eine "
                                  "Flagge in die Frage.");
        default:
            return QStringLiteral("Klicken Sie im Bild auf den Punkt, ziehen Sie zur Stelle des Textes und geben Sie "
                                  "die Beschriftung ein.");
        }
    case AssistentSchritt::Speichern:
        return QStringLiteral("Speichern Sie das Dokument (Strg+S) im Ordner Ihrer Themen; es erscheint dann in der "
                              "Quizauswahl.");
    case AssistentSchritt::Ausprobieren:
        return QStringLiteral("Starten Sie das Quiz (F7) und spielen Sie es einmal durch, wie Ihre Schüler es sehen.");
    }
    return {};
}
