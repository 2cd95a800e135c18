// TUebOptFragenForm: the options of single-question quizzes.
#pragma once
#include "UebOptWerte.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class RadioGruppe;
class TUebOptForm;
class ZahlEdit;

// "Übungsoptionen für Einzelfragen". Its groups reuse the control names of
// the other options dialog with other captions; its show-this-dialog box
// follows the other dialog's box.
class TUebOptFragenForm : public QDialog
{
    Q_OBJECT
public:
    explicit TUebOptFragenForm(TUebOptForm *andere, QWidget *parent = nullptr);

    RadioGruppe *ZuordnungFalsch;
    RadioGruppe *Zuordnungstexte;
    RadioGruppe *Zuordnungsziele;
    RadioGruppe *Zeitlimit;
    ZahlEdit *ZLimitMin;
    ZahlEdit *ZLimitSek;
    QCheckBox *UebOptFragenZeigenCheck;
    QPushButton *OkBtn;
    QPushButton *CloseBtn;
    QWidget *NetzUebInitPan;

    void NetzwerkModus(bool an);
    void WerteHolen(UebOptWerte &w) const;
    void WerteSetzen(const UebOptWerte &w);

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    TUebOptForm *andere;
    QString caption;
};
