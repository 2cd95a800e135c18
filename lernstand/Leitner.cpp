// Leitner boxes: intervals, moving a card, composing a round.
#include "Leitner.h"

#include <algorithm>
#include <vector>

int BoxIntervall(int box)
{
    box = std::clamp(box, 1, LeitnerBoxen);
    return 1 << (box - 1);
}

bool IstFaellig(const Karte &k, QDate heute)
{
    return k.Box > 0 && (!k.Faellig.isValid() || k.Faellig <= heute);
}

bool KarteBewerten(Karte &k, bool gewusst, QDate heute, KartenQuelle quelle)
{
    if (!gewusst) {
        const bool anders = k.Box != 1 || k.Faellig != heute;
        k.Box = 1;
        k.Faellig = heute;
        return anders;
    }
    if (quelle == KartenQuelle::Quiz && !IstFaellig(k, heute))
        return false;
    k.Box = std::min(k.Box + 1, LeitnerBoxen);
    k.Faellig = heute.addDays(BoxIntervall(k.Box));
    return true;
}

QStringList RundeZusammenstellen(const QStringList &fragen, const QHash<QString, Karte> &karten, QDate heute,
                                 int neueProTag, int neueHeute, int hoechstens)
{
    struct Eintrag
    {
        int stelle;
        Karte karte;
    };
    std::vector<Eintrag> faellig;
    QStringList neu;
    int neuFrei = std::max(0, neueProTag - std::max(0, neueHeute));
    for (int i = 0; i < fragen.size(); ++i) {
        const auto it = karten.constFind(fragen[i]);
        const Karte k = it == karten.cend() ? Karte{} : *it;
        if (k.Box > 0) {
            if (IstFaellig(k, heute))
                faellig.push_back({i, k});
        } else if (neuFrei > 0 && !neu.contains(fragen[i])) {
            neu << fragen[i];
            --neuFrei;
        }
    }
    std::stable_sort(faellig.begin(), faellig.end(), [](const Eintrag &a, const Eintrag &b) {
        if (a.karte.Faellig != b.karte.Faellig)
            return a.karte.Faellig < b.karte.Faellig;
        return a.karte.Box < b.karte.Box;
    });
    QStringList runde;
    for (const Eintrag &e : faellig)
        if (!runde.contains(fragen[e.stelle]))
            runde << fragen[e.stelle];
    runde << neu;
    if (hoechstens > 0 && runde.size() > hoechstens)
        runde = runde.mid(0, hoechstens);
    return runde;
}
