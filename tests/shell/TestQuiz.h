// A quiz as the main window sees it in tests: counts starts, ends or runs as told.
#pragma once
#include "OhneQuiz.h"

struct TestQuiz : OhneQuiz
{
    using OhneQuiz::OhneQuiz;
    int starts = 0;
    bool beendet = true;
    bool netz = false;
    bool wiederholt = true;
    bool UebungStarten(const StartAuftrag &) override
    {
        ++starts;
        return true;
    }
    bool QuizBeendet() const override { return beendet; }
    bool IstNetzwerkQuiz() const override { return netz; }
    bool FalscheWerdenWiederholt() const override { return wiederholt; }
};
