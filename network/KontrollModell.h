// The teacher's live view as a table model: one row per participation,
// filled from the participants' messages in whatever order they come.
#pragma once
#include "TnNachricht.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class KontrollModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte {
        SpKennung,
        SpRechner,
        SpName,
        SpLauf,
        SpStart,
        SpBeantwortet,
        SpRichtig,
        SpFalsch,
        SpOffen,
        SpErfolgsquote,
        SpGesamtleistung,
        SpNote,
        SpZeit,
        SpStatus,
        SpaltenZahl
    };
    enum class Zustand { Laeuft, Fertig, Abgebrochen, Zeitlimit };

    struct Zeile
    {
        QString Kennung;
        QString Rechner;
        QString Benutzer;
        QString Name;
        int Lauf = 1; // the n-th participation seen from this computer
        QString StartZeit;
        int AnzFragen = 0;
        int AnzRichtig = 0;
        int AnzFalsch = 0;
        int AnzOffen = 0;
        double Erfolgsquote = 0;   // percent
        double Gesamtleistung = 0; // percent
        int Schulnote = 0;
        QString Zeit;
        Zustand Status = Zustand::Laeuft;
        bool Endgueltig = false;  // a TN-FERTIG came
        bool Eingetragen = false; // its TN-BESTLIST went into the class list
    };

    // More participations than this are not taken (a flood of made-up
    // identifiers must not grow the table without bound).
    static constexpr int MaxZeilen = 1000;

    explicit KontrollModell(QObject *eltern = nullptr);

    // Takes one message from computer/user. Returns true for the first
    // TN-BESTLIST of a participation: that one goes into the class list,
    // a repeated one (the time limit reports twice) does not.
    bool Verarbeiten(const QString &rechner, const QString &benutzer, const TnNachricht &n);
    void Leeren();

    const QList<Zeile> &Zeilen() const { return zeilen; }
    const Zeile *ZeileVon(const QString &kennung) const;
    static QString ZustandText(Zustand z);

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;

    // The value a column sorts by (numbers as numbers).
    static constexpr int SortierRolle = Qt::UserRole;

private:
    int ZeileFuer(const QString &rechner, const QString &benutzer, const TnNachricht &n);
    void Geaendert(int zeile);

    QList<Zeile> zeilen;
    QHash<QString, int> nachKennung;
    QHash<QString, int> laeufeJeRechner;
};
