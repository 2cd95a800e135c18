// New documents and their base pictures.
#include "NeuesDokument.h"

#include "BildDatei.h"
#include "Einzelfragen.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

static void RessourcenLaden()
{
    // The library's resources must be registered before the first use.
    Q_INIT_RESOURCE(EditorBilder);
}

QImage BasisBildVorbereiten(const QImage &roh)
{
    if (roh.isNull())
        return {};
    QImage bild = roh;
    if (bild.width() > BasisBildMaxKante || bild.height() > BasisBildMaxKante)
        bild = bild.scaled(BasisBildMaxKante, BasisBildMaxKante, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage deckend(bild.size(), QImage::Format_RGB32);
    deckend.fill(Qt::white);
    QPainter p(&deckend);
    p.drawImage(0, 0, bild);
    p.end();
    return deckend;
}

bool BasisBildLaden(const QString &pfad, QImage &bild)
{
    QImage gelesen;
    if (PngLesenDatei(pfad, gelesen)) {
        bild = gelesen;
        return true;
    }
    QImageReader leser(pfad, "jpeg");
    // A picture whose pixels would not fit in memory is refused, not read.
    leser.setAllocationLimit(512);
    if (!leser.canRead() || !leser.read(&gelesen) || gelesen.isNull())
        return false;
    bild = gelesen;
    return true;
}

QImage StandardBasisBild(DokArt art)
{
    if (art == DokArt::Einzelfragen) {
        RessourcenLaden();
        QFile karte(QStringLiteral(":/editor/fragekarte.png"));
        QImage bild;
        if (karte.open(QIODevice::ReadOnly) && PngLesen(karte, bild))
            return bild;
    }
    QImage weiss(870, 600, QImage::Format_RGB32);
    weiss.fill(Qt::white);
    return weiss;
}

Dokument NeuesDokumentAnlegen(const NeuesDokumentAngaben &angaben)
{
    Dokument d;
    d.DokTyp = angaben.Art;
    d.Titel = angaben.Titel;
    d.Autor = angaben.Autor;
    d.Bemerkung = angaben.Bemerkung;
    d.BasisBild = angaben.Bild.isNull() ? StandardBasisBild(angaben.Art) : BasisBildVorbereiten(angaben.Bild);
    if (angaben.Art == DokArt::Einzelfragen)
        EinzelfragenAufbauen(d);
    return d;
}
