// The schema steps of the store.
#include "LernstandSchema.h"

QStringList SchemaSchritt(int v)
{
    switch (v) {
    case 1:
        // First release: runs and their answers.
        return {
            QStringLiteral("CREATE TABLE lauf(id INTEGER PRIMARY KEY, schueler TEXT NOT NULL, "
                           "dok_schluessel TEXT NOT NULL, dok_titel TEXT NOT NULL, beginn TEXT NOT NULL, "
                           "dauer_ms INTEGER NOT NULL DEFAULT 0, leistung REAL NOT NULL DEFAULT 0, "
                           "note INTEGER NOT NULL DEFAULT 0, endestatus INTEGER NOT NULL DEFAULT 0, "
                           "fertig INTEGER NOT NULL DEFAULT 0, rechner TEXT NOT NULL DEFAULT '', "
                           "prozess INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE TABLE antwort(id INTEGER PRIMARY KEY, lauf INTEGER NOT NULL REFERENCES lauf(id), "
                           "frage TEXT NOT NULL, richtig INTEGER NOT NULL, erster_versuch INTEGER NOT NULL, "
                           "zeit_ms INTEGER NOT NULL, zeitpunkt TEXT NOT NULL)"),
        };
    case 2:
        // Card boxes, the question's image, the kind of a run, settings.
        return {
            QStringLiteral("ALTER TABLE lauf ADD COLUMN einzelfragen INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("ALTER TABLE lauf ADD COLUMN lernkartei INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("ALTER TABLE antwort ADD COLUMN bild TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("CREATE INDEX antwort_lauf ON antwort(lauf)"),
            QStringLiteral("CREATE INDEX lauf_schueler ON lauf(schueler, fertig)"),
            QStringLiteral("CREATE TABLE karte(schueler TEXT NOT NULL, dok_schluessel TEXT NOT NULL, "
                           "frage TEXT NOT NULL, box INTEGER NOT NULL, faellig TEXT, neu_am TEXT, "
                           "PRIMARY KEY(schueler, dok_schluessel, frage))"),
            QStringLiteral("CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert INTEGER NOT NULL)"),
        };
    default:
        return {};
    }
}
