// Lernstand: the per-user SQLite store of answers, runs and card boxes.
#pragma once
#include "Leitner.h"
#include "UebBeobachter.h"

#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <functional>

// The head of a run as stored.
struct LaufKopf
{
    QString Schueler;
    QString DokSchluessel;
    QString DokTitel;
    QDateTime Beginn;
    bool Einzelfragen = false; // the answers move cards
    bool Lernkartei = false;   // a round of the card box, not a quiz
};

// One answer as stored.
struct AntwortZeile
{
    QString Frage;
    QString Bild; // the question's image name, if any
    bool Richtig = false;
    bool ErsterVersuch = true;
    qint64 ZeitMs = 0;
    QDateTime Zeitpunkt;
};

// One SQLite database per user. It is an addition: when it cannot be
// opened or written the program goes on without it, after one message
// (Melden). Every finished answer and every end of a run is one
// transaction. A quiz run's answers count only once its end is written, so
// a run is complete or absent also when the program is killed; the rows of
// runs whose program is gone are removed at the next opening.
class Lernstand
{
public:
    enum class Stand { Geschlossen, Bereit, NurLesen, Aus };
    static constexpr int SchemaVersion = 2;

    // $XDG_DATA_HOME/pennoria/lernstand.sqlite
    static QString StandardPfad();

    explicit Lernstand(QString pfad);
    ~Lernstand();
    Lernstand(const Lernstand &) = delete;
    Lernstand &operator=(const Lernstand &) = delete;

    // Receives the one message about a damaged, locked, read-only or newer
    // database (German, for the status line). Called at most once.
    std::function<void(const QString &)> Melden;

    // Creates the folder and file when missing and brings the schema up to
    // date. A newer schema or a file without write permission opens read
    // only; a damaged or locked file leaves the store Aus.
    Stand Oeffnen();
    Stand Zustand() const { return stand; }
    bool Lesbar() const { return stand == Stand::Bereit || stand == Stand::NurLesen; }
    bool Schreibbar() const { return stand == Stand::Bereit; }
    QString Pfad() const { return pfad; }
    QSqlDatabase Db() const;
    int GelesenVersion() const { return gelesenVersion; } // the version found when opening

    // Runs. LaufBeginnen returns the run's id or -1.
    qint64 LaufBeginnen(const LaufKopf &kopf);
    bool AntwortSpeichern(qint64 lauf, const AntwortZeile &a);
    // Writes the end and, in the same transaction, moves the cards of the
    // run's first attempts (single questions only). heute: the card day.
    bool LaufAbschliessen(qint64 lauf, const LaufEndeDaten &ende, QDate heute);

    // Card box: one pupil's cards of one document.
    QHash<QString, Karte> Karten(const QString &schueler, const QString &dok);
    int NeueKartenAm(const QString &schueler, const QString &dok, QDate tag);
    // One answer in the card box: the answer row and the card, together.
    bool KartenAntwort(qint64 runde, const QString &schueler, const QString &dok, const AntwortZeile &a,
                       const Karte &karte);

    // Small settings of the card box (whole numbers).
    int Einstellung(const QString &name, int vorgabe);
    bool EinstellungSetzen(const QString &name, int wert);

private:
    bool Migrieren(int von);
    void AufgegebeneLaeufeEntfernen();
    bool KarteSchreiben(const QString &schueler, const QString &dok, const QString &frage, const Karte &k);
    bool Fehler(const QString &wobei, const class QSqlError &e); // reports once, switches off
    void Mitteilen(const QString &text);
    bool Ausfuehren(const QString &sql);

    QString pfad;
    QString verbindung;
    Stand stand = Stand::Geschlossen;
    int gelesenVersion = 0;
    bool gemeldet = false;
};
