// Checking the protocol and high-score folders typed into the folder window.
#include "BestListOrdnerPruefung.h"

#include <QFileInfo>

namespace {
QString MitEndStrich(const QString &s)
{
    return (s.isEmpty() || s.endsWith('/')) ? s : s + '/';
}

bool OrdnerDa(const QString &s)
{
    return !s.isEmpty() && QFileInfo(s).isDir();
}
} // namespace

OrdnerPruefErgebnis BestListOrdnerPruefen(const QString &protEdit, const QString &bestListEdit, IMeldungen &meldungen)
{
    OrdnerPruefErgebnis e;
    e.ProtOrdner = MitEndStrich(protEdit);
    e.BestListOrdner = bestListEdit;
    if (!OrdnerDa(e.ProtOrdner)) {
        meldungen.Fehler(QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig."));
        e.fokus = OrdnerPruefErgebnis::ProtFeld;
        return e;
    }
    e.BestListOrdner = MitEndStrich(bestListEdit);
    if (!OrdnerDa(e.BestListOrdner)) {
        meldungen.Fehler(QStringLiteral("Der angegebene Ordner für die Bestenlisten ist ungültig."));
        e.fokus = OrdnerPruefErgebnis::BestListFeld;
        return e;
    }
    e.gueltig = true;
    return e;
}
