// The run's options taken from the options dialog of the document type.
#pragma once
#include "Dokument.h"
#include "UebLauf.h"
#include "UebOptWerte.h"

// Copies the values of the options dialog that fits the document type into
// the engine's option values.
UebOptionen OptionenUebernehmen(const UebOptWerte &werte, DokArt dokTyp);
