#include "Bilder.h"
bool BilderErzeugen(const QString &, const QString &, const QString &) { return false; }
