// The teacher's live view of a class exercise: one row per participation.
#pragma once
#include <QDialog>

class KontrollModell;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

// Not modal: the teacher keeps it open beside the main window while the
// class works. The rows follow the model as the messages come in.
class TKontrollForm : public QDialog
{
    Q_OBJECT
public:
    TKontrollForm(KontrollModell &modell, QWidget *eltern = nullptr);

    QLabel *KopfLab = nullptr;
    QTableView *KontrollGrid = nullptr;
    QLabel *ZaehlerLab = nullptr;
    QLabel *VerworfenLab = nullptr;
    QPushButton *BeendenBtn = nullptr;
    QPushButton *BestListBtn = nullptr;
    QPushButton *SchliessenBtn = nullptr;
    QSortFilterProxyModel *Sortierung = nullptr;

    // Topic, folder, channel and whether this computer receives the reports.
    void KopfSetzen(const QString &thema, const QString &ordner, const QString &kanal, bool empfaengt);
    // Shows the window (again) in front.
    void Zeigen();
    // "3 Teilnahmen: 1 läuft, 2 beendet".
    QString ZaehlerText() const;

signals:
    void KlassenlisteGewuenscht();
    // "Übung beenden": the ending with its question runs outside.
    void UebungBeendenGewuenscht();

private:
    void ZaehlerAktualisieren();
    KontrollModell &modell;
};
