// Dienste: the side-effect services handed to a logic class, bundled.
#pragma once
#include "Klang.h"
#include "Meldungen.h"
#include "Oeffner.h"
#include "Uhr.h"
#include "Zufall.h"

// The side effects a logic class may cause, bundled; the main window fills
// it with the real services, tests with recording ones.
struct Dienste
{
    IMeldungen *meldungen = nullptr;
    IUhr *uhr = nullptr;
    IZufall *zufall = nullptr;
    IKlang *klang = nullptr;
    IOeffner *oeffner = nullptr;
};
