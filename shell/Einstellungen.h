// The user settings, their reading and writing, and the per-user store.
#pragma once
#include "UebOptWerte.h"

#include <QSettings>
#include <QString>

// The user settings as they pass between their live holders (menu
// checkmarks, folder values, the option dialogs) and the per-user store.
struct Einstellungen
{
    bool OptSound = true;
    bool OptUebNameEingabe = true;
    bool OptAutoProtSpeichern = false;
    bool OptErgebBestListEintragen = true;
    // Shows the commands this edition hides (menu items, the learning view).
    bool OptErweiterteFunktionen = false;
    QString NetzKomOrdner;
    QString NetzKomKanal = "TVL-1";
    QString ProtOrdner;
    QString BestListOrdner;
    // Where the view was last saved as a picture; written once there is one.
    QString ExportOrdner;
    UebOptWerte UebOpt;
    // Worksheets of single questions list only the answers of the sheet.
    bool ArbeitsblattWortlisteBlatt = true;
};

// Reads every value that exists and is valid; the others keep what the
// holders had (their defaults). A value of the wrong kind or outside the
// items of its radio group is treated as missing.
void LeseEinstellungen(QSettings &s, Einstellungen &e);

// Writes every value, in the fixed order, in the program's own spelling.
void SchreibeEinstellungen(QSettings &s, const Einstellungen &e);

// The per-user store of the program.
QSettings *NeuerBenutzerSpeicher();
