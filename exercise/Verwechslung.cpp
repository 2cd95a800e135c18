// The look-alike pairs (right answer, offered answer).
#include "Verwechslung.h"

#include <utility>

bool Verwechselbar(const QString &richtig, const QString &kandidat)
{
    static const std::pair<const char *, const char *> paare[] = {
        {"Luxemburg", "Niederlande"},
        {"Franz. Guayana", "Frankreich"},
        {"Monaco", "Indonesien"},
        {"Niederlande", "Luxemburg"},
    };
    for (const auto &[a, b] : paare)
        if (richtig == QLatin1String(a) && kandidat == QLatin1String(b))
            return true;
    return false;
}
