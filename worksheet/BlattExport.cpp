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

QPageLayout A4Seite()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

QRectF StandardLageMm()
{
    return QRectF(PdfLinksMm, PdfObenMm, PdfBreiteMm, PdfBreiteMm * Blatt::Hoehe / Blatt::Breite);
}

QByteArray SvgDaten(const Blatt &blatt)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    // The same paper size as the metafiles: one unit is 0.17 mm, which
    // QSvgGenerator turns into the width and height in millimetres.
    svg.setResolution(qRound(2540.0 / MetaHundertstelMmProEinheit));
    svg.setSize(QSize(Blatt::Breite, Blatt::Hoehe));
    svg.setViewBox(QRect(0, 0, Blatt::Breite, Blatt::Hoehe));
    svg.setTitle(QStringLiteral("Arbeitsblatt"));
    QPainter p;
    if (!p.begin(&svg))
        return {};
    // An overlay stays transparent where it has nothing to show, so it can
    // be laid over the worksheet on screen or a projector.
    BlattMalen(p, blatt, QRectF(0, 0, Blatt::Breite, Blatt::Hoehe), blatt.Durchsichtig);
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
        if (!PngSchreiben(puffer, BlattBild(blatt, QSize(Blatt::Breite, Blatt::Hoehe), blatt.Durchsichtig)))
            return {};
        return puffer.data();
    }
    case BlattFormat::Pdf: {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        if (!PdfSchreiben({blatt}, puffer, A4Seite(), StandardLageMm()))
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

QStringList SatzDateinamen(const QString &dateiName, BlattFormat format, qsizetype anzahl)
{
    if (anzahl <= 1 || format == BlattFormat::Pdf)
        return {dateiName};
    const QFileInfo info(dateiName);
    const QString stamm = info.path() + QLatin1Char('/') + info.completeBaseName();
    QStringList namen;
    for (qsizetype i = 1; i <= anzahl; ++i)
        namen << QStringLiteral("%1-%2.%3").arg(stamm).arg(i).arg(info.suffix());
    return namen;
}

QString SatzSpeichern(const QList<Blatt> &blaetter, const QString &dateiName, BlattFormat format)
{
    if (format == BlattFormat::Pdf)
        return PdfDateiSchreiben(blaetter, dateiName, A4Seite(), StandardLageMm()) ? QString() : dateiName;
    const QStringList namen = SatzDateinamen(dateiName, format, blaetter.size());
    if (blaetter.isEmpty())
        return dateiName;
    for (qsizetype i = 0; i < blaetter.size(); ++i)
        if (!BlattSpeichern(blaetter[i], namen[i], format))
            return namen[i];
    return {};
}

bool PdfSchreiben(const QList<Blatt> &blaetter, QIODevice &ziel, const QPageLayout &seite, const QRectF &zielMm)
{
    if (blaetter.isEmpty())
        return false;
    QPdfWriter pdf(&ziel);
    pdf.setCreator(QStringLiteral("Pennoria"));
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(seite.pageSize(), seite.orientation(), QMarginsF()));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const double proMm = pdf.resolution() / 25.4;
    const QRectF r(zielMm.x() * proMm, zielMm.y() * proMm, zielMm.width() * proMm, zielMm.height() * proMm);
    for (qsizetype i = 0; i < blaetter.size(); ++i) {
        if (i > 0 && !pdf.newPage()) {
            p.end();
            return false;
        }
        BlattMalen(p, blaetter[i], r);
    }
    return p.end();
}

bool PdfDateiSchreiben(const QList<Blatt> &blaetter, const QString &dateiName, const QPageLayout &seite,
                       const QRectF &zielMm)
{
    // The rename would put a regular file in place of a FIFO or device.
    if (!SpeicherzielErlaubt(dateiName))
        return false;
    QSaveFile datei(dateiName);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    if (!PdfSchreiben(blaetter, datei, seite, zielMm)) {
        datei.cancelWriting();
        return false;
    }
    // A short write (full disk, size limit) makes the commit fail and
    // removes the temporary file.
    return datei.commit();
}

QString DateinameFuerArt(const QString &datei, BlattArt art)
{
    if (datei.isEmpty())
        return datei;
    static const char *const endungen[] = {"", "-loesung", "-folie"};
    const QFileInfo info(datei);
    QString stamm = info.completeBaseName();
    for (const char *e : endungen)
        if (*e && stamm.endsWith(QLatin1String(e)) && stamm.size() > qsizetype(qstrlen(e))) {
            stamm.chop(qsizetype(qstrlen(e)));
            break;
        }
    stamm += QLatin1String(endungen[int(art)]);
    const QString name = info.suffix().isEmpty() ? stamm : stamm + QLatin1Char('.') + info.suffix();
    return info.path() == QLatin1String(".") && !datei.startsWith(QLatin1String("./")) ? name
                                                                                       : info.path() + '/' + name;
}
