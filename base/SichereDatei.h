// Opening files that others can replace: special files and links refused.
#pragma once
#include <QByteArray>
#include <QString>

// Shared class folders are writable by every pupil, so a name that should
// hold a document, list or sound may be a FIFO, a device or a link. A FIFO
// opened the ordinary way waits for a writer for good; these helpers open
// without blocking and go on only with a regular file.

// Opens with the given open(2) flags plus O_NONBLOCK and O_CLOEXEC, and
// returns the descriptor only when it refers to a regular file (blocking
// mode restored); -1 otherwise, with nothing left open.
int RegulaerOeffnen(const QString &pfad, int flags, int modus = 0666);

// Reads a whole regular file of at most maxBytes bytes; false for anything
// else (missing, special file, larger, read error).
bool RegulaereDateiLesen(const QString &pfad, qint64 maxBytes, QByteArray &daten);

// Whether a save may put a new file at pfad: nothing there yet (not even a
// dangling link), or an existing regular file. A FIFO, device, socket or
// folder, and a link to one of them, is never replaced.
bool SpeicherzielErlaubt(const QString &pfad);

// Whether anything at all carries the name: a file, folder, special file or
// link (a dangling one too). For names the program picks itself.
bool NameVergeben(const QString &pfad);
