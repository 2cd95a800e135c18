// Emptying a document, cover numbering texts and navigation targets.
#include "DokumentModell.h"

#include "DokumentUmgebung.h"
#include "Ordner.h"
#include "Zufall.h"

#include <algorithm>

void LeereDokument(DokumentZustand &z, IDokumentUmgebung &umgebung)
{
    Dokument &d = z.Dok;
    if (!d.DateiName.isEmpty())
        Ordner().VorigesDokument = d.DateiName;
    d.DateiName.clear();
    d.Vers = "1.00";
    d.Titel.clear();
    d.Autor.clear();
    d.Bemerkung.clear();
    d.Lueckentext.clear();
    d.Fragentext.clear();
    d.AnzFrageNummern = 0;
    d.DokTyp = DokArt::Bildbeschriftung;
    d.RandErw = {};
    d.NumArt = 0;
    d.GeordnetArt = 0;
    umgebung.DokTypMenuSetzen(0);
    d.Geaendert = false;
    z.ThemenIndex = -1;
    z.AktFrage = 0;
}

void DokumentLeeren(DokumentZustand &z, IDokumentUmgebung &umgebung)
{
    LeereDokument(z, umgebung);
    z.Dok.Objekte.clear();
    z.Dok.BasisBild = QImage();
}

int DokTypMenuEintrag(DokArt dokTyp)
{
    return dokTyp == DokArt::Lueckentext || dokTyp == DokArt::Einzelfragen ? int(dokTyp) : 0;
}

QString NummerText(int nummer, int numArt)
{
    if (nummer <= 0)
        return "?";
    if (numArt != 1)
        return QString::number(nummer);
    const int n = nummer - 1;
    return QString(QChar(65 + n % 26)) + QString(n / 26, '\'');
}

QString NummerText(const Dokument &dok, const DokObjekt &objekt)
{
    return NummerText(objekt.Nummer, dok.NumArt);
}

int NavigationsZiel(int typ, int aktFrage, int anzFrageNummern, IZufall &zufall)
{
    const int anz = anzFrageNummern;
    if (anz <= 0)
        return aktFrage;
    switch (typ) {
    case ObjektTyp::VorigeFrage:
        return std::clamp(aktFrage - 1, 1, anz);
    case ObjektTyp::NaechsteFrage:
        return std::clamp(aktFrage + 1, 1, anz);
    case ObjektTyp::ErsteFrage:
        return 1;
    case ObjektTyp::LetzteFrage:
        return anz;
    case ObjektTyp::ZufallsFrage: {
        if (anz == 1)
            return 1;
        if (aktFrage < 1 || aktFrage > anz)
            return zufall.Zahl(anz) + 1;
        // Uniform among the others: the same distribution as drawing again
        // while the current one comes up, but always in one draw.
        const int r = zufall.Zahl(anz - 1) + 1;
        return r >= aktFrage ? r + 1 : r;
    }
    default:
        return aktFrage;
    }
}
