// The learning view's scene: zoom, coordinates, building and drawing.
#include "Szene.h"

#include "DokumentModell.h"
#include "FlaggenGalerie.h"
#include "Fragentext.h"
#include "Markup.h"
#include "Nummerierung.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include "Ordner.h"

#include <QPainter>

#include <cmath>

const QColor Szene::SteuerFarbe(174, 194, 212);
const QColor Szene::ZielNummerFarbe(200, 0, 0);

Szene::Szene(DokumentZustand &zustand, const Dienste &dienste) : Zustand(zustand), Dienst(dienste) {}

double Szene::ZoomFaktorVon(int index)
{
    return 1.0 + 0.25 * qBound(0, index, 4);
}

void Szene::ZoomSetzen(int index)
{
    ZoomIndex = qBound(0, index, 4);
    ZoomFaktor = ZoomFaktorVon(ZoomIndex);
    if (Anzeige)
        Anzeige->ZoomGeaendert(ZoomIndex);
}

int Szene::AktuellerAbfrageModus() const
{
    return AbfrageModus;
}

int Szene::AktuellesZielObjekt() const
{
    if (AktFolgeIndex >= 0 && AktFolgeIndex < FragenFolge.size())
        return FragenFolge[AktFolgeIndex].ZielObjekt;
    return -1;
}

double Szene::Massstab() const
{
    return AnzeigeBild.width() * ZoomFaktor / 870.0;
}

QPoint Szene::BildVersatz() const
{
    return QPoint((SteuerGroesse.width() - AnzeigeBild.width()) / 2,
                  (SteuerGroesse.height() - AnzeigeBild.height()) / 2);
}

QPoint Szene::SzenenPixel(double fx, double fy) const
{
    return QPoint(rnd(fx * SzenenBild.width()), rnd(fy * SzenenBild.height()));
}

QPoint Szene::AnzeigePixel(double fx, double fy) const
{
    const QPoint v = BildVersatz();
    const double aw = Ausschnitt.Right - Ausschnitt.Left, ah = Ausschnitt.Bottom - Ausschnitt.Top;
    if (aw <= 0 || ah <= 0)
        return v;
    return QPoint(rnd((fx - Ausschnitt.Left) * AnzeigeBild.width() / aw) + v.x(),
                  rnd((fy - Ausschnitt.Top) * AnzeigeBild.height() / ah) + v.y());
}

QPointF Szene::SteuerNachBruch(QPoint steuerPixel) const
{
    const QPoint v = BildVersatz();
    const double bw = qMax(1, AnzeigeBild.width()), bh = qMax(1, AnzeigeBild.height());
    const double fx = Ausschnitt.Left + (steuerPixel.x() - v.x()) / bw * (Ausschnitt.Right - Ausschnitt.Left);
    const double fy = Ausschnitt.Top + (steuerPixel.y() - v.y()) / bh * (Ausschnitt.Bottom - Ausschnitt.Top);
    return QPointF(qBound(0.0, fx, 1.0), qBound(0.0, fy, 1.0));
}

Szene::Erweiterung Szene::erweiterung() const
{
    const Dokument &dok = Zustand.Dok;
    const QImage &basis = dok.BasisBild;
    // The border comes from the file: unusable values mean no border, and
    // the extended picture stays within a sane size.
    Rechteck r = dok.RandErw;
    for (double *v : {&r.Left, &r.Top, &r.Right, &r.Bottom})
        if (!std::isfinite(*v) || *v < 0 || *v > 10)
            *v = 0;
    if (!basis.isNull()
        && double(1 + r.Left + r.Right) * basis.width() * double(1 + r.Top + r.Bottom) * basis.height() > 64e6)
        r = Rechteck{};
    Erweiterung e;
    if (basis.isNull()) {
        // No picture: a white page of the design size.
        e.groesse = QSize(870, 650);
        return e;
    }
    e.groesse = QSize(qBound(1, rnd((1 + r.Left + r.Right) * basis.width()), 20000),
                      qBound(1, rnd((1 + r.Top + r.Bottom) * basis.height()), 20000));
    e.versatz = QPoint(rnd(basis.width() * r.Left), rnd(basis.height() * r.Top));
    return e;
}

