// TBestListVerzForm: the folder window for protocols and high-score lists.
#pragma once
#include <QDialog>

class IMeldungen;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QFrame;

// "Ordner für Protokolle und Bestenlisten": the folder for automatically
// saved protocols and the folder of the high-score files.
class TBestListVerzForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBestListVerzForm(IMeldungen &meldungen, QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLineEdit *ProtVerzEdit1 = nullptr;
    QPushButton *ProtVerzAuswBtn = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *BestListVerzEdit1 = nullptr;
    QPushButton *BestListVerzAuswBtn = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *CloseBtn = nullptr;
    QPushButton *BitBtn21 = nullptr;
    QLabel *MainBackImg = nullptr;

    // Shows the window with the two folders; true and both folders replaced
    // (each ending in "/") when the user confirmed two valid folders.
    bool OrdnerWaehlen(QString &protOrdner, QString &bestListOrdner);

    // "OK": the check; closes the window only when both folders exist.
    void CloseBtnClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void Durchsuchen(QLineEdit *edit, const QString &titel);

    IMeldungen &meldungen;
    QString protErgebnis;
    QString bestListErgebnis;
};
