#pragma once
#include "Meldungen.h"
#include "Oeffner.h"

#include <QString>

// Whether a target may be handed to the desktop's opener. Documents come
// from e-mail and shared folders, so only web addresses (http, https,
// mailto) and existing files that are neither executable programs nor
// desktop launchers are opened; a document must never start a program.
bool ZielErlaubt(const QString &ziel);

QString OeffnenFehlerText(const QString &ziel);

// Opens the target with the desktop's default program; a refused or failed
// open shows the error message. Returns whether it was opened.
bool OeffneExtern(IOeffner &oeffner, IMeldungen &meldungen, const QString &ziel);
