// What the worksheet window (or tvl arbeitsblatt) asks the page builder for.
#pragma once
#include <QString>

// The three sheet kinds, in the order of the radio group ModeRadio.
enum class BlattArt { Arbeitsblatt = 0, Loesungsblatt = 1, Auflegefolie = 2 };

struct ArbeitsblattOptionen
{
    bool Name = true, Klasse = true, Datum = true; // header fields
    QString Titel;                                 // empty: no title
    QString Aufgabe = QStringLiteral("Aufgabe: Fülle die freien Felder aus!");
    bool Textvorgabe = true; // list the answer texts
    int AbFrage = 1;         // first single question on the sheet
    BlattArt Art = BlattArt::Arbeitsblatt;
    // Single questions: the answer list holds only the answers of the
    // questions on this sheet, which are laid out first. Off, it holds every
    // answer from AbFrage on, however many sheets they need (the window and
    // tvl turn it on unless the user chooses the whole list).
    bool WortlisteBlatt = false;
    // The sheet's place in a set ("Blatt 2 von 8" in the footer); nothing
    // is shown while BlattAnzahl is below 2.
    int BlattNummer = 0, BlattAnzahl = 0;

    // The worksheet's own texts, frames and lines are drawn.
    bool MitVorlage() const { return Art != BlattArt::Auflegefolie; }
    // The solutions are drawn.
    bool MitLoesung() const { return Art != BlattArt::Arbeitsblatt; }
    // The variant of objects and cloze text: 1 worksheet, 3 solution sheet,
    // 2 overlay.
    int Variante() const { return Art == BlattArt::Arbeitsblatt ? 1 : Art == BlattArt::Loesungsblatt ? 3 : 2; }
};
