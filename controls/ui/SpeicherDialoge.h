// The main window's two save dialogs (rich text and plain text) that every window shares.
#pragma once
#include <QString>

class QFileDialog;
class QWidget;

enum class SpeicherArt { RichText, Text };

// One save dialog of the given kind: its filter, its default extension and
// the overwrite question; it opens in ordner (the protocol folder). The
// dialog is named SaveRTFDlg or SaveTXTDlg so a test can find it.
void SpeicherDialogEinrichten(QFileDialog &dlg, SpeicherArt art, const QString &titel, const QString &ordner);

// Shows that dialog modally; the chosen file, or empty when cancelled.
QString SpeicherDateiWaehlen(QWidget *eltern, SpeicherArt art, const QString &titel, const QString &ordner);