QSizeF Szene::BasisBildEinpassen(QImage &Ziel, int Breite, int Hoehe, double Faktor, bool nurGroesse)
{
    Breite = qMax(1, Breite);
    Hoehe = qMax(1, Hoehe);
    if (Faktor <= 0)
        Faktor = 1;
    const Erweiterung ext = erweiterung();
    const double ew = ext.groesse.width(), eh = ext.groesse.height();
    int fw, fh;
    if (eh / Hoehe > ew / Breite) {
        fh = Hoehe;
        fw = qMax(1, rnd(Hoehe * ew / eh));
    } else {
        fw = Breite;
        fh = qMax(1, rnd(Breite * eh / ew));
    }
    const int zw = rnd(fw * Faktor), zh = rnd(fh * Faktor);
    const int w = qMax(1, qMin(zw, Breite)), h = qMax(1, qMin(zh, Hoehe));
    const double sw = qMin(ew / Faktor * w / fw, ew);
    const double sh = qMin(eh / Faktor * h / fh, eh);
    if (nurGroesse) {
        if (Ziel.width() != w || Ziel.height() != h)
            Ziel = NeueFlaeche(w, h, Qt::white);
    } else {
        const QImage &basis = Zustand.Dok.BasisBild;
        const QRect quelle(0, 0, qMax(1, rnd(sw)), qMax(1, rnd(sh)));
        if (eingepasst.isNull() || eingepasstSchluessel != basis.cacheKey() || eingepasstErweiterung != ext
            || eingepasstQuelle != quelle || eingepasst.size() != QSize(w, h)) {
            // The extended picture is never built: the base picture is drawn
            // at its place on white, so a picture of 64 megapixels is held
            // once, not twice. Bilinear resampling.
            if (eingepasst.size() != QSize(w, h) || !eingepasst.isDetached())
                eingepasst = NeueFlaeche(w, h, Qt::white);
            else
                eingepasst.fill(Qt::white);
            if (!basis.isNull()) {
                QPainter p(&eingepasst);
                p.setRenderHint(QPainter::SmoothPixmapTransform, true);
                if (ext.versatz.isNull() && ext.groesse == basis.size()) {
                    p.drawImage(QRectF(0, 0, w, h), basis, QRectF(quelle));
                } else {
                    const double fx = double(w) / quelle.width(), fy = double(h) / quelle.height();
                    p.setClipRect(QRect(0, 0, w, h));
                    p.drawImage(
                        QRectF(ext.versatz.x() * fx, ext.versatz.y() * fy, basis.width() * fx, basis.height() * fy),
                        basis);
                }
            }
            eingepasstSchluessel = basis.cacheKey();
            eingepasstErweiterung = ext;
            eingepasstQuelle = quelle;
        }
        BildUebernehmen(Ziel, eingepasst);
    }
    return QSizeF(sw / ew, sh / eh);
}

void Szene::SzeneAufbauen()
{
    Dokument &dok = Zustand.Dok;
    ZeichnungenVorhanden = false; // a rebuild discards them
    if (Anzeige) {
        Anzeige->StartseitenLayout();
        if (Anzeige->AktuelleGroesse().isValid())
            SteuerGroesse = Anzeige->AktuelleGroesse();
    }
    // Fit into the control at the zoom factor (sizes only: the
    // temporary picture itself is never shown).
    QImage temp;
    const QSizeF v = BasisBildEinpassen(temp, SteuerGroesse.width(), SteuerGroesse.height(), ZoomFaktor, true);
    AusschnittSeiten = double(temp.width()) / temp.height();

    // The visible part keeps its centre.
    const double vw = v.width(), vh = v.height();
    const double mx = (Ausschnitt.Left + Ausschnitt.Right) / 2, my = (Ausschnitt.Top + Ausschnitt.Bottom) / 2;
    Ausschnitt.Left = qMax(0.0, qMin(1 - vw, mx - vw / 2));
    Ausschnitt.Top = qMax(0.0, qMin(1 - vh, my - vh / 2));
    Ausschnitt.Right = Ausschnitt.Left + vw;
    Ausschnitt.Bottom = Ausschnitt.Top + vh;

    // Display bitmap and the whole zoomed scene.
    AnzeigeBild = NeueFlaeche(temp.width(), temp.height(), SteuerFarbe);
    BasisBildEinpassen(SzenenBild, rnd(temp.width() * ZoomFaktor), rnd(temp.height() * ZoomFaktor), 1);

    // The base picture is a layer of its own.
    if (!Ebene0Check && Zustand.AnsichtModus != AnsichtArt::Quiz)
        SzenenBild.fill(Qt::white);

    // Cloze text and the single-question state.
    if (dok.DokTyp == DokArt::Lueckentext && !dok.Lueckentext.isEmpty())
        LueckentextZeichnen();
    if (Zustand.AnsichtModus != AnsichtArt::Quiz)
        for (DokObjekt &o : dok.Objekte)
            if (o.Typ == ObjektTyp::Antwort)
                o.Abdeckung = AbdeckungsArt::Abgedeckt;
    if (dok.AnzFrageNummern <= 0)
        Zustand.AktFrage = -1;
    else if (Zustand.AktFrage < 1 || Zustand.AktFrage > dok.AnzFrageNummern)
        Zustand.AktFrage = 1;

    if (GalerieAktiv()) {
        GalerieZeichnen();
        AnsichtZeigen();
        return;
    }

    // Background copy, objects, object copy, display.
    BildUebernehmen(HintergrundBild, SzenenBild);
    ObjekteZeichnen(true, false, false);
    BildUebernehmen(ObjekteBild, SzenenBild);
    AnsichtZeigen();
}

