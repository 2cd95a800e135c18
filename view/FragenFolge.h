// FragenPaar: one entry of the question order, and the order as a list.
#pragma once
#include <QList>

// One entry of the question order: which object's text is asked for
// (TextObjekt) at which target object (ZielObjekt). The numbering fills it
// with TextObjekt -1; the quiz rebuilds it for its run.
struct FragenPaar
{
    int TextObjekt = -1;
    int ZielObjekt = -1;
    bool operator==(const FragenPaar &) const = default;
};

using FragenListe = QList<FragenPaar>;
