// TUebProtokollForm: the protocol window of the last run.
#pragma once
#include <QDialog>

class QPushButton;
class QTextEdit;
class TProtKomForm;
class IMeldungen;

// "Quiz-Protokoll": shows the protocol of the last run as rich text and
// copies, saves, prints and comments it.
class TUebProtokollForm : public QDialog
{
    Q_OBJECT
public:
    TUebProtokollForm(IMeldungen &meldungen, QWidget *parent = nullptr);

    QTextEdit *RichEdit1;
    QPushButton *OKBtn;
    QPushButton *InClipBtn;
    QPushButton *SaveBtn;
    QPushButton *DruckBtn;
    QPushButton *KommBtn;
    TProtKomForm *ProtKomForm;

    // Renders protocol markup; with loeschen the window is emptied first,
    // else the text is appended.
    void ProtokollDarstellen(const QString &text, bool loeschen);
    // What the window shows, as protocol markup (comments included).
    const QString &Inhalt() const { return inhalt; }
    QByteArray Rtf() const;

    void InClipBtnClick();
    bool Speichern(const QString &pfad); // false after the error was shown
    void SaveBtnClick();
    void DruckBtnClick();
    void KommBtnClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    IMeldungen &meldungen;
    QString inhalt;
};
