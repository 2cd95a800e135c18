// Documents built in memory and a scene over them, for the view tests.
#pragma once
#include "Runden.h"
#include "Szene.h"
#include "TestDienste.h"
#include "TestObjekte.h"

#include <QColor>
#include <QImage>

inline QImage Einfarbig(int w, int h, QColor c)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(c);
    return b;
}

// A scene in an 870 x 650 control over a green 870 x 650 picture.
struct SzenenTest
{
    TestUmgebung umgebung;
    DokumentZustand zustand;
    Szene szene{zustand, umgebung.dienste};

    SzenenTest()
    {
        zustand.Dok.BasisBild = Einfarbig(870, 650, QColor(0, 128, 0));
        szene.SteuerGroesse = QSize(870, 650);
    }
    DokObjekt &Obj(int i) { return zustand.Dok.Objekte[i]; }
    // Control pixel at the centre of an object's drawn box.
    QPoint BoxMitte(int i) const
    {
        const DokObjekt &o = zustand.Dok.Objekte[i];
        return szene.AnzeigePixel((o.Rahmen.Left + o.Rahmen.Right) / 2, (o.Rahmen.Top + o.Rahmen.Bottom) / 2);
    }
    QColor Szenenfarbe(int x, int y) const { return QColor(szene.SzenenBild.pixel(x, y)); }
};

// An object's drawn box in scene-bitmap pixels, rounded as the scene rounds.
inline QRect SzenenBox(const SzenenTest &t, int i)
{
    const DokObjekt &o = t.zustand.Dok.Objekte[i];
    const int w = t.szene.SzenenBild.width(), h = t.szene.SzenenBild.height();
    return QRect(QPoint(rnd(o.Rahmen.Left * w), rnd(o.Rahmen.Top * h)),
                 QPoint(rnd(o.Rahmen.Right * w) - 1, rnd(o.Rahmen.Bottom * h) - 1));
}
