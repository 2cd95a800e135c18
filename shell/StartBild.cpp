#include "StartBild.h"

#include "BildDatei.h"
#include "Dateifehler.h"

#include <QFileInfo>

QString StartBildPfad(const QString &progOrdner)
{
    return progOrdner + "data/" + "pennor.png";
}

QImage LadeStartBild(const QString &progOrdner, IMeldungen &meldungen)
{
    const QString pfad = StartBildPfad(progOrdner);
    QImage bild;
    if (!QFileInfo(pfad).isFile()) {
        meldungen.Fehler("Datei \"" + pfad + "\" nicht gefunden.");
        return bild;
    }
    // A damaged picture is reported like any unreadable file.
    if (!PngLesenDatei(pfad, bild)) {
        ZeigeLeseFehler(meldungen, pfad);
        return QImage();
    }
    return bild;
}
