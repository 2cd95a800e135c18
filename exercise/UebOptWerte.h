// UebOptWerte: the values of the two exercise-option dialogs, as stored.
#pragma once
#include <QString>

// The values of the two exercise-option dialogs as the settings store reads
// and writes them. The dialogs (TUebOptForm, TUebOptFragenForm) are their
// live holders while the program runs; this struct carries them between the
// dialogs and the settings store.
struct UebOptWerte
{
    // TUebOptForm (picture labelling and cloze text)
    int AbfrageModus = 0;
    int ZeitLimit = 0;
    QString ZLimitMin = "3";
    QString ZLimitSek = "0";
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;

    // TUebOptFragenForm (single questions)
    int FragenZuordnungFalsch = 0;
    int FragenZuordnungstexte = 1;
    int FragenZeitlimit = 0;
    QString FragenZLimitMin = "3";
    QString FragenZLimitSek = "0";
    int FragenZuordnungsziele = 1;

    bool operator==(const UebOptWerte &) const = default;

    // The values a dialog can show: a choice out of its range falls back to the default, a limit
    // keeps its first two characters (stored settings may hold anything).
    UebOptWerte Begrenzt() const;
};
