// BestListen: the program-wide high-score list and the operations on its files.
#pragma once
#include "BestListEintrag.h"
#include "Dienste.h"
#include "NetzRolle.h"

#include <QDateTime>

struct Dokument;

// What shows a loaded list: the list window, or a recorder in tests.
class IBestListAnzeige
{
public:
    virtual ~IBestListAnzeige() = default;
    virtual void BestListAnzeigen(const QString &titel, const TBestList &liste) = 0;
};

// The program-wide high-score list and the operations around its files:
// entering a result with retries, loading for display, the commands.
class BestListen
{
public:
    explicit BestListen(Dienste &dienste);

    TBestList BestList;
    // The holding record of a network result. Filled by a receiver of
    // "TN-BESTLIST" messages; nothing in this program fills it yet.
    BestListDatensatz NetzDatensatz;

    static constexpr int Versuche = 5;
    static constexpr int WarteMs = 100;

    // The list of a document: the high-score folder and the document's
    // file name with ".hsc" as its extension.
    static QString IndividualPfad(const QString &dokDatei);
    // The shared list of the network exercise in the communication folder.
    static QString NetzPfad();

    // The record of an individual run: a name of blanks only becomes
    // "(kein Name)", the computer is this one.
    static BestListDatensatz LaufDatensatz(const QString &teilnehmername, const QDateTime &startZeit, qint32 laufzeit,
                                           double gesamtleistung);

    // Appends the run's record (or, with netz, the holding record) with up to
    // five attempts 100 ms apart; reports a final failure.
    bool ErgebnisEintragen(bool netz, const QString &dokDatei, const BestListDatensatz &lauf);

    // Reads the list for display, with the same retries and messages.
    bool BestListLaden(bool netz, const QString &dokDatei);

    // Loads, sorts and shows. Without a loaded document (individual list) it
    // only asks the user to pick a quiz first.
    void BestListZeigen(bool netz, const Dokument *dok, IBestListAnzeige &anzeige);

    // The menu command "&Bestenliste...": refused while taking part in a
    // network exercise.
    void BestenlisteBefehl(Rolle netzRolle, const Dokument *dok, IBestListAnzeige &anzeige);

private:
    Dienste &dienste;
};
