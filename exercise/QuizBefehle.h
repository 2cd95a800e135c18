// What the main window asks of the quiz: starting and leaving a run, its state, the live option values.
#pragma once
#include "StartAuftrag.h"
#include "UebOptWerte.h"

// The quiz side implements it (UebungsSteuerung); the window reaches the
// quiz only through it, so a missing operation does not compile.
class IQuizBefehle
{
public:
    virtual ~IQuizBefehle() = default;

    // "Quiz &starten", the toolbar button and choosing a topic.
    virtual bool UebungStarten(const StartAuftrag &auftrag) = 0;
    // State of the box " Dieses Dialogfenster vor jeder Übung anzeigen ".
    virtual bool OptionenVorJederUebung() const = 0;
    // "Quiz &abbrechen" and LernKartBtn.
    virtual void UebungVerlassen() = 0;
    // Whether the running quiz has already ended (asked in mode 3 only).
    virtual bool QuizBeendet() const = 0;
    // Whether the running quiz is a network-exercise quiz.
    virtual bool IstNetzwerkQuiz() const = 0;
    // Whether a wrongly answered question of the running quiz comes back
    // (not when the options give it up at the first wrong answer).
    virtual bool FalscheWerdenWiederholt() const = 0;
    // Mode 3 resizing: the quiz panel lays out its content after it was placed.
    virtual void UebungPanAnordnen() = 0;
    // The option dialogs hold the option values; the settings go through here.
    virtual UebOptWerte OptWerteHolen() const = 0;
    virtual void OptWerteSetzen(const UebOptWerte &w) = 0;
};