void Szene::LueckentextZeichnen()
{
    Dokument &dok = Zustand.Dok;
    if (dok.Lueckentext.isEmpty())
        return;
    const int W = SzenenBild.width(), H = SzenenBild.height();
    QPainter p(&SzenenBild);
    p.setFont(ArialPixel(rnd(22 * Massstab())));
    PainterLeinwand l(p);
    MarkupUmgebung u;
    u.Objekte = &dok.Objekte;
    u.LueckenZeiger = 0;
    u.IllustrationSichtbar = Ebene0Check;
    u.AnsichtModus = Zustand.AnsichtModus;
    int y = rnd(H * 0.01);
    const int x = rnd(W * 0.035);
    const int hoehe = -qMax(1, rnd(22 * Massstab()));
    for (const QString &zeile : TextZeilen(dok.Lueckentext))
        y = MarkupSchreiben(l,
                            {.Text = zeile,
                             .X = x,
                             .Y = y,
                             .Breite = W,
                             .Hoehe = H,
                             .Variante = MarkupVariante::Lernansicht,
                             .Schrifthoehe = hoehe},
                            u);
}

void Szene::AnsichtZeigen()
{
    ScrollX = rnd(SzenenBild.width() * Ausschnitt.Left);
    ScrollY = rnd(SzenenBild.height() * Ausschnitt.Top);
    const QRect sicht(ScrollX, ScrollY, AnzeigeBild.width(), AnzeigeBild.height());
    // The control colour shows only where the scene does not reach.
    if (!SzenenBild.rect().contains(sicht))
        AnzeigeBild.fill(SteuerFarbe);
    BlockKopieren(AnzeigeBild, QPoint(0, 0), SzenenBild, sicht);
    sauberVeraltet = true;
    // In mode 2 the start panel lies over the control; the picture is seen
    // in the quiz only, unless the learning view is shown.
    if (Zustand.AnsichtModus == AnsichtArt::Startseite && !LernansichtSichtbar)
        AnzeigeBild.fill(SteuerFarbe);
    if (Anzeige)
        Anzeige->Auffrischen();
    MarkerSetzen(MarkerIndex, MarkerBezug);
}

void Szene::ObjekteZeichnen(bool MitLinie, bool Kopieren, bool Auffrischen)
{
    // The gallery draws its names itself; the card's objects are not seen.
    if (GalerieAktiv()) {
        if (Auffrischen && Anzeige)
            Anzeige->Auffrischen();
        return;
    }
    for (int i = 0; i < Zustand.Dok.Objekte.size(); ++i)
        ObjektZeichnen(SzenenBild, i, 0, false, Kopieren, MitLinie);
    if (Auffrischen && Anzeige)
        Anzeige->Auffrischen();
}

void Szene::ObjekteNeuZeichnen()
{
    if (GalerieAktiv()) {
        GalerieZeichnen();
        AnsichtZeigen();
        return;
    }
    BildUebernehmen(SzenenBild, HintergrundBild);
    ObjekteZeichnen(true, false, false);
    BildUebernehmen(ObjekteBild, SzenenBild);
    AnsichtZeigen();
}

void Szene::ObjektNeuZeichnen(int Index)
{
    if (GalerieAktiv())
        return;
    ObjektZeichnen(SzenenBild, Index, 0, true, true, false);
}

void Szene::SauberAusschnittAuffrischen()
{
    if (!sauberVeraltet && SauberAusschnitt.size() == AnzeigeBild.size())
        return;
    if (SauberAusschnitt.size() != AnzeigeBild.size())
        SauberAusschnitt = NeueFlaeche(AnzeigeBild.width(), AnzeigeBild.height(), SteuerFarbe);
    else if (!ObjekteBild.rect().contains(QRect(QPoint(ScrollX, ScrollY), AnzeigeBild.size())))
        SauberAusschnitt.fill(SteuerFarbe);
    BlockKopieren(SauberAusschnitt, QPoint(0, 0), ObjekteBild,
                  QRect(ScrollX, ScrollY, AnzeigeBild.width(), AnzeigeBild.height()));
    sauberVeraltet = false;
}

void Szene::ZeichnungenUebernehmen()
{
    // An emptied display holds no drawings, only the control colour, which
    // must not overwrite the scene.
    if (Zustand.AnsichtModus == AnsichtArt::Startseite && !LernansichtSichtbar)
        return;
    BlockKopieren(SzenenBild, QPoint(ScrollX, ScrollY), AnzeigeBild, AnzeigeBild.rect());
}

