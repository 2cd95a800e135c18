// The drawing tools on the display bitmap: pen, highlighters, eraser,
// stamps and keywords. Drawings stay on the display until a scroll or pan
// commits them into the scene.
#include "Szene.h"
#include "Zeichenhilfen.h"

#include <QPainter>

const QColor Szene::SchlagwortFarbe(0, 90, 255);

QFont Szene::SchlagwortFont()
{
    return ArialPixel(24);
}

void Szene::WerkzeugWaehlen(Werkzeug w)
{
    AktWerkzeug = w;
    if (Anzeige)
        Anzeige->WerkzeugGeaendert(w);
}

void Szene::StrichZuruecksetzen()
{
    LetzterX = LetzterY = -1;
    StiftPos = QPoint(-1, -1);
}

WerkzeugSchritt Szene::WerkzeugDruck(QPoint steuerPixel)
{
    return WerkzeugAnwenden(true, steuerPixel);
}

WerkzeugSchritt Szene::WerkzeugBewegung(QPoint steuerPixel, bool linksGedrueckt)
{
    // The stroke goes on from the last point; until the mouse has moved
    // once after loading there is none, and nothing is drawn.
    const bool ohneLetzten = LetzterX == -1 && LetzterY == -1;
    StiftPos = QPoint(LetzterX, LetzterY);
    return WerkzeugAnwenden(linksGedrueckt && !ohneLetzten, steuerPixel);
}

WerkzeugSchritt Szene::WerkzeugLos(QPoint steuerPixel, bool linksGedrueckt)
{
    StempelGesetzt = false;
    return WerkzeugBewegung(steuerPixel, linksGedrueckt);
}

WerkzeugSchritt Szene::WerkzeugAnwenden(bool LinksGedrueckt, QPoint steuerPixel)
{
    WerkzeugSchritt schritt;
    const QPoint p = steuerPixel - BildVersatz();
    LetzterX = p.x();
    LetzterY = p.y();
    if (!LinksGedrueckt || AnzeigeBild.isNull())
        return schritt;

    switch (AktWerkzeug) {
    case Werkzeug::Stift:
    case Werkzeug::GelbMarker:
    case Werkzeug::GruenMarker: {
        const StiftArt art = StiftVon(AktWerkzeug);
        // A press right after loading has no pen position yet: a dot.
        const QPoint von = StiftPos.x() < 0 || StiftPos.y() < 0 ? p : StiftPos;
        QPainter maler(&AnzeigeBild);
        maler.setRenderHint(QPainter::Antialiasing, false);
        // The highlighters keep what lies below: every pixel becomes the
        // bitwise AND of pen and pixel, so black text stays black.
        if (art.maske)
            maler.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        maler.setPen(QPen(art.farbe, art.breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // A click without moving leaves a dot of the pen's width.
        if (von == p)
            maler.drawPoint(p);
        else
            maler.drawLine(von, p);
        StiftPos = p;
        const int r = art.breite / 2 + 2;
        schritt.geaendert = QRect(von, p).normalized().adjusted(-r, -r, r, r);
        break;
    }
    case Werkzeug::Radierer: {
        SauberAusschnittAuffrischen();
        const QRect quadrat(p.x() - 16, p.y() - 16, 32, 32);
        BlockKopieren(AnzeigeBild, quadrat.topLeft(), SauberAusschnitt, quadrat);
        schritt.geaendert = quadrat;
        break;
    }
    case Werkzeug::Haekchen:
    case Werkzeug::Kreuz: {
        if (StempelGesetzt)
            break;
        const bool haken = AktWerkzeug == Werkzeug::Haekchen;
        QPainter maler(&AnzeigeBild);
        const QPoint mitte = haken ? p + QPoint(5, 1) : p + QPoint(1, 0);
        SymbolZeichnen(maler, haken ? QChar(0x2714) : QChar(0x2718), 32, haken ? QColor(0, 196, 0) : QColor(220, 0, 0),
                       mitte.x(), mitte.y());
        StempelGesetzt = true;
        const int r = PunktZuPixel(32);
        schritt.geaendert = QRect(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r);
        break;
    }
    case Werkzeug::Text:
        schritt.texteingabe = true;
        schritt.punkt = steuerPixel;
        break;
    case Werkzeug::Zeiger:
    case Werkzeug::Hand:
        break;
    }
    schritt.geaendert &= AnzeigeBild.rect();
    if (!schritt.geaendert.isEmpty())
        ZeichnungenVorhanden = true;
    if (!schritt.geaendert.isEmpty() && Anzeige)
        Anzeige->BereichAuffrischen(schritt.geaendert);
    return schritt;
}

void Szene::AlleZeichnungenEntfernen()
{
    BildUebernehmen(SzenenBild, ObjekteBild);
    ZeichnungenVorhanden = false;
    AnsichtZeigen();
}

QRect Szene::SchlagwortSchreiben(QPoint anzeigePixel, const QString &text)
{
    if (text.isEmpty() || AnzeigeBild.isNull())
        return {};
    const QFont f = SchlagwortFont();
    QPainter maler(&AnzeigeBild);
    maler.setFont(f);
    maler.setPen(SchlagwortFarbe);
    TextAus(maler, anzeigePixel.x(), anzeigePixel.y(), text);
    const QFontMetrics fm(f, &AnzeigeBild);
    const QRect r = QRect(anzeigePixel, QSize(fm.horizontalAdvance(text) + 2, fm.height())) & AnzeigeBild.rect();
    ZeichnungenVorhanden = ZeichnungenVorhanden || !r.isEmpty();
    if (!r.isEmpty() && Anzeige)
        Anzeige->BereichAuffrischen(r);
    return r;
}
