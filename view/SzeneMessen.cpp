// Measuring and placing one object of the scene, shared by drawing and by checks that draw nothing.
#include "Szene.h"

#include "Flaggenfeld.h"
#include "Fragentext.h"
#include "ObjektMass.h"
#include "Runden.h"
#include "Zeichenhilfen.h"

#include <QFontMetrics>

QRect KastenPlatzieren(int seite, int lx, int ly, int bw, int bh, double s)
{
    int links, oben;
    switch (seite) {
    case 2:
        links = lx - rnd(bw / 2.0);
        oben = ly - bh - rnd(2 * s);
        break;
    case 3:
        links = lx - bw - rnd(7 * s);
        oben = ly - rnd(bh / 2.0);
        break;
    case 4:
        links = lx - rnd(bw / 2.0);
        oben = ly + rnd(2 * s);
        break;
    default:
        links = lx + rnd(7 * s);
        oben = ly - rnd(bh / 2.0);
        break;
    }
    return QRect(links, oben, bw, bh);
}

QRect ObjektMass::Textflaeche() const
{
    if (!textGemessen || kasten.zeilen.isEmpty())
        return {};
    int letzte = -1;
    for (int i = 0; i < kasten.zeilen.size(); ++i)
        if (!kasten.zeilen[i].trimmed().isEmpty())
            letzte = i;
    if (letzte < 0)
        return {};
    const int zeile = QFontMetrics(font).height();
    return QRect(box.left() + dx, box.top() + 2, tw, (letzte + 1) * zeile);
}

ObjektMass Szene::ObjektMessen(int Index, QSize ziel, double s, bool aufSzene) const
{
    ObjektMass m;
    const Dokument &dok = Zustand.Dok;
    if (Index < 0 || Index >= dok.Objekte.size())
        return m;
    const DokObjekt &o = dok.Objekte[Index];
    const bool modus3 = Zustand.AnsichtModus == AnsichtArt::Quiz;
    const int W = ziel.width(), H = ziel.height();
    const bool aktuell = o.FrageNummer == Zustand.AktFrage;
    const int lx = rnd(o.Kx * W), ly = rnd(o.Ky * H);
    m.seite = o.KAusrAkt >= 1 ? o.KAusrAkt : (o.KAusr >= 1 ? o.KAusr : AutoSeite(Index));

    m.text = o.Cap;
    m.textGemessen = o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::TextOhneAbdeckung
                     || o.Typ == ObjektTyp::Luecke
                     || ((o.Typ == ObjektTyp::Antwort || o.Typ == ObjektTyp::AntwortKopf) && aktuell && !modus3)
                     || (o.Typ == ObjektTyp::FrageText && aktuell);
    const bool istBadge = o.Typ == ObjektTyp::Infopunkt || o.Typ == ObjektTyp::Link || o.Typ == ObjektTyp::DokumentLink
                          || (o.Typ >= ObjektTyp::VorigeFrage && o.Typ <= ObjektTyp::ZufallsFrage);
    if (m.textGemessen) {
        const bool frage = o.Typ == ObjektTyp::FrageText;
        if (frage && !m.text.isEmpty()) {
            m.text = FragePlatzhalterErsetzen(m.text);
            m.bildName = BildTagAusschneiden(m.text);
            // Room for the flag only where there is one: the heading
            // "Frage:" is a question box too, and ten empty lines under it
            // would centre it far above its place, off the picture's top.
            if (!m.bildName.isEmpty())
                m.text += QString("\r\n").repeated(10);
        }
        m.font = ArialPixel(rnd((frage ? 21 : SchriftEinheiten(o.Fsize)) * s));
        m.kasten = TextKasten::Messen(m.font, m.text, frage, W - 2 * lx);
        m.tw = m.kasten.breite;
        m.bw0 = qMax(m.tw, rnd(30 * s));
        m.bh0 = m.kasten.hoehe + 4;
        if (o.Abdeckung == AbdeckungsArt::OffeneFrage || o.Abdeckung == AbdeckungsArt::Unbewertet) {
            m.bw = m.bh = rnd(30 * s);
        } else if (o.Abdeckung == AbdeckungsArt::Geloest || o.Abdeckung == AbdeckungsArt::Aufgegeben) {
            m.bw = 34;
            m.bh = 38;
        } else {
            m.bw = m.bw0;
            m.bh = m.bh0;
            if (o.Typ != ObjektTyp::Luecke && !m.text.isEmpty()) {
                if (m.seite == 3)
                    m.dx = qMax(m.bw - m.tw, 0);
                else if (m.seite == 2 || m.seite == 4)
                    m.dx = qMax(m.bw - m.tw, 0) / 2;
            }
        }
        if ((o.Typ == ObjektTyp::Beschriftung || o.Typ == ObjektTyp::TextOhneAbdeckung) && o.Cap.isEmpty())
            m.bw = m.bh = 0;
    } else if (istBadge) {
        m.bw = m.bh = rnd(30 * s);
    }

    m.box = KastenPlatzieren(m.seite, lx, ly, m.bw, m.bh, s);
    if (o.Typ == ObjektTyp::FrageText) {
        // The question box and its image start at the left tenth of the
        // picture, taken from the unscrolled display: a position that
        // followed the scroll offset at rebuild time would put them
        // elsewhere in the scene. The centring offset of the bitmap in its
        // control is left out: the scene is shown with that offset already,
        // so adding it here would push the box and the flag down onto the
        // answer panels.
        int x01 = rnd(0.1 * W), y025 = rnd(0.25 * H);
        if (aufSzene) {
            const double aw = Ausschnitt.Right - Ausschnitt.Left, ah = Ausschnitt.Bottom - Ausschnitt.Top;
            x01 = rnd(0.1 * AnzeigeBild.width() / (aw > 0 ? aw : 1));
            y025 = rnd(0.25 * AnzeigeBild.height() / (ah > 0 ? ah : 1));
        }
        m.box = QRect(x01 + 3, ly - rnd(m.bh / 2.0), m.bw, m.bh);
        if (!m.bildName.isEmpty())
            m.flaggenfeld = Flaggenfeld(QPoint(x01, y025), s);
    }
    return m;
}
