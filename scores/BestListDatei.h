// The high-score file format, and appending to and reading a list file.
#pragma once
#include "BestListEintrag.h"

#include <QByteArray>
#include <QString>

// The high-score file (".hsc"): the magic, the field list, then records to
// the end of the file. Integers little-endian, strings as a 32-bit byte count
// followed by Windows-1252 text, reals as 8-byte doubles.
namespace Hsc {
inline constexpr char Magic[] = "TVL-HSC-1.00";
inline constexpr char FeldListe[] = "|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|";
// Files larger than this, or with more records, are refused rather than
// read into memory (a damaged field list can make records 4 bytes short).
inline constexpr qint64 MaxDateiGroesse = qint64(64) * 1024 * 1024;
inline constexpr qsizetype MaxEintraege = 500000;
// How long one attempt polls a lock that another program holds.
inline constexpr int SperrGeduldMs = 20;

// The bytes of one record with all five fields.
QByteArray DatensatzBytes(const BestListDatensatz &d);
// The bytes of the file head: magic and field list.
QByteArray KopfBytes();
} // namespace Hsc

// Appends one record at the end of the file under an exclusive lock,
// creating the file when missing; magic and field list are written only when
// the locked file is empty. Never reads the records back and never
// truncates what others wrote. Returns false when the file cannot be opened,
// locked or written; a partly written record is taken back. A link, a
// special file and a non-empty file without the magic are left untouched
// and give false.
bool BestListSchreiben(const QString &pfad, const BestListDatensatz &d);

// Empties the list and fills it from the file under a shared lock. False
// when the file is missing, cannot be opened or locked, or does not start
// with the magic (the list then stays empty). A truncated last record is
// kept as far as it was read.
bool BestListLesen(const QString &pfad, TBestList &liste);

// Parses the bytes of a whole file; used by BestListLesen.
bool BestListAusBytes(const QByteArray &daten, TBestList &liste);
