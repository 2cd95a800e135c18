// The gaps of a cloze text.
#include "Lueckentext.h"

QStringList LueckenWoerter(const QString &lueckentext)
{
    QStringList liste;
    qsizetype pos = 0;
    while (true) {
        const qsizetype auf = lueckentext.indexOf("<<", pos);
        if (auf < 0)
            break;
        const qsizetype zu = lueckentext.indexOf(">>", auf + 2);
        if (zu < 0)
            break;
        liste << lueckentext.mid(auf + 2, zu - auf - 2).trimmed();
        pos = zu + 2;
    }
    return liste;
}

DokObjekt LueckenObjekt(const QString &cap)
{
    DokObjekt ob;
    ob.Typ = ObjektTyp::Luecke;
    ob.Cap = cap;
    ob.Ebene = 1;
    ob.KAusr = 2;
    ob.TAusr = 1;
    ob.Sx = ob.Kx = 0.5;
    ob.Sy = ob.Ky = 0.5;
    return ob;
}
