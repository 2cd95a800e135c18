// The teacher's live view as a table model: one row per participation,
// filled from the participants' messages in whatever order they come.
//
// Anyone on the network can send to the channel, so the model only takes
// what a real participation of this initiation can have sent: reports for
// identifiers that joined, joins at a bounded rate per sender address, list
// records that fit the exercise's time and the answers reported. A full
// table makes room by dropping the oldest participation that never
// answered. Rows are refreshed in batches (Aktualisieren), so that a flood
// of reports costs the view work for the rows that changed, not per message.
#pragma once
#include "TnNachricht.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QTimer>

#include <array>
#include <vector>

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

    // Why a message was not taken.
    enum class Grund {
        Unbekannt,     // no TN-INIT of this initiation for its identifier
        Anmeldeflut,   // more joins from one address than a class sends
        TabelleVoll,   // every row has answered already
        Listeneintrag, // a list record that this participation cannot have
        Unlesbar,      // not one of the four messages
        Anzahl
    };

    struct Absender
    {
        QString Rechner;
        QString Benutzer;
        QString Adresse; // the datagram's source address
    };

    struct Zeile
    {
        QString Kennung;
        QString Rechner;
        QString Benutzer;
        QString Adresse;
        QString Name;
        int Lauf = 1; // the n-th participation of this pupil (computer, user, name)
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
        bool Geantwortet = false; // a TN-AKTION came
        bool Endgueltig = false;  // a TN-FERTIG came
        bool Eingetragen = false; // its TN-BESTLIST went into the class list
        qint64 AngemeldetMs = 0;  // when its TN-INIT came
        qint64 LetzteAntwortMs = 0;
    };

    // More participations than this are not shown at once.
    static constexpr int MaxZeilen = 1000;
    // Joins taken from one address: a burst of a class on one terminal
    // server, then this many per second.
    static constexpr int AnmeldungenStoss = 40;
    static constexpr int AnmeldungenJeSekunde = 10;
    // Clocks of a school's computers differ a little.
    static constexpr qint64 UhrenAbweichungMs = qint64(2) * 60 * 1000;
    // No pupil answers faster than the feedback lets him.
    static constexpr qint64 MinMsJeAntwort = 250;
    // The rows are refreshed at most this often.
    static constexpr int AktualisierungMs = 150;

    explicit KontrollModell(QObject *eltern = nullptr);

    // A new initiation at the given time (ms since the epoch): no rows, no
    // counts; list records must start after it. mitZeitlimit: the clock the
    // pupils report counts down.
    void Beginnen(qint64 initiiertMs, bool mitZeitlimit);
    void Leeren();

    // Takes one message. Returns true for the first acceptable TN-BESTLIST
    // of a participation: that one goes into the class list, a repeated one
    // (the time limit reports twice) does not.
    bool Verarbeiten(const Absender &von, const TnNachricht &n, qint64 jetztMs);
    // The same, now and without an address.
    bool Verarbeiten(const QString &rechner, const QString &benutzer, const TnNachricht &n);
    // A message that could not be read.
    void Unlesbar() { Verwerfen(Grund::Unlesbar); }

    const QList<Zeile> &Zeilen() const { return zeilen; }
    const Zeile *ZeileVon(const QString &kennung) const;
    static QString ZustandText(Zustand z);

    qint64 Verworfen(Grund g) const { return verworfen[size_t(g)]; }
    qint64 VerworfenGesamt() const;
    // "Verworfen: 940 Anmeldungen (zu viele von einer Adresse), ..." or empty.
    QString VerworfenText() const;
    int Laufend() const;

    // Tells the views about every row changed since the last call; runs by
    // itself AktualisierungMs after a change.
    void Aktualisieren();

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;

    // The value a column sorts by (numbers as numbers).
    static constexpr int SortierRolle = Qt::UserRole;
    // Names longer than this are cut in the table (the tooltip has all).
    static constexpr int NamenAnzeigeLaenge = 24;

signals:
    // After Aktualisieren told the views something.
    void Aktualisiert();

private:
    int Anmelden(const Absender &von, const TnNachricht &n, qint64 jetztMs);
    bool AnmeldungErlaubt(const QString &adresse, qint64 jetztMs);
    int FreieZeile() const;
    bool ListeneintragPasst(const Zeile &z, const TnNachricht &n, qint64 jetztMs) const;
    void Geaendert(int zeile);
    void Verwerfen(Grund g);

    struct Eimer
    {
        double Marken = AnmeldungenStoss;
        qint64 ZuletztMs = 0;
    };

    QList<Zeile> zeilen;
    QHash<QString, int> nachKennung;
    QHash<QString, int> laeufeJePerson;
    QHash<QString, Eimer> anmeldungenJeAdresse;
    std::array<qint64, size_t(Grund::Anzahl)> verworfen{};
    std::vector<bool> geaendert;
    std::vector<int> geaenderteZeilen;
    bool verworfenGeaendert = false;
    qint64 initiiertMs = 0;
    bool mitZeitlimit = false;
    QTimer takt;
};
