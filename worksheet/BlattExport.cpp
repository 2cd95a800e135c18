// Files and clipboard data of the worksheet page.
#include "BlattExport.h"

#include "BildDatei.h"
#include "BlattMalen.h"
#include "EmfSchreiber.h"
#include "SichereDatei.h"
#include "WmfSchreiber.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

// The sheet on an A4 page as printing places it by default: 2.2 cm from
// the left, 1.4 cm from the top, 16.6 cm wide, in the page's proportion.
constexpr double PdfLinksMm = 22.0, PdfObenMm = 14.0, PdfBreiteMm = 166.0;

bool PdfSchreiben(const Blatt &blatt, QIODevice &ziel)
{
    QPdfWriter pdf(&ziel);
    pdf.setCreator(QStringLiteral("Pennoria"));
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const double proMm = pdf.resolution() / 25.4;
    const double breite = PdfBreiteMm * proMm;
    BlattMalen(p, blatt, QRectF(PdfLinksMm * proMm, PdfObenMm * proMm, breite, breite * Blatt::Hoehe / Blatt::Breite));
    return p.end();
}

QByteArray SvgDaten(const Blatt &blatt)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    // At 96 dpi one unit is one CSS pixel, so viewers show the page's size.
    svg.setResolution(96);
    svg.setSize(QSize(Blatt::Breite, Blatt::Hoehe));
    svg.setViewBox(QRect(0, 0, Blatt::Breite, Blatt::Hoehe));
    svg.setTitle(QStringLiteral("Arbeitsblatt"));
    QPainter p;
    if (!p.begin(&svg))
        return {};
    BlattMalen(p, blatt, QRectF(0, 0, Blatt::Breite, Blatt::Hoehe));
    p.end();
    return puffer.data();
}

} // namespace

BlattFormat BlattFormatVon(const QString &dateiName)
{
    const QString ext = QFileInfo(dateiName).suffix().toLower();
    if (ext == QLatin1String("emf"))
        return BlattFormat::Emf;
    if (ext == QLatin1String("wmf"))
        return BlattFormat::Wmf;
    if (ext == QLatin1String("pdf"))
        return BlattFormat::Pdf;
    if (ext == QLatin1String("svg"))
        return BlattFormat::Svg;
    if (ext == QLatin1String("png"))
        return BlattFormat::Png;
    return BlattFormat::Unbekannt;
}

QByteArray BlattDaten(const Blatt &blatt, BlattFormat format)
{
    switch (format) {
    case BlattFormat::Emf:
        return EmfSchreiben(blatt);
    case BlattFormat::Wmf:
        return WmfSchreiben(blatt);
    case BlattFormat::Svg:
        return SvgDaten(blatt);
    case BlattFormat::Png: {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        if (!PngSchreiben(puffer, BlattBild(blatt)))
            return {};
        return puffer.data();
    }
    case BlattFormat::Pdf: {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        if (!PdfSchreiben(blatt, puffer))
            return {};
        return puffer.data();
    }
    case BlattFormat::Unbekannt:
        break;
    }
    return {};
}

bool BlattSpeichern(const Blatt &blatt, const QString &dateiName, BlattFormat format)
{
    if (format == BlattFormat::Unbekannt)
        return false;
    const QByteArray daten = BlattDaten(blatt, format);
    if (daten.isEmpty())
        return false;
    // The rename would put a regular file in place of a FIFO or device.
    QSaveFile datei(dateiName);
    if (!SpeicherzielErlaubt(dateiName) || !datei.open(QIODevice::WriteOnly))
        return false;
    if (datei.write(daten) != daten.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
