// TBestListForm: the high-score window.
#pragma once
#include "BestListen.h"

#include <QDialog>

class IMeldungen;
class QLabel;
class QPushButton;
class QTableWidget;
class QFrame;

// The high-score window: the sorted list as a table that can be printed,
// saved as text and copied.
class TBestListForm : public QDialog, public IBestListAnzeige
{
    Q_OBJECT
public:
    explicit TBestListForm(IMeldungen &meldungen, QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QTableWidget *Grid1 = nullptr;
    QPushButton *DruckBtn = nullptr;
    QPushButton *SaveBtn = nullptr;
    QPushButton *ClipBtn = nullptr;
    QPushButton *OKBtn = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *MainBackImg = nullptr;

    // Initial folder of the save dialog (the protocol folder).
    QString TextSpeichernOrdner;

    // Sets the caption, fills the table and shows the window modally.
    void BestListAnzeigen(const QString &titel, const TBestList &liste) override;

    void GridFuellen(const TBestList &liste);
    // The cells as shown, header row first.
    QList<QStringList> Tabelle() const;
    QList<int> SpaltenBreiten() const;

    bool TextSpeichern(const QString &pfad); // reports a failure itself
    void InZwischenablage();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void DruckBtnClick();
    void SaveBtnClick();

    IMeldungen &meldungen;
    QList<QStringList> zeilen;
};
