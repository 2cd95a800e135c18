// The worksheet window's outputs: saving, the clipboard, printing.
#include "TArbeitsblattForm.h"

#include "ArbeitsblattDialoge.h"
#include "ArbeitsblattErstellen.h"
#include "BlattExport.h"
#include "BlattMalen.h"
#include "Dateifehler.h"
#include "Meldungen.h"
#include "TArbblattDruckForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>

namespace {
// The clipboard picture: twice the page's units, at a resolution that
// pastes 17 cm wide, the width the metafiles print at.
constexpr int ZwischenablageFaktor = 2;
constexpr double ZwischenablageBreiteM = 0.17;
} // namespace

void TArbeitsblattForm::SaveBtnClick()
{
    ArbeitsblattErstellen();
    const QString datei = dialoge.SpeichernUnter(this);
    if (datei.isEmpty())
        return;
    const BlattFormat f = BlattFormatVon(datei);
    if (f != BlattFormat::Emf && f != BlattFormat::Wmf && f != BlattFormat::Pdf && f != BlattFormat::Svg) {
        meldungen.Fehler(QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
        return;
    }
    if (!AlleCheck->isChecked()) {
        if (!ArbeitsblattAusgeben(datei))
            ZeigeSchreibFehler(meldungen, datei);
        return;
    }
    const QList<Blatt> satz = Ausgabeblaetter();
    if (satz.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString fehler = SatzSpeichern(satz, datei, f);
    QApplication::restoreOverrideCursor();
    if (!fehler.isEmpty())
        ZeigeSchreibFehler(meldungen, fehler);
}

QList<Blatt> TArbeitsblattForm::Ausgabeblaetter()
{
    if (!BlattMetafile)
        return {};
    if (!AlleCheck->isChecked() || !szene)
        return {*BlattMetafile};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int zuLang = 0;
    const QList<Blatt> satz = ArbeitsblattSatz(Optionen(), *szene, zuLang);
    QApplication::restoreOverrideCursor();
    if (satz.isEmpty())
        meldungen.Fehler(QStringLiteral("Frage %1 passt nicht auf ein Blatt. Bitte kürzen Sie die Aufgabenstellung "
                                        "oder schalten Sie die Antworttexte aus.")
                             .arg(zuLang));
    return satz;
}

void TArbeitsblattForm::InClipBtnClick()
{
    ArbeitsblattErstellen();
    ArbeitsblattAusgeben(QString());
}

bool TArbeitsblattForm::ArbeitsblattAusgeben(const QString &datei)
{
    if (!BlattMetafile)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool ok = true;
    if (!datei.isEmpty()) {
        ok = BlattSpeichern(*BlattMetafile, datei, BlattFormatVon(datei));
    } else {
        // A picture for every program, and the vector page for those that
        // take SVG.
        auto *daten = new QMimeData;
        QImage bild = BlattBild(*BlattMetafile, QSize(Blatt::Breite, Blatt::Hoehe) * ZwischenablageFaktor);
        const int dpm = qRound(bild.width() / ZwischenablageBreiteM);
        bild.setDotsPerMeterX(dpm);
        bild.setDotsPerMeterY(dpm);
        daten->setImageData(bild);
        daten->setData(QStringLiteral("image/svg+xml"), BlattDaten(*BlattMetafile, BlattFormat::Svg));
        QApplication::clipboard()->setMimeData(daten);
    }
    QApplication::restoreOverrideCursor();
    return ok;
}

void TArbeitsblattForm::DruckBtnClick()
{
    ArbeitsblattErstellen();
    if (!BlattMetafile)
        return;
    const QList<Blatt> blaetter = Ausgabeblaetter();
    if (blaetter.isEmpty())
        return;
    druckForm.Proportion = double(Blatt::Breite) / Blatt::Hoehe;
    druckForm.Art = Optionen().Art;
    druckForm.Zeigen(blaetter);
}
