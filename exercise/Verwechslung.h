// The look-alike answers that are never offered beside each other.
#pragma once
#include <QString>

// True when kandidat must not be offered as a wrong answer beside the right
// answer richtig: the pair would confuse. The pairs hold in this direction
// only. Used wherever answers to choose from are drawn.
bool Verwechselbar(const QString &richtig, const QString &kandidat);
