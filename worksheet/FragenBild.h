// Question pictures (flags) on worksheets: loaded once per build from the
// program's "Flaggen/" folder and placed under the question text.
#pragma once
#include "Blatt.h"

#include <QHash>
#include <QImage>
#include <QString>

class FragenBilder
{
public:
    // progOrdner empty: the program folder of this run.
    explicit FragenBilder(const QString &progOrdner);

    // The picture of an image tag; null when the name is refused or the
    // file cannot be read.
    QImage Bild(const QString &name);

    // Puts the picture with its top-left at (x, y), hoehe units high in its
    // own proportions, with a thin grey outline so white edges show. A
    // missing picture leaves the outline of a 5 : 3 field.
    void Zeichnen(Blatt &blatt, const QString &name, int x, int y, int hoehe);

private:
    QString ordner;
    QHash<QString, QImage> geladen;
};
