// The collation that orders texts shown to the user.
#include "Sortierung.h"

QLocale SortierSprache(const QLocale &system)
{
    if (system.language() == QLocale::C || system.language() == QLocale::AnyLanguage)
        return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

QCollator TextSortierung()
{
    QCollator c(SortierSprache());
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}
