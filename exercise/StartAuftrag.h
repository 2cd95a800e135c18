// What a quiz start is asked for: the options window first, which questions, whose run.
#pragma once
#include "NetzRolle.h"

#include <vector>

// Which questions a run asks (Umfang); the numbers are the item indexes of
// the results window's repeat choice.
enum class UmfangArt : int {
    Komplett = 0,         // every question
    Teilwiederholung = 1, // only those that went wrong last time
    Zufallsauswahl = 2,   // a random selection
};

// The default is an own run of every question without the options window.
struct StartAuftrag
{
    bool optionenZeigen = false; // an own run shows the options window first
    UmfangArt umfang = UmfangArt::Komplett;
    Rolle rolle = Rolle::Einzeln;
    // Object indexes of the questions to ask instead of a random selection
    // (a run over chosen questions counts like a random selection).
    std::vector<int> fragenVorgabe = {};
};
