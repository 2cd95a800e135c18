// Drawing one object of the scene (screen, worksheet and solution variants): the steps in their order.
#include "Szene.h"

#include "ObjektZeichnung.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include <QPainter>

namespace {
bool IstFrageTeil(int typ)
{
    return typ >= ObjektTyp::Antwort && typ <= ObjektTyp::AntwortKopf;
}

QRect Rect(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}

// The line from the anchor to the reference point. An anchor on the
// reference point has no line to draw; a painter would leave a stray dot
// there.
void VerbindungslinieZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    const int ax = rnd(z.o.Sx * z.W), ay = rnd(z.o.Sy * z.H);
    if (z.o.Sline == 1 && z.Variante != 2 && (ax != z.lx || ay != z.ly)) {
        p.setPen(QPen(z.C, 0));
        p.drawLine(ax, ay, z.lx, z.ly);
    }
}
} // namespace

ObjektZeichnung::ObjektZeichnung(DokObjekt &o, int Index, QImage &Ziel, int Variante, double s, bool aktuell,
                                 bool einzel, bool modus3)
    : o(o), Index(Index), Ziel(Ziel), Variante(Variante), s(s), W(Ziel.width()), H(Ziel.height()),
      C(o.Typ == ObjektTyp::Luecke ? QColor(0, 0, 255) : QColor(0, 0, 0)), aktuell(aktuell), einzel(einzel),
      modus3(modus3), lx(rnd(o.Kx * W)), ly(rnd(o.Ky * H))
{
}

void Szene::ObjektZeichnen(QImage &Ziel, int Index, int Variante, bool Auffrischen, bool Kopieren, bool MitLinie,
                           double massstab)
{
    Dokument &dok = Zustand.Dok;
    if (Index < 0 || Index >= dok.Objekte.size() || Ziel.isNull() || !ObjektZuZeichnen(Index, Variante))
        return;
    DokObjekt &o = dok.Objekte[Index];
    const bool aktuell = o.FrageNummer == Zustand.AktFrage;
    const bool einzel = dok.DokTyp == DokArt::Einzelfragen;
    const bool modus3 = Zustand.AnsichtModus == AnsichtArt::Quiz;
    ObjektZeichnung z(o, Index, Ziel, Variante, massstab > 0 ? massstab : Massstab(), aktuell, einzel, modus3);

    AltenKastenLoeschen(z);
    QPainter p(&Ziel);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (MitLinie)
        VerbindungslinieZeichnen(p, z);
    KastenPlatzierenUndMerken(z);
    AntwortkastenZeichnen(p, z);
    LoesungstextZeichnen(p, z);
    SichtbarenTextZeichnen(p, z);
    const bool bildFehlt = !FragebildZeichnen(p, z);
    if (Variante == 0 && !bildFehlt)
        MarkenZeichnen(p, z, *this);
    p.end();

    if (Kopieren)
        NeuenKastenKopieren(z);
    if (Auffrischen && Anzeige) {
        Anzeige->Auffrischen();
        if (z.modus3)
            Anzeige->UebungsHinweisZeichnen();
    }
}

bool Szene::ObjektZuZeichnen(int Index, int Variante) const
{
    // Info points stay off worksheets and out of the quiz; hidden layers
    // draw nothing.
    if ((Variante >= 1 || Zustand.AnsichtModus == AnsichtArt::Quiz) && Zustand.Dok.Objekte[Index].Ebene == 2)
        return false;
    return EbeneSichtbar(Index);
}

void Szene::AltenKastenLoeschen(const ObjektZeichnung &z)
{
    // The old box goes back to the background, on the screen only.
    const DokObjekt &o = z.o;
    if (z.Variante != 0 || o.Rahmen.Left == -1 || (IstFrageTeil(o.Typ) && !z.aktuell) || (z.einzel && z.modus3))
        return;
    const int sw = SzenenBild.width(), sh = SzenenBild.height();
    const QRect alt =
        Rect(rnd(o.Rahmen.Left * sw), rnd(o.Rahmen.Top * sh), rnd(o.Rahmen.Right * sw), rnd(o.Rahmen.Bottom * sh));
    BlockKopieren(z.Ziel, alt.topLeft(), HintergrundBild, alt);
    if (z.modus3) {
        const QPoint anzeige(alt.left() - ScrollX, alt.top() - ScrollY);
        BlockKopieren(ObjekteBild, alt.topLeft(), HintergrundBild, alt);
        if (!sauberVeraltet) // else refreshed from ObjekteBild when needed
            BlockKopieren(SauberAusschnitt, anzeige, HintergrundBild, alt);
        BlockKopieren(AnzeigeBild, anzeige, HintergrundBild, alt);
    }
}

void Szene::KastenPlatzierenUndMerken(ObjektZeichnung &z)
{
    DokObjekt &o = z.o;
    // The side, decided once.
    if (o.KAusrAkt < 1)
        o.KAusrAkt = o.KAusr >= 1 ? o.KAusr : AutoSeite(z.Index);
    z.seite = o.KAusrAkt;

    z.m = ObjektMessen(z.Index, z.Ziel.size(), z.s, &z.Ziel == &SzenenBild);
    z.links = z.m.box.left();
    z.oben = z.m.box.top();
    z.rechts = z.links + z.m.bw;
    z.unten = z.oben + z.m.bh;

    // Bookkeeping, for the screen only: a worksheet drawing must not move
    // the boxes the view erases and hit-tests.
    if (z.Variante == 0) {
        const double sw = qMax(1, SzenenBild.width()), sh = qMax(1, SzenenBild.height());
        o.Rahmen = {z.links / sw, z.oben / sh, z.rechts / sw, z.unten / sh};
        o.PixLinks = z.links;
        o.PixOben = z.oben;
        o.HalbBreite = (rnd(z.m.bw / 2.0) + rnd(7 * z.s)) / sw;
        o.HalbHoehe = (rnd(z.m.bh / 2.0) + rnd(2 * z.s)) / sh;
    }
}

void Szene::NeuenKastenKopieren(const ObjektZeichnung &z)
{
    // The new box into the caches and the display.
    const QRect neu = z.Kasten();
    const QPoint anzeige(z.links - ScrollX, z.oben - ScrollY);
    BlockKopieren(ObjekteBild, neu.topLeft(), SzenenBild, neu);
    if (!sauberVeraltet)
        BlockKopieren(SauberAusschnitt, anzeige, SzenenBild, neu);
    BlockKopieren(AnzeigeBild, anzeige, SzenenBild, neu);
}
