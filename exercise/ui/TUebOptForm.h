// TUebOptForm: the options of picture-labelling and cloze-text quizzes.
#pragma once
#include "UebOptTeile.h"
#include "UebOptWerte.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class RadioGruppe;
class ZahlEdit;

// "Übungsoptionen für Bildbeschriftung und Lückentext": the options of
// picture-labelling and cloze-text quizzes. Reduced (276 px) it shows the
// query mode and the time limit; "Erweitert..." adds the four groups of
// the assignment behaviour (514 px).
class TUebOptForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int HoeheReduziert = 276;
    static constexpr int HoeheErweitert = 514;

    explicit TUebOptForm(QWidget *parent = nullptr);

    RadioGruppe *AbfrageModus;
    RadioGruppe *Zeitlimit;
    ZahlEdit *ZLimitMin;
    ZahlEdit *ZLimitSek;
    RadioGruppe *ZuordnungRichtig;
    RadioGruppe *ZuordnungFalsch;
    QLabel *ZuordnungFalschLab;
    RadioGruppe *Zuordnungstexte;
    RadioGruppe *Zuordnungsziele;
    RadioGruppe *RiFaRueckmeldung; // never shown
    QCheckBox *UebOptZeigenCheck;
    QPushButton *OkBtn;
    QPushButton *CloseBtn;
    QPushButton *ErwBtn;
    QWidget *NetzUebInitPan;

    bool Erweitert() const { return erweitert; }
    void ErwBtnClick();
    // A network initiation shows the panel and "Netzwerk-" in the caption.
    void NetzwerkModus(bool an);

    void WerteHolen(UebOptWerte &w) const;
    void WerteSetzen(const UebOptWerte &w);

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    void RiFaAbhaengigkeit();
    void Anordnen();
    QString caption;
    bool erweitert = false;
    bool netz = false; // network form: the panel gets room of its own
};
