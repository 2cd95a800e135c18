// Drawing one object of the scene (screen, worksheet and solution variants).
#include "Szene.h"

#include "Flaggenfeld.h"
#include "ObjektMass.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include "BildDatei.h"

#include <QFontMetrics>
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
} // namespace

void Szene::ObjektZeichnen(QImage &Ziel, int Index, int Variante, bool Auffrischen, bool Kopieren, bool MitLinie,
                           double massstab)
{
    Dokument &dok = Zustand.Dok;
    if (Index < 0 || Index >= dok.Objekte.size() || Ziel.isNull())
        return;
    DokObjekt &o = dok.Objekte[Index];
    const bool modus3 = AnsichtModus == 3;

    // What is not drawn at all.
    if ((Variante >= 1 || modus3) && o.Ebene == 2)
        return;
    if (!EbeneSichtbar(Index))
        return;

    const double s = massstab > 0 ? massstab : Massstab();
    const int W = Ziel.width(), H = Ziel.height();
    const QColor C = o.Typ == ObjektTyp::Luecke ? QColor(0, 0, 255) : QColor(0, 0, 0);
    const bool aktuell = o.FrageNummer == Zustand.AktFrage;
    const bool einzel = dok.DokTyp == DokTypen::Einzelfragen;
    const bool aufSzene = &Ziel == &SzenenBild;

    // Erase the old box from the background.
    if (Variante == 0 && o.Rahmen.Left != -1 && (!IstFrageTeil(o.Typ) || aktuell) && !(einzel && modus3)) {
        const int sw = SzenenBild.width(), sh = SzenenBild.height();
        const QRect alt = Rect(rnd(o.Rahmen.Left * sw), rnd(o.Rahmen.Top * sh), rnd(o.Rahmen.Right * sw),
                               rnd(o.Rahmen.Bottom * sh));
        BlockKopieren(Ziel, alt.topLeft(), HintergrundBild, alt);
        if (modus3) {
            const QPoint anzeige(alt.left() - ScrollX, alt.top() - ScrollY);
            BlockKopieren(ObjekteBild, alt.topLeft(), HintergrundBild, alt);
            if (!sauberVeraltet) // else refreshed from ObjekteBild when needed
                BlockKopieren(SauberAusschnitt, anzeige, HintergrundBild, alt);
            BlockKopieren(AnzeigeBild, anzeige, HintergrundBild, alt);
        }
    }

    QPainter p(&Ziel);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // Anchor and connecting line.
    const int lx = rnd(o.Kx * W), ly = rnd(o.Ky * H);
    const int ax = rnd(o.Sx * W), ay = rnd(o.Sy * H);
    // An anchor on the reference point has no line to draw; a painter would
    // leave a stray dot there.
    if (o.Sline == 1 && Variante != 2 && MitLinie && (ax != lx || ay != ly)) {
        p.setPen(QPen(C, 0));
        p.drawLine(ax, ay, lx, ly);
    }

    // The side, decided once.
    if (o.KAusrAkt < 1)
        o.KAusrAkt = o.KAusr >= 1 ? o.KAusr : AutoSeite(Index);
    const int seite = o.KAusrAkt;

    // Box size and place.
    const ObjektMass m = ObjektMessen(Index, Ziel.size(), s, aufSzene);
    const QRect box = m.box;
    const int bw = m.bw, bh = m.bh, dx = m.dx;
    const int links = box.left(), oben = box.top();
    const int rechts = links + bw, unten = oben + bh;

    // Bookkeeping, for the screen only: a worksheet drawing must not
    // move the boxes the view erases and hit-tests.
    if (Variante == 0) {
        const double sw = qMax(1, SzenenBild.width()), sh = qMax(1, SzenenBild.height());
        o.Rahmen = {links / sw, oben / sh, rechts / sw, unten / sh};
        o.PixLinks = links;
        o.PixOben = oben;
        o.HalbBreite = (rnd(bw / 2.0) + rnd(7 * s)) / sw;
        o.HalbHoehe = (rnd(bh / 2.0) + rnd(2 * s)) / sh;
    }

    const bool abdeckbar
        = o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke || o.Typ == ObjektTyp::Antwort;
    const int tflags = o.TAusr;
    const QRect textRect(links + dx, oben + 2, bw, bh);

    // Answer boxes.
    if ((Variante & 1) && abdeckbar) {
        int l = links, r = rechts;
        const int d = rnd((rechts - links) * 0.18);
        if (seite == 1)
            r += 2 * d;
        else if (seite == 3)
            l -= 2 * d;
        else {
            r += d;
            l -= d;
        }
        const int ix = rnd(W * 0.01), iy = rnd((unten - oben) * 0.1);
        l = qMax(l - ix, rnd(W * 0.005));
        r = qMin(r + ix, rnd(W * 0.995));
        const int t = qMax(oben - iy, rnd(H * 0.005));
        const int b = qMin(unten + iy, rnd(H * 0.995));
        const QRect antwort = Rect(l, t, r, b);
        RechteckZeichnen(p, antwort, Qt::black, Qt::white);
        RahmenZeichnen(p, antwort.adjusted(1, 1, -1, -1), Qt::black);
    }

    // Solution text.
    if ((Variante & 2) && abdeckbar) {
        p.setFont(ArialPixel(rnd(SchriftEinheiten(o.Fsize) * s)));
        p.setPen(QColor(255, 0, 0));
        TextKasten::Messen(p.font(), o.Cap, false, W).Zeichnen(p, textRect, tflags);
    }

    // The visible text.
    const bool textZeigen = o.Typ == ObjektTyp::TextOhneAbdeckung
        || (Variante == 0
            && (((o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke) && o.Abdeckung == 0)
                || (o.Typ == ObjektTyp::Antwort && aktuell && o.Abdeckung == 0)
                || (o.Typ == ObjektTyp::FrageText && aktuell)
                || (o.Typ == ObjektTyp::AntwortKopf && aktuell && !modus3)));
    if (textZeigen && m.textGemessen) {
        p.setFont(m.font);
        p.setPen(C);
        m.kasten.Zeichnen(p, textRect, tflags);
    }

    // The question's image, in the quiz only: centred in its room and
    // scaled with the scene, with a grey outline on its edge.
    bool bildFehlt = false;
    if (modus3 && o.Typ == ObjektTyp::FrageText && aktuell && !m.bildName.isEmpty()) {
        const QString pfad = flaggenPfad(m.bildName);
        QImage flagge;
        if (pfad.isEmpty() || !PngLesenDatei(pfad, flagge)) {
            bildFehlt = true;
        } else {
            const QRect ziel = FlaggeImFeld(flagge.size(), s, m.flaggenfeld);
            // One resampling from the source, area-averaged when shrinking:
            // no sharper or softer than the file allows at that size.
            if (ziel.size() != flagge.size())
                flagge = flagge.scaled(ziel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p.drawImage(ziel.topLeft(), flagge);
            RahmenZeichnen(p, ziel, FlaggenUmrissFarbe());
            RahmenZeichnen(p, Flaggenrahmen(m.flaggenfeld), Qt::black);
        }
    }

    // Badges, covers and quiz marks (screen only).
    if (Variante == 0 && !bildFehlt) {
        const QRect r = Rect(links, oben, rechts, unten);
        if (o.Typ == ObjektTyp::Infopunkt || o.Typ == ObjektTyp::Link || o.Typ == ObjektTyp::DokumentLink) {
            QColor fill;
            QString beschr;
            if (o.Typ == ObjektTyp::Infopunkt) {
                fill = QColor(0, 95, 253);
                beschr = QStringLiteral("Info");
            } else if (o.Typ == ObjektTyp::Link) {
                fill = QColor(164, 53, 47);
                beschr = QStringLiteral("Link");
            } else {
                fill = QColor(41, 152, 74);
                beschr = QStringLiteral("Dok.");
            }
            if (modus3)
                fill = QColor(192, 192, 192);
            ScheibeZeichnen(p, r, fill, Abgedunkelt(fill), beschr, ArialPixel(rnd(12 * s), true), Qt::white);
        }
        if (o.Typ == ObjektTyp::Luecke && o.Abdeckung != AbdeckungsArt::Abgedeckt) {
            const QRect u = KastenPlatzieren(seite, lx, ly, qMax(m.bw0, rnd(30 * s)), m.bh0, s).translated(dx, 2);
            const int yLinie = u.top() + u.height() - 4;
            p.fillRect(QRect(u.left(), yLinie, u.width(), 1), Qt::black);
        }
        if (o.Typ >= ObjektTyp::VorigeFrage && o.Typ <= ObjektTyp::ZufallsFrage && !modus3) {
            static const char *const knopf[] = {"<", ">", "|<", ">|", "?"};
            const QColor blau(0, 0, 255);
            ScheibeZeichnen(p, r, blau, Abgedunkelt(blau), QString::fromLatin1(knopf[o.Typ - ObjektTyp::VorigeFrage]),
                            ArialPixel(rnd(16 * s), true), Qt::white);
        }
        const bool deckelTyp = o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke
            || (o.Typ == ObjektTyp::Antwort && aktuell && !modus3);
        if (o.Abdeckung == AbdeckungsArt::Abgedeckt && deckelTyp) {
            const QColor randFarbe(70, 125, 187);
            RechteckZeichnen(p, r, randFarbe, QColor(202, 228, 255));
            if (bh >= 1) {
                // The "?" shrinks until an "X" fits the box height.
                int em = qMax(1, rnd(22 * s));
                QFont f = ArialPixel(em);
                while (em > 1 && QFontMetrics(f).height() > bh) {
                    --em;
                    f = ArialPixel(em);
                }
                p.setFont(f);
                p.setPen(Qt::black);
                TextAus(p, rnd((links + rechts) / 2.0), rnd((oben + unten - QFontMetrics(f).height()) / 2.0),
                        QStringLiteral("?"), Qt::AlignHCenter);
            }
            if (o.Nummer >= 1 && bw > 0 && bh > 0) {
                const int d = rnd(30 * s);
                int nl = (links + rechts - d) / 2, nt = (oben + unten - d) / 2;
                if (nl + d > rechts)
                    nl = rechts - d;
                if (nt + d > unten)
                    nt = unten - d;
                nl = qMax(nl, links);
                nt = qMax(nt, oben);
                const QRect scheibe = Rect(nl, nt, qMin(nl + d, rechts), qMin(nt + d, unten));
                const int em = rnd(20 * s * scheibe.height() / qMax(1, d));
                ScheibeZeichnen(p, scheibe, Qt::white, randFarbe, AbdeckerText(Index), ArialPixel(em, true),
                                QColor(255, 0, 0));
            }
        } else if (o.Abdeckung == AbdeckungsArt::Geloest) {
            SymbolZeichnen(p, QChar(0x2714), 32, QColor(0, 196, 0), links + 17, oben + 22);
        } else if (o.Abdeckung == AbdeckungsArt::Aufgegeben) {
            SymbolZeichnen(p, QChar(0x2718), 32, QColor(220, 0, 0), links + 17, oben + 20);
        } else if (o.Abdeckung == AbdeckungsArt::Unbewertet) {
            ScheibeZeichnen(p, r, Qt::white, Qt::black, QStringLiteral("X"), ArialPixel(rnd(24 * s), true),
                            QColor(128, 128, 128));
        } else if (o.Abdeckung == AbdeckungsArt::OffeneFrage) {
            if (einzel) {
                if (AnsichtModus == 2)
                    ScheibeZeichnen(p, r, QColor(236, 236, 232), Qt::black, AbdeckerText(Index),
                                    ArialPixel(rnd(20 * s), true), QColor(255, 0, 0));
            } else if (AktuellerAbfrageModus() == 2 && AktuellesZielObjekt() != Index) {
                ScheibeZeichnen(p, r, QColor(208, 208, 208), QColor(176, 176, 176), QString(), QFont(), Qt::black);
            } else {
                ScheibeZeichnen(p, r, QColor(236, 236, 232), Qt::black, AbdeckerText(Index),
                                ArialPixel(rnd(20 * s), true), QColor(255, 0, 0));
            }
        }
    }
    p.end();

    // Copy the new box to the caches and the display.
    if (Kopieren) {
        const QRect neu = Rect(links, oben, rechts, unten);
        const QPoint anzeige(links - ScrollX, oben - ScrollY);
        BlockKopieren(ObjekteBild, neu.topLeft(), SzenenBild, neu);
        if (!sauberVeraltet)
            BlockKopieren(SauberAusschnitt, anzeige, SzenenBild, neu);
        BlockKopieren(AnzeigeBild, anzeige, SzenenBild, neu);
    }
    if (Auffrischen && Anzeige) {
        Anzeige->Auffrischen();
        if (modus3)
            Anzeige->UebungsHinweisZeichnen();
    }
}
