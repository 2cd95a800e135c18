// The computer's part in a classroom exercise (NetzRolle), with the numbers the run state has always used.
#pragma once

enum class Rolle : int {
    Einzeln = 0,    // an own run, no network exercise
    Teilnehmer = 1, // takes part in a network exercise
    Initiator = 2,  // this computer initiated the network exercise
};
