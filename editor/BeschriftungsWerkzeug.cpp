// The labelling tool.
#include "BeschriftungsWerkzeug.h"

#include "Bearbeitung.h"
#include "Szene.h"

BeschriftungsWerkzeug::BeschriftungsWerkzeug(Bearbeitung &bearbeitung, Szene &s) : b(bearbeitung), szene(s) {}

void BeschriftungsWerkzeug::Druck(QPoint p)
{
    druckPunkt = letzter = p;
    Wartend.reset();
    const auto &objekte = b.Dok.Objekte;
    if (Ausgewaehlt >= 0 && Ausgewaehlt < objekte.size()) {
        const DokObjekt &o = objekte[Ausgewaehlt];
        const QPoint anker = szene.AnzeigePixel(o.Sx, o.Sy);
        if (o.Sline && (anker - p).manhattanLength() <= AnkerFang) {
            zustand = Zustand::Anker;
            return;
        }
    }
    const int i = szene.ObjektAn(p.x(), p.y());
    if (i >= 0 && i < objekte.size()) {
        Ausgewaehlt = i;
        kastenStart = QPointF(objekte[i].Kx, objekte[i].Ky);
        zustand = Zustand::Kasten;
        return;
    }
    zustand = Zustand::Neu;
}

void BeschriftungsWerkzeug::Bewegung(QPoint p)
{
    letzter = p;
    switch (zustand) {
    case Zustand::Kasten: {
        // The box moves by the mouse's way, so it does not jump to the pointer.
        const QPointF jetzt = szene.SteuerNachBruch(p), start = szene.SteuerNachBruch(druckPunkt);
        const QPointF ziel = kastenStart + (jetzt - start);
        b.KastenVerschieben(Ausgewaehlt, QPointF(qBound(0.0, ziel.x(), 1.0), qBound(0.0, ziel.y(), 1.0)));
        break;
    }
    case Zustand::Anker:
        b.AnkerVerschieben(Ausgewaehlt, szene.SteuerNachBruch(p));
        break;
    default:
        break;
    }
}

bool BeschriftungsWerkzeug::Los(QPoint p)
{
    const Zustand war = zustand;
    zustand = Zustand::Ruhe;
    if (war == Zustand::Kasten || war == Zustand::Anker) {
        if (p != druckPunkt)
            Bewegung(p);
        // The next drag is a step of its own.
        b.ZugBeenden();
        return false;
    }
    if (war != Zustand::Neu)
        return false;
    Wartend = Neu{szene.SteuerNachBruch(druckPunkt), szene.SteuerNachBruch(p)};
    return true;
}

QString BeschriftungsWerkzeug::Anlegen(const QString &cap)
{
    if (!Wartend)
        return QStringLiteral("Es wartet keine neue Beschriftung.");
    if (cap.trimmed().isEmpty())
        return QStringLiteral("Bitte geben Sie den Text der Beschriftung ein.");
    const QString fehler = b.BeschriftungAnlegen(Wartend->anker, Wartend->kasten, cap.trimmed());
    if (fehler.isEmpty()) {
        Wartend.reset();
        Ausgewaehlt = int(b.Dok.Objekte.size()) - 1;
    }
    return fehler;
}
