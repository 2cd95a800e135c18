// Sample single-question and picture documents for the exercise tests.
#include "UebTestUmgebung.h"

#include "Einzelfragen.h"

Dokument EinzelfragenDok(const QStringList &zeilen, const QString &titel)
{
    Dokument d;
    d.Titel = titel;
    d.DateiName = "/tmp/fragen.tvl";
    d.Fragentext = zeilen.join("\r\n");
    EinzelfragenAufbauen(d);
    return d;
}

Dokument BildDok(const QStringList &texte, int typ, const QString &titel)
{
    Dokument d;
    d.Titel = titel;
    d.DateiName = "/tmp/bild.tvl";
    d.DokTyp = DokArt(typ);
    d.AnzFrageNummern = 0;
    // A fixed caption first, so object indexes differ from question numbers.
    DokObjekt kopf;
    kopf.Typ = ObjektTyp::TextOhneAbdeckung;
    kopf.Cap = "Überschrift";
    kopf.Kx = 0.5;
    kopf.Ky = 0.02;
    d.Objekte << kopf;
    for (int i = 0; i < texte.size(); ++i) {
        DokObjekt o;
        o.Typ = typ == 1 ? ObjektTyp::Luecke : ObjektTyp::Beschriftung;
        o.Cap = texte[i];
        o.Kx = 0.1;
        o.Ky = 0.1 + 0.1 * i;
        o.Sx = o.Kx;
        o.Sy = o.Ky;
        d.Objekte << o;
    }
    return d;
}
