// Question pictures on worksheets.
#include "FragenBild.h"

#include "BildDatei.h"
#include "Fragentext.h"
#include "Ordner.h"
#include "Runden.h"

FragenBilder::FragenBilder(const QString &progOrdner) : ordner(progOrdner.isEmpty() ? Ordner().ProgOrdner : progOrdner)
{
}

QImage FragenBilder::Bild(const QString &name)
{
    auto it = geladen.constFind(name);
    if (it != geladen.constEnd())
        return *it;
    QImage bild;
    const QString pfad = FlaggenDatei(ordner, name);
    if (pfad.isEmpty() || !PngLesenDatei(pfad, bild) || bild.isNull())
        bild = QImage();
    else
        bild = bild.convertToFormat(QImage::Format_RGB32);
    geladen.insert(name, bild);
    return bild;
}

void FragenBilder::Zeichnen(Blatt &blatt, const QString &name, int x, int y, int hoehe)
{
    const QImage bild = Bild(name);
    const double seiten = bild.isNull() ? 5.0 / 3.0 : double(bild.width()) / bild.height();
    const int breite = qMax(1, rnd(hoehe * seiten));
    const QRect ziel(x, y, breite, hoehe);
    blatt.Bild(ziel, bild);
    // The outline lies just outside the picture.
    blatt.Rahmen(x - 1, y - 1, x + breite + 1, y + hoehe + 1, QColor(160, 160, 160));
}
