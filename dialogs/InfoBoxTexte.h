// The fixed texts of the about box and of the explanation of the status figures.
#pragma once
#include "PennoriaVersion.h"

#include <QString>
#include <QStringList>

namespace InfoBoxTexte {
inline constexpr const char *ProgrammTitel = "Brinvale Pennoria";
inline constexpr const char *Version = "Version " PENNORIA_VERSION;
inline constexpr const char *Platzhalter = "%programmtitel%";

// The maker's notice and terms of use, with the placeholder where the
// program title belongs.
QString HinweisMitPlatzhalter();
// Every placeholder, in exactly this letter case, replaced by the title.
QString TitelEinsetzen(const QString &text, const QString &titel);

// The explanation of the exercise status panel, line by line.
QStringList KennzahlenZeilen();
} // namespace InfoBoxTexte
