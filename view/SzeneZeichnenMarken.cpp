// Drawing one object of the scene: badges, covers and quiz marks, on the screen only.
#include "Szene.h"

#include "ObjektZeichnung.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
const QColor DeckelRand(70, 125, 187);

// The round badge of an info point, a link or a document link; grey while a
// quiz runs.
void AnsprechpunktZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    const int typ = z.o.Typ;
    if (typ != ObjektTyp::Infopunkt && typ != ObjektTyp::Link && typ != ObjektTyp::DokumentLink)
        return;
    QColor fill;
    QString beschr;
    if (typ == ObjektTyp::Infopunkt) {
        fill = QColor(0, 95, 253);
        beschr = QStringLiteral("Info");
    } else if (typ == ObjektTyp::Link) {
        fill = QColor(164, 53, 47);
        beschr = QStringLiteral("Link");
    } else {
        fill = QColor(41, 152, 74);
        beschr = QStringLiteral("Dok.");
    }
    if (z.modus3)
        fill = QColor(192, 192, 192);
    ScheibeZeichnen(p, z.Kasten(), fill, Abgedunkelt(fill), beschr, ArialPixel(rnd(12 * z.s), true), Qt::white);
}

// The line an uncovered gap is written on.
void LueckenlinieZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    if (z.o.Typ != ObjektTyp::Luecke || z.o.Abdeckung == AbdeckungsArt::Abgedeckt)
        return;
    const QRect u =
        KastenPlatzieren(z.seite, z.lx, z.ly, qMax(z.m.bw0, rnd(30 * z.s)), z.m.bh0, z.s).translated(z.m.dx, 2);
    const int yLinie = u.top() + u.height() - 4;
    p.fillRect(QRect(u.left(), yLinie, u.width(), 1), Qt::black);
}

// The blue buttons that move between single questions, outside a quiz.
void FragenknopfZeichnen(QPainter &p, const ObjektZeichnung &z)
{
    if (z.o.Typ < ObjektTyp::VorigeFrage || z.o.Typ > ObjektTyp::ZufallsFrage || z.modus3)
        return;
    static const char *const knopf[] = {"<", ">", "|<", ">|", "?"};
    const QColor blau(0, 0, 255);
    ScheibeZeichnen(p, z.Kasten(), blau, Abgedunkelt(blau),
                    QString::fromLatin1(knopf[z.o.Typ - ObjektTyp::VorigeFrage]), ArialPixel(rnd(16 * z.s), true),
                    Qt::white);
}

// The cover of a covered label or gap (or answer, outside a quiz): a "?"
// as large as the box allows, and the cover's number on a disk.
void DeckelZeichnen(QPainter &p, const ObjektZeichnung &z, const Szene &szene)
{
    const DokObjekt &o = z.o;
    const bool deckelTyp = o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::Luecke
                           || (o.Typ == ObjektTyp::Antwort && z.aktuell && !z.modus3);
    if (o.Abdeckung != AbdeckungsArt::Abgedeckt || !deckelTyp)
        return;
    const int links = z.links, oben = z.oben, rechts = z.rechts, unten = z.unten;
    const int bw = z.m.bw, bh = z.m.bh;
    RechteckZeichnen(p, z.Kasten(), DeckelRand, QColor(202, 228, 255));
    if (bh >= 1) {
        // The "?" shrinks until an "X" fits the box height.
        int em = qMax(1, rnd(22 * z.s));
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
        const int d = rnd(30 * z.s);
        int nl = (links + rechts - d) / 2, nt = (oben + unten - d) / 2;
        if (nl + d > rechts)
            nl = rechts - d;
        if (nt + d > unten)
            nt = unten - d;
        nl = qMax(nl, links);
        nt = qMax(nt, oben);
        const QRect scheibe(nl, nt, qMin(nl + d, rechts) - nl, qMin(nt + d, unten) - nt);
        const int em = rnd(20 * z.s * scheibe.height() / qMax(1, d));
        ScheibeZeichnen(p, scheibe, Qt::white, DeckelRand, szene.AbdeckerText(z.Index), ArialPixel(em, true),
                        Szene::ZielNummerFarbe);
    }
}

// What a quiz has made of the object: a check mark when solved, a cross
// when given up, an "X" when not judged, and the numbered disk of an open
// question (greyed where the query of single positions asks another one).
void QuizmarkeZeichnen(QPainter &p, const ObjektZeichnung &z, const Szene &szene)
{
    const int links = z.links, oben = z.oben;
    const QRect r = z.Kasten();
    switch (z.o.Abdeckung) {
    case AbdeckungsArt::Geloest:
        SymbolZeichnen(p, QChar(0x2714), 32, QColor(0, 196, 0), links + 17, oben + 22);
        break;
    case AbdeckungsArt::Aufgegeben:
        SymbolZeichnen(p, QChar(0x2718), 32, QColor(220, 0, 0), links + 17, oben + 20);
        break;
    case AbdeckungsArt::Unbewertet:
        ScheibeZeichnen(p, r, Qt::white, Qt::black, QStringLiteral("X"), ArialPixel(rnd(24 * z.s), true),
                        QColor(128, 128, 128));
        break;
    case AbdeckungsArt::OffeneFrage:
        if (z.einzel) {
            if (szene.Zustand.AnsichtModus == AnsichtArt::Startseite)
                ScheibeZeichnen(p, r, QColor(236, 236, 232), Qt::black, szene.AbdeckerText(z.Index),
                                ArialPixel(rnd(20 * z.s), true), Szene::ZielNummerFarbe);
        } else if (szene.AktuellerAbfrageModus() == 2 && szene.AktuellesZielObjekt() != z.Index) {
            ScheibeZeichnen(p, r, QColor(208, 208, 208), QColor(176, 176, 176), QString(), QFont(), Qt::black);
        } else {
            ScheibeZeichnen(p, r, QColor(236, 236, 232), Qt::black, szene.AbdeckerText(z.Index),
                            ArialPixel(rnd(20 * z.s), true), Szene::ZielNummerFarbe);
        }
        break;
    default:
        break;
    }
}
} // namespace

void MarkenZeichnen(QPainter &p, const ObjektZeichnung &z, const Szene &szene)
{
    AnsprechpunktZeichnen(p, z);
    LueckenlinieZeichnen(p, z);
    FragenknopfZeichnen(p, z);
    DeckelZeichnen(p, z, szene);
    QuizmarkeZeichnen(p, z, szene);
}
