// The cloze page of the editor: the text with its markup, the gap button and the preview.
#pragma once
#include <QWidget>

class Bearbeitung;
class IMeldungen;
class QLabel;
class QPlainTextEdit;
class QTimer;

class LueckenSeite : public QWidget
{
    Q_OBJECT
public:
    LueckenSeite(Bearbeitung &bearbeitung, IMeldungen &meldungen, const QString &progOrdner, QWidget *parent = nullptr);

    // Text and preview again from the document (the cursor stays when the
    // text did not change).
    void Neuladen();
    // Stores what was typed (one step of the history), if anything.
    void Uebernehmen();
    // The selected word becomes a gap.
    void LueckeMachen();

    QPlainTextEdit *TextEdit = nullptr;
    QLabel *Vorschau = nullptr;
    QLabel *LueckenInfo = nullptr;

private:
    void VorschauZeigen();
    Bearbeitung &b;
    IMeldungen &meldungen;
    QString progOrdner;
    QTimer *tippPause = nullptr;
};
