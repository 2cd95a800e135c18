// Writing a small topic document for the shell tests.
#include "TestDokumente.h"

#include "Dokument.h"
#include "DokumentDatei.h"

#include <QFile>

bool SchreibeTestDokument(const QString &pfad, const QString &titel, int anzFragen)
{
    Dokument d;
    d.Titel = titel;
    d.AnzFrageNummern = anzFragen;
    d.DokTyp = DokArt::Einzelfragen;
    d.BasisBild = QImage(4, 3, QImage::Format_RGB32);
    d.BasisBild.fill(Qt::white);
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && DokumentSchreiben(f, d);
}
