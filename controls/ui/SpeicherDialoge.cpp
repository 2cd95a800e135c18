// The main window's two save dialogs (rich text and plain text) that every window shares.
#include "SpeicherDialoge.h"

#include <QFileDialog>

void SpeicherDialogEinrichten(QFileDialog &dlg, SpeicherArt art, const QString &titel, const QString &ordner)
{
    const bool rtf = art == SpeicherArt::RichText;
    dlg.setObjectName(rtf ? QStringLiteral("SaveRTFDlg") : QStringLiteral("SaveTXTDlg"));
    dlg.setWindowTitle(titel);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    dlg.setNameFilters(
        rtf ? QStringList{QStringLiteral("Rich Text Dokument (*.rtf)"), QStringLiteral("Alle Dateien (*.*)")}
            : QStringList{QStringLiteral("Textdatei (*.txt)"), QStringLiteral("Alle Dateien (*.*)")});
    dlg.setDefaultSuffix(rtf ? QStringLiteral("rtf") : QStringLiteral("txt"));
    if (!ordner.isEmpty())
        dlg.setDirectory(ordner);
}

QString SpeicherDateiWaehlen(QWidget *eltern, SpeicherArt art, const QString &titel, const QString &ordner)
{
    QFileDialog dlg(eltern);
    SpeicherDialogEinrichten(dlg, art, titel, ordner);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}
