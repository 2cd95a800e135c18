// The main window's quiz while none is connected: the start page only, the option values kept here.
#pragma once
#include "QuizBefehle.h"

class TForm1;

// A window on its own (tests, tools) behaves as the program does before a
// quiz exists: nothing starts, "Quiz abbrechen" shows the start page, no
// run is open. The settings' option values wait here and move to the quiz
// when it is connected.
class OhneQuiz : public IQuizBefehle
{
public:
    explicit OhneQuiz(TForm1 &form) : form(form) {}

    bool UebungStarten(const StartAuftrag &) override { return false; }
    bool OptionenVorJederUebung() const override { return false; }
    void UebungVerlassen() override;
    bool QuizBeendet() const override { return true; }
    bool IstNetzwerkQuiz() const override { return false; }
    bool FalscheWerdenWiederholt() const override { return true; }
    void UebungPanAnordnen() override {}
    UebOptWerte OptWerteHolen() const override { return werte; }
    void OptWerteSetzen(const UebOptWerte &w) override { werte = w; }

private:
    TForm1 &form;
    UebOptWerte werte;
};
