// The files of a network exercise in the communication folder: names, the
// exercise data file and the release check.
#pragma once
#include "UebLauf.h"

#include <QByteArray>
#include <QString>

// Folder, channel, "-" and "tvlnetzuebung", joined without separators.
QString NetzBasisName(const QString &komOrdner, const QString &kanal);

namespace NetzDatei {
inline constexpr char Kennung[] = "tvlnetzuebung.dat";
inline constexpr char FeldListe[] =
    "NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
    "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|";
// A data file is a few hundred bytes; anything beyond this is not one.
inline constexpr qint64 MaxGroesse = qint64(64) * 1024;
} // namespace NetzDatei

// The data file's bytes: identification, field list, the initiator's
// computer name, the eight option values (32-bit little-endian).
QByteArray NetzDatBytes(const QString &master, const UebOptionen &opt);

// Reads the bytes back; identification and field list are not tested. False
// for a cut file, a string longer than the file, or an option value outside
// what the options dialogs can hold.
bool NetzDatAusBytes(const QByteArray &daten, QString &master, UebOptionen &opt);

// Writes the data file under an exclusive lock, replacing what was there.
bool NetzDatSchreiben(const QString &pfad, const QString &master, const UebOptionen &opt);

// Reads it under a shared lock (writers wait).
bool NetzDatLesen(const QString &pfad, QString &master, UebOptionen &opt);

// A channel name the communication dialog accepts: 1 to 8 characters
// (it is the mailbox name too), and nothing that would lead a file name
// out of the folder or that a file share refuses.
bool KanalNameGueltig(const QString &kanal);

// True when base + ".okx", ".dat" and ".tvl" all exist (tested in this order).
bool NetzUebungVorhanden(const QString &basis);

// Creates the release marker (empty) and reports success.
bool FreigabeAnlegen(const QString &basis);

// Deletes base + ".tvl", ".dat" and ".okx"; missing files are no error.
void NetzUebungsDateienLoeschen(const QString &basis);

// What tells one written file from a later one written over it (by another
// program, perhaps on another computer): inode, size and modification time.
struct DateiMarke
{
    quint64 Inode = 0;
    qint64 Groesse = -1;
    qint64 GeaendertNs = 0;
    bool Vorhanden() const { return Groesse >= 0; }
    bool operator==(const DateiMarke &) const = default;
};
DateiMarke DateiMarkeVon(const QString &pfad);
