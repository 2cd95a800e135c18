// The card box's schedule: boxes, intervals and the order of a round.
#pragma once
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

// One card: a question of one pupil in one document. Box 0 is a card never
// learned; boxes 1 to LeitnerBoxen hold learned cards.
struct Karte
{
    int Box = 0;
    QDate Faellig; // due on this day (and after)
    QDate NeuAm;   // the day the card box first showed it
};

inline constexpr int LeitnerBoxen = 5;

// Days until a card in box (1..LeitnerBoxen) is due again: 1, 2, 4, 8, 16.
int BoxIntervall(int box);

bool IstFaellig(const Karte &k, QDate heute);

// Where an answer comes from: the card box, or the first attempt at a
// question in an ordinary quiz.
enum class KartenQuelle { Lernkartei, Quiz };

// Moves a card after an answer; returns whether it changed. A miss sends it
// back to box 1, due today. A known card moves up one box (the last box
// keeps it) and is due after that box's interval. A quiz moves a known card
// only when it was due: answering it again the same week in a quiz does not
// skip the box's interval, and a quiz does not start new cards.
bool KarteBewerten(Karte &k, bool gewusst, QDate heute, KartenQuelle quelle);

// The cards of a round, as question keys: the due cards first (longest due
// first, then the lower box, then document order), then new cards in
// document order, as many as the day still allows (neueProTag less those
// begun today). hoechstens > 0 limits the round.
QStringList RundeZusammenstellen(const QStringList &fragen, const QHash<QString, Karte> &karten, QDate heute,
                                 int neueProTag, int neueHeute, int hoechstens);
