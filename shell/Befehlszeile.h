// StartAuswahl: what the first command-line argument means at start-up.
#pragma once
#include <QString>
#include <QStringList>

// What the first command-line argument means at the first activation.
struct StartAuswahl
{
    QString StartOrdner;   // ends in "/"
    QString StartDokument; // full path of a named document, else empty
};

// args are the arguments after the program name. No argument: the program
// folder. An existing folder: that folder. Anything else: its folder, and
// when it has a file-name part, the full path as the start document (even
// if it cannot be loaded; "Startseite" tries it again later).
StartAuswahl BefehlszeileAuswerten(const QStringList &args, const QString &progOrdner);