bool Szene::EbeneSichtbar(int Index) const
{
    if (Index < 0 || Index >= Zustand.Dok.Objekte.size())
        return false;
    if (Zustand.AnsichtModus == AnsichtArt::Quiz)
        return true;
    switch (Zustand.Dok.Objekte[Index].Ebene) {
    case 0:
        return Ebene0Check;
    case 1:
        return Ebene1Check;
    case 2:
        return Ebene2Check;
    default:
        return false;
    }
}

int Szene::AutoSeite(int Index) const
{
    if (Index < 0 || Index >= Zustand.Dok.Objekte.size())
        return 1;
    const DokObjekt &o = Zustand.Dok.Objekte[Index];
    const double dx = o.Kx - o.Sx;
    const double dy = (o.Ky - o.Sy) / (AusschnittSeiten > 0 ? AusschnittSeiten : 1.0);
    if (std::abs(dy) > std::abs(dx))
        return dy < 0 ? 2 : 4;
    return dx >= 0 ? 1 : 3;
}

QString Szene::AbdeckerText(int Index) const
{
    if (Index < 0 || Index >= Zustand.Dok.Objekte.size())
        return QStringLiteral("?");
    return NummerText(Zustand.Dok.Objekte[Index].Nummer, Zustand.Dok.NumArt);
}

void Szene::MarkerSetzen(int Index, int Bezug)
{
    const auto &obj = Zustand.Dok.Objekte;
    if (Index < 0 || Bezug < 0 || Bezug > 2 || Index >= obj.size() || Zustand.AnsichtModus != AnsichtArt::Quiz) {
        MarkerIndex = MarkerBezug = -1;
        MoveAnkerSichtbar = false;
    } else {
        MarkerIndex = Index;
        MarkerBezug = Bezug;
        const DokObjekt &o = obj[Index];
        if (Bezug == 2) {
            const QPoint lo = AnzeigePixel(o.Rahmen.Left, o.Rahmen.Top);
            const QPoint ru = AnzeigePixel(o.Rahmen.Right, o.Rahmen.Bottom);
            MoveAnker = QRect(lo.x() - 4, lo.y() - 4, ru.x() - lo.x() + 8, ru.y() - lo.y() + 8);
        } else {
            const QPoint c = Bezug == 0 ? AnzeigePixel(o.Sx, o.Sy) : AnzeigePixel(o.Kx, o.Ky);
            MoveAnker = QRect(c.x() - 6, c.y() - 6, 13, 13);
        }
        MoveAnkerSichtbar = true;
    }
    if (Anzeige)
        Anzeige->MarkerAktualisieren();
}

void Szene::EbenenSetzen(bool illustration, bool beschriftung, bool infopunkte)
{
    Ebene0Check = illustration;
    Ebene1Check = beschriftung;
    Ebene2Check = infopunkte;
    SzeneAufbauen();
}

void Szene::AlleAbdecken()
{
    for (DokObjekt &o : Zustand.Dok.Objekte)
        o.Abdeckung = AbdeckungsArt::Abgedeckt;
    if (GalerieAktiv()) {
        GalerieOffen.clear();
        GalerieNamenNeuZeichnen();
        return;
    }
    ObjekteZeichnen(false, true, true);
}

void Szene::AlleAufdecken()
{
    for (DokObjekt &o : Zustand.Dok.Objekte)
        o.Abdeckung = AbdeckungsArt::Aufgedeckt;
    if (GalerieAktiv()) {
        for (const GalerieEintrag &e : GalerieEintraege(Zustand.Dok))
            GalerieOffen.insert(e.frage);
        GalerieNamenNeuZeichnen();
        return;
    }
    ObjekteZeichnen(false, true, true);
}

void Szene::NummerierungSetzen(NummerierArt Modus, bool Zeichnen)
{
    NummerierModus = Modus;
    FragenFolge = AbdeckerReihenfolge(Zustand.Dok, Modus, Dienst.zufall);
    NummernVergeben(Zustand.Dok, FragenFolge, Modus);
    if (Zeichnen)
        ObjekteZeichnen(false, true, true);
}

QImage Szene::Ansicht(bool szene) const
{
    QImage bild = NeueFlaeche(SteuerGroesse.width(), SteuerGroesse.height(), SteuerFarbe);
    QImage teil = AnzeigeBild;
    if (szene) {
        teil = NeueFlaeche(AnzeigeBild.width(), AnzeigeBild.height(), SteuerFarbe);
        BlockKopieren(teil, QPoint(0, 0), SzenenBild, QRect(ScrollX, ScrollY, teil.width(), teil.height()));
    }
    BlockKopieren(bild, BildVersatz(), teil, teil.rect());
    return bild;
}

QString Szene::flaggenPfad(const QString &name) const
{
    return FlaggenDatei(ProgOrdner.isEmpty() ? Ordner().ProgOrdner : ProgOrdner, name);
}
