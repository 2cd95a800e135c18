// Saving the learning view as an image: format from the name, BMP/PNG/JPEG writing.
#include "AnsichtAusgabe.h"

#include "BildDatei.h"
#include "SichereDatei.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

BildFormat FormatVonDateiname(const QString &pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == "png")
        return BildFormat::Png;
    if (endung == "jpg")
        return BildFormat::Jpeg;
    if (endung == "bmp")
        return BildFormat::Bmp;
    return BildFormat::Ungueltig;
}

namespace {
bool BmpSchreibenDatei(const QString &pfad, const QImage &bild)
{
    // Encoded in memory first: the image writer does not report every
    // failed write of its device.
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "bmp");
    if (!schreiber.write(bild.convertToFormat(QImage::Format_RGB32)))
        return false;
    QSaveFile datei(pfad);
    if (!SpeicherzielErlaubt(pfad) || !datei.open(QIODevice::WriteOnly))
        return false;
    if (datei.write(daten) != daten.size() || !datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
} // namespace

bool BildSpeichern(const QImage &bild, const QString &pfad)
{
    if (bild.isNull())
        return false;
    switch (FormatVonDateiname(pfad)) {
    case BildFormat::Png:
        return PngSchreibenDatei(pfad, bild.convertToFormat(QImage::Format_RGB32), 5);
    case BildFormat::Jpeg:
        return JpegSchreibenDatei(pfad, bild, 99);
    case BildFormat::Bmp:
        return BmpSchreibenDatei(pfad, bild);
    case BildFormat::Ungueltig:
        break;
    }
    return false;
}
