// Opening files and web addresses externally, only those safe to open.
#pragma once
#include "Meldungen.h"
#include "Oeffner.h"

#include <QString>

// Whether a target may be handed to the desktop's opener. Documents come
// from e-mail and shared folders, so only http and https addresses, mailto
// addresses with no parameter but subject and body, folders, and regular,
// non-executable files whose content is a picture, PDF, plain text, HTML or
// an office document are opened; a document must never start a program.
bool ZielErlaubt(const QString &ziel);

QString OeffnenFehlerText(const QString &ziel);

// Opens the target with the desktop's default program without waiting for
// it; a refused open, and an opener that fails later (its exit status),
// show the error message. Returns false when the failure is known at once.
bool OeffneExtern(IOeffner &oeffner, IMeldungen &meldungen, const QString &ziel);
