// The user-visible document operations: load, read the title, save.
#pragma once
#include "Dokument.h"

#include <QString>

class IDokumentUmgebung;
class IMeldungen;

// The user-visible document operations: they tell the user about failures
// and keep the document and the main window in a consistent state.

// Reads the file into the current document. Missing file: the file-missing
// message, document unchanged. Any other failure: the read-error message
// (after "Ungültiges Dateiformat." for a wrong magic) and the document
// closed. With switchFolder, AktOrdner becomes the file's folder.
bool LadeDokument(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen, const QString &pfad,
                  bool switchFolder);

// Reads only the title; silent on any failure.
bool LeseTitel(const QString &pfad, QString &titel);

// Writes the current document through a temporary file in the same folder
// that replaces the target only when everything was written, so a failure
// never destroys the old file. With adopt, the path becomes the document's
// file name and the modified flag is cleared. On failure: the write-error
// message, document and modified flag unchanged.
bool SpeichereDokument(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen, const QString &pfad,
                       bool adopt);
