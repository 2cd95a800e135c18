// The topic-document file format as pure functions on a device, with its bounds.
#pragma once
#include "Dokument.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The topic-document file format, as pure functions on a device: no message
// boxes, no main-window state. The operations with the user-visible
// behaviour (LadeDokument, LeseTitel, SpeichereDokument) build on these.
//
// The device must be random-access (a file or a buffer): every length and
// count read from it is checked against the bytes it still holds before
// anything is allocated.

// Bounds on the declared length of a string field, checked before anything
// is allocated: magic, key list, version, title, author and captions are
// short texts; remark, cloze text and question text long ones. A longer
// field makes the file unreadable, as a cut one does.
inline constexpr qint32 DokMaxKurzText = 64 * 1024;
inline constexpr qint32 DokMaxLangText = 4 * 1024 * 1024;

// The key list every written file carries.
extern const char *const DokSchluesselListe;

// The magic written; readers test only its first four characters.
extern const char *const DokKennung;

// Reads a whole document from the device's current position. The run-time
// fields are set as after loading; DateiName is left alone. Returns false on
// a wrong magic (falscheKennung set), a cut or damaged file, or an absurd
// length; nothing is allocated beyond what the device can still supply.
// Bytes after the picture's IEND chunk are ignored.
bool DokumentLesen(QIODevice &dev, Dokument &dok, bool *falscheKennung = nullptr);

// Reads only the header (texts, kind, counts), not the objects and picture:
// for what needs the question or cloze text of many files.
bool DokumentKopfLesen(QIODevice &dev, Dokument &dok);

// Reads the magic and tells whether it is one of ours ("KMF-" first);
// false also when the device is too short to hold one.
bool KennungPruefen(QIODevice &dev);

// Reads magic, key list, Vers and Titel only.
bool TitelLesen(QIODevice &dev, QString &titel);

// Reads the title from the first bytes of a file, held in memory.
// Returns Ok, Fehler (not a topic document, or cut) or MehrNoetig (the
// title reaches beyond the bytes given, which are not the whole file).
enum class KopfErgebnis { Ok, Fehler, MehrNoetig };
KopfErgebnis TitelAusKopf(const char *daten, qint64 laenge, bool ganzeDatei, QString &titel);

// Writes the whole document, base picture as PNG at zlib level 5. False if
// the picture cannot be encoded, a field is longer than its bound (nothing
// is written then) or a write fell short.
bool DokumentSchreiben(QIODevice &dev, const Dokument &dok);

// Whether an optional field is present: a case-sensitive substring search of
// its name anywhere in the key list (so "HD-NumArtX" lists "HD-NumArt").
bool SchluesselGelistet(const QByteArray &schluesselListe, const char *name);

// The comma text that stores a caption's lines. Lines are separated by "\n"
// in memory; the reader also accepts "\r\n" and "\r" as line breaks.
QString KommaTextAusZeilen(const QString &cap);
QString ZeilenAusKommaText(const QString &kommaText);

// The smallest number of bytes one object record occupies, with or without
// the FrageNummer field.
constexpr qint64 ObjektMindestGroesse(bool mitFrageNummer)
{
    return 4 * 8 + 4 + 7 * 4 + (mitFrageNummer ? 4 : 0);
}
