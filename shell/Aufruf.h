// Aufruf: the program's command line: --help, --version, or the folder or document to start with.
#pragma once
#include <QString>
#include <QStringList>

// What the command line asks for.
struct Aufruf
{
    enum Art { Starten, Hilfe, Version, Fehler } art = Starten;
    QStringList argumente; // the folder or document arguments, for Starten
    QString ausgabe;       // the text to print for Hilfe, Version and Fehler
};

// argv with the program's name first. "--" ends the options, so a document
// whose name starts with "-" can still be named.
Aufruf AufrufLesen(const QStringList &argv);
