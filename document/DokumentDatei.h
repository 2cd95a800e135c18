#pragma once
#include "Dokument.h"

#include <QIODevice>
#include <QString>

// The topic-document file format, as pure functions on a device: no message
// boxes, no main-window state. The operations with the user-visible
// behaviour (LadeDokument, LeseTitel, SpeichereDokument) build on these.

// The key list every written file carries.
extern const char *const DokSchluesselListe;

// Reads a whole document from the device's current position. The run-time
// fields are set as after loading; DateiName is left alone. Returns false on
// a wrong magic (falscheKennung set), a cut or damaged file, or an absurd
// length; nothing is allocated beyond what the device can still supply.
bool DokumentLesen(QIODevice &dev, Dokument &dok, bool *falscheKennung = nullptr);

// Reads magic, key list, Vers and Titel only.
bool TitelLesen(QIODevice &dev, QString &titel);

// Writes the whole document, base picture as PNG at zlib level 5.
bool DokumentSchreiben(QIODevice &dev, const Dokument &dok);
