// Saving the learning view as an image: format from the name, BMP/PNG/JPEG writing.
#include "AnsichtAusgabe.h"

#include "BildDatei.h"
#include "SichereDatei.h"

#include <QFileInfo>
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

QString EndungVonFilter(const QString &filter)
{
    // The first pattern between the parentheses: "(*.jpg)" -> "jpg".
    const qsizetype auf = filter.indexOf("(*.");
    const qsizetype zu = filter.indexOf(')', auf);
    if (auf < 0 || zu < 0)
        return QString::fromLatin1(AnsichtAusgabe::StandardEndung);
    QString endung = filter.mid(auf + 3, zu - auf - 3).section(' ', 0, 0).section(';', 0, 0);
    if (endung.isEmpty() || endung.contains('*') || endung.contains('?'))
        return QString::fromLatin1(AnsichtAusgabe::StandardEndung);
    return endung;
}

QString EndungErgaenzen(const QString &pfad, const QString &filter)
{
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.suffix().isEmpty() || pfad.endsWith('/'))
        return pfad;
    // "bild." has an empty extension as well; it gets no second dot.
    return pfad + (pfad.endsWith('.') ? QString() : QStringLiteral(".")) + EndungVonFilter(filter);
}

namespace {
// A Windows bitmap of 32 bits per pixel, rows bottom-up, as the view's
// bitmap is converted to one: blue, green, red and an unused fourth byte.
QByteArray Bmp32(const QImage &bild)
{
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    const quint32 zeile = quint32(b.width()) * 4;
    const quint32 pixel = zeile * quint32(b.height());
    QByteArray d;
    d.reserve(54 + qsizetype(pixel));
    auto wort = [&d](quint32 w, int bytes) {
        for (int i = 0; i < bytes; ++i)
            d.append(char((w >> (8 * i)) & 0xFF));
    };
    d.append("BM", 2);
    wort(54 + pixel, 4); // file size
    wort(0, 4);          // reserved
    wort(54, 4);         // offset of the pixels
    wort(40, 4);         // BITMAPINFOHEADER
    wort(quint32(b.width()), 4);
    wort(quint32(b.height()), 4); // positive: bottom-up
    wort(1, 2);                   // planes
    wort(32, 2);                  // bits per pixel
    wort(0, 4);                   // BI_RGB
    wort(pixel, 4);
    wort(3780, 4); // 96 dpi
    wort(3780, 4);
    wort(0, 4);
    wort(0, 4);
    for (int y = b.height() - 1; y >= 0; --y) {
        const QRgb *z = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x)
            wort(z[x] & 0x00FFFFFF, 4);
    }
    return d;
}

bool BmpSchreibenDatei(const QString &pfad, const QImage &bild)
{
    // Encoded in memory first, then written beside the target and renamed.
    const QByteArray daten = Bmp32(bild);
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
