// Hit testing and clicks in the learning view.
#include "Szene.h"

#include "DokumentModell.h"
#include "OeffneExtern.h"

#include <memory>

namespace {
QString LinkFehlerText(const QString &ziel)
{
    return QStringLiteral("Die Datei oder Internet-Adresse \"") + ziel
           + QStringLiteral("\" kann nicht geöffnet werden.");
}

bool Anklickbar(int typ)
{
    return typ == ObjektTyp::Beschriftung || typ == ObjektTyp::Infopunkt || typ == ObjektTyp::Luecke
           || typ == ObjektTyp::Link || typ == ObjektTyp::DokumentLink || typ == ObjektTyp::Antwort
           || (typ >= ObjektTyp::VorigeFrage && typ <= ObjektTyp::ZufallsFrage);
}
} // namespace

int Szene::ObjektAn(int x, int y) const
{
    // Over the gallery the card's boxes (from an earlier quiz) are not seen.
    if (GalerieAktiv())
        return -1;
    const QPointF f = SteuerNachBruch(QPoint(x, y));
    const auto &obj = Zustand.Dok.Objekte;
    for (int i = 0; i < obj.size(); ++i) {
        const DokObjekt &o = obj[i];
        if (!Anklickbar(o.Typ) || !EbeneSichtbar(i))
            continue;
        if (o.Typ == ObjektTyp::Antwort && o.FrageNummer != Zustand.AktFrage)
            continue;
        if (o.Rahmen.Left <= f.x() && f.x() < o.Rahmen.Right && o.Rahmen.Top <= f.y() && f.y() < o.Rahmen.Bottom)
            return i;
    }
    return -1;
}

void Szene::Navigieren(int typ)
{
    const int n = Zustand.Dok.AnzFrageNummern;
    if (n <= 0 || typ < ObjektTyp::VorigeFrage || typ > ObjektTyp::ZufallsFrage)
        return;
    // A scene built without a generator (tools, some tests) still navigates.
    StdZufall ohneGenerator;
    IZufall &zufall = Dienst.zufall ? *Dienst.zufall : ohneGenerator;
    Zustand.AktFrage = NavigationsZiel(typ, Zustand.AktFrage, n, zufall);
    ObjekteNeuZeichnen();
}

KlickErgebnis Szene::Klick(QPoint steuerPixel)
{
    if (GalerieAktiv())
        return GalerieKlick(steuerPixel);
    KlickErgebnis e;
    const int i = ObjektAn(steuerPixel.x(), steuerPixel.y());
    if (i < 0)
        return e;
    e.index = i;
    DokObjekt &o = Zustand.Dok.Objekte[i];
    switch (o.Typ) {
    case ObjektTyp::Beschriftung:
    case ObjektTyp::Luecke:
    case ObjektTyp::Antwort:
        o.Abdeckung = o.Abdeckung == AbdeckungsArt::Abgedeckt ? AbdeckungsArt::Aufgedeckt : AbdeckungsArt::Abgedeckt;
        ObjektZeichnen(SzenenBild, i, 0, true, true, false);
        e.aktion = KlickAktion::Umgeschaltet;
        break;
    case ObjektTyp::Infopunkt:
        e.aktion = KlickAktion::InfoZeigen;
        break;
    case ObjektTyp::Link:
        e.ziel = o.Cap;
        // Documents arrive from anywhere: only web addresses and harmless
        // existing files are handed on, never a program.
        e.aktion = KlickAktion::LinkGeoeffnet;
        if (Dienst.oeffner && ZielErlaubt(o.Cap)) {
            // The opener reports later; its failure shows the same message.
            auto misslungen = std::make_shared<bool>(false);
            Dienst.oeffner->Oeffnen(o.Cap, [m = Dienst.meldungen, cap = o.Cap, misslungen](bool ok) {
                if (ok)
                    return;
                *misslungen = true;
                if (m)
                    m->Fehler(LinkFehlerText(cap));
            });
            if (*misslungen)
                e.aktion = KlickAktion::LinkFehler;
        } else {
            e.aktion = KlickAktion::LinkFehler;
            if (Dienst.meldungen)
                Dienst.meldungen->Fehler(LinkFehlerText(o.Cap));
        }
        break;
    case ObjektTyp::DokumentLink:
        e.ziel = o.Cap;
        e.aktion = KlickAktion::DokumentLaden;
        break;
    default:
        if (o.Typ >= ObjektTyp::VorigeFrage && o.Typ <= ObjektTyp::ZufallsFrage && Zustand.Dok.AnzFrageNummern > 0) {
            Navigieren(o.Typ);
            e.aktion = KlickAktion::Navigiert;
        }
        break;
    }
    return e;
}
