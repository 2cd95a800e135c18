// "Information": the info text of an info point as a scrollable picture, printable and saveable.
#pragma once
#include "ZiehRollen.h"

#include <QDialog>

class IMeldungen;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTextEdit;

// A tool window that stays on top and does not block: the learning view
// hands it the text of an info point. It shows the text rendered with the
// markup layout and keeps a copy without style tags for printing, saving
// as rich text and the clipboard.
class TInfoboxForm : public QDialog
{
    Q_OBJECT
public:
    explicit TInfoboxForm(IMeldungen &meldungen, QWidget *parent = nullptr);

    QLabel *MainBackImg = nullptr;
    QWidget *Panel1 = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *TextImg = nullptr;
    QPlainTextEdit *Memo1 = nullptr; // the lines as handed over
    QTextEdit *RichEdit1 = nullptr;  // printable and saveable copy
    QPushButton *DruckBtn = nullptr;
    QPushButton *ExpBtn = nullptr;
    QPushButton *ClipBtn = nullptr;
    QPushButton *CloseBtn = nullptr;

    // Fills Memo1, renders the text picture, sizes the window, places it at
    // the top right of hauptfenster and shows it without blocking.
    void InfotextZeigen(const QString &text, QWidget *hauptfenster);

    // The lines of Memo1.
    QStringList Zeilen() const;
    // Refills RichEdit1 from Memo1 without the style tags, 11 points.
    void RichEditFuellen();
    QByteArray Rtf() const;

    // The button commands; the dialogs are the main window's.
    void DruckBtnClick();
    void ExpBtnClick();
    void ClipBtnClick();
    void Drucken(QPrinter &drucker);
    bool Speichern(const QString &pfad); // false after the error was shown
    // The folder the save dialog opens in (the protocol folder).
    QString RtfSpeichernOrdner;

    // One line step up (-1) or down (+1), as Page Up and Page Down do.
    void ZeilenSchritt(int richtung);

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void Anordnen();

    IMeldungen &meldungen;
    ZiehRollen ziehen;
};
