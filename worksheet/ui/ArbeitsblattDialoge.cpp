// The save and printer dialogs of the worksheet windows.
#include "ArbeitsblattDialoge.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

QString ArbeitsblattFilter()
{
    // The metafile formats first, as teachers know them; PDF and SVG are
    // what most programs on this platform print and place.
    return QStringLiteral("Enhanced Metafile (*.emf);;Metafile (*.wmf);;PDF-Dokument (*.pdf);;SVG-Grafik (*.svg);;"
                          "Alle Dateien (*.*)");
}

QString QtArbeitsblattDialoge::SpeichernUnter(QWidget *eltern)
{
    QFileDialog d(eltern, QStringLiteral("Arbeitsblatt exportieren"), ordner.isEmpty() ? QDir::homePath() : ordner,
                  ArbeitsblattFilter());
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(QStringLiteral("emf"));
    d.setOption(QFileDialog::DontConfirmOverwrite, false);
    // A name typed without extension takes the chosen type's.
    QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d](const QString &filter) {
        const qsizetype a = filter.indexOf(QLatin1String("*.")), e = filter.indexOf(QLatin1Char(')'));
        const QString endung = a >= 0 && e > a ? filter.mid(a + 2, e - a - 2) : QString();
        d.setDefaultSuffix(endung == QLatin1String("*") ? QStringLiteral("emf") : endung);
    });
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    const QString datei = d.selectedFiles().first();
    ordner = QFileInfo(datei).absolutePath();
    return datei;
}

bool QtArbeitsblattDialoge::DruckerEinrichten(QPrinter &drucker, QWidget *eltern)
{
    QPrintDialog d(&drucker, eltern);
    d.setWindowTitle(QStringLiteral("Drucker einrichten"));
    d.setOption(QAbstractPrintDialog::PrintToFile, true);
    d.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return d.exec() == QDialog::Accepted;
}
