// Printing a text document page by page with a page number at the foot of each page.
#include "SeitenDruck.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <memory>

QString SeitenFuss(int seite, int seiten)
{
    return QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten);
}

int MitSeitenzahlDrucken(const QTextDocument &dok, QPagedPaintDevice &geraet)
{
    QPainter p;
    if (!p.begin(&geraet))
        return 0;
    const QRectF flaeche = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    const std::unique_ptr<QTextDocument> kopie(dok.clone());
    kopie->documentLayout()->setPaintDevice(&geraet);
    QFont fussSchrift = kopie->defaultFont();
    fussSchrift.setPointSizeF(9);
    const QFontMetricsF fm(fussSchrift, &geraet);
    // One blank line between the text and the page number.
    const qreal fuss = 2 * fm.height();
    const QSizeF textSeite(flaeche.width(), qMax<qreal>(flaeche.height() - fuss, fm.height()));
    kopie->setPageSize(textSeite);
    const int seiten = qMax(1, kopie->pageCount());
    for (int i = 0; i < seiten; ++i) {
        if (i > 0)
            geraet.newPage();
        p.save();
        const QRectF ausschnitt(0, i * textSeite.height(), textSeite.width(), textSeite.height());
        p.translate(0, -ausschnitt.top());
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = ausschnitt;
        p.setClipRect(ausschnitt);
        kopie->documentLayout()->draw(&p, ctx);
        p.restore();
        p.setFont(fussSchrift);
        p.setPen(Qt::black);
        p.drawText(QRectF(0, flaeche.height() - fm.height(), flaeche.width(), fm.height()), Qt::AlignHCenter,
                   SeitenFuss(i + 1, seiten));
    }
    p.end();
    return seiten;
}
