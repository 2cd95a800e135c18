// Lernverlauf: what the store tells about one pupil's progress.
#pragma once
#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

class Lernstand;

// One finished quiz run of a topic.
struct LeistungsPunkt
{
    QDateTime Beginn;
    double Leistung = 0; // fraction
};

// A question with its misses.
struct Fehlerfrage
{
    QString Frage;
    QString Bild;
    QString DokTitel;
    QString DokSchluessel;
    int Fehler = 0;
    int Antworten = 0;
};

// Read-only views of the store for the progress window. Every query counts
// complete runs only.
class Lernverlauf
{
public:
    explicit Lernverlauf(Lernstand &stand) : stand(stand) {}

    // The pupils in the store, sorted.
    QStringList Schueler();
    // Per topic title: the finished quiz runs (completed or time limit) in time order.
    QMap<QString, QList<LeistungsPunkt>> Verlauf(const QString &schueler);
    // Cards per box 1..5 over all documents (index 0 unused).
    std::array<int, 6> KartenJeBox(const QString &schueler);
    // The questions missed most (wrong answers), most first; dokSchluessel
    // limits them to one document when not empty.
    QList<Fehlerfrage> MeistVerfehlt(const QString &schueler, int anzahl, const QString &dokSchluessel = {});
    // One row per answer: UTF-8, semicolons, German headers. False when the
    // store cannot be read or the device not written.
    bool CsvSchreiben(const QString &schueler, QIODevice &ziel);

private:
    Lernstand &stand;
};

// A CSV field: quoted when it holds a separator, quote or line break;
// a leading =, +, - or @ is kept from being taken as a formula.
QString CsvFeld(const QString &text);
