// The options dialog for single-question quizzes.
#include "TUebOptFragenForm.h"

#include "RadioGruppe.h"
#include "TUebOptForm.h"
#include "UebOptTeile.h"
#include "ZahlEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

TUebOptFragenForm::TUebOptFragenForm(TUebOptForm *a, QWidget *parent) : QDialog(parent), andere(a)
{
    setObjectName("UebOptFragenForm");
    caption = QStringLiteral("Übungsoptionen für Einzelfragen");
    setWindowTitle(caption);
    const int breite = 480;
    ZuordnungFalsch = new RadioGruppe(
        "ZuordnungFalsch", " Abfragemodus ",
        {" solange wiederholen, bis jede Frage richtig beantwortet wurde ", " jede Frage nur einmal stellen "}, this);
    ZuordnungFalsch->setGeometry(8, 8, breite - 16, 70);
    Zuordnungstexte = new RadioGruppe("Zuordnungstexte", " Antwortmöglichkeiten ",
                                      {" alphabetisch geordnet ", " zufällig gemischt "}, this);
    Zuordnungstexte->setGeometry(8, 84, 226, 70);
    Zuordnungsziele =
        new RadioGruppe("Zuordnungsziele", " Reihenfolge der Fragen ", {" geordnet ", " zufällig gemischt "}, this);
    Zuordnungsziele->setGeometry(242, 84, breite - 250, 70);
    const ZeitlimitTeile zeit = ZeitlimitBauen(this, {" ohne Zeitlimit ", " Zeitlimit von: "}, QPoint(160, 44));
    Zeitlimit = zeit.Gruppe;
    ZLimitMin = zeit.Min;
    ZLimitSek = zeit.Sek;
    Zeitlimit->setGeometry(8, 160, breite - 16, 76);

    const DialogKnoepfe knoepfe = DialogKnoepfeBauen(this, "UebOptFragenZeigenCheck");
    UebOptFragenZeigenCheck = knoepfe.Zeigen;
    OkBtn = knoepfe.Ok;
    CloseBtn = knoepfe.Schliessen;
    NetzUebInitPan = knoepfe.NetzPan;
    UebOptFragenZeigenCheck->setGeometry(8, 244, breite - 16, 24);
    OkBtn->setGeometry(breite - 128, 276, 120, DialogKnopfHoehe);
    CloseBtn->setGeometry(breite - 236, 276, 100, DialogKnopfHoehe);
    NetzUebInitPan->setGeometry(8, 176, breite - 16, 62);
    setFixedSize(breite, 284 + DialogKnopfHoehe);
    WerteSetzen(UebOptWerte());
}

void TUebOptFragenForm::NetzwerkModus(bool an)
{
    setWindowTitle(an ? QStringLiteral("Netzwerk-") + caption : caption);
    NetzUebInitPan->setVisible(an);
    NetzUebInitPan->raise();
    // The panel gets room of its own below the groups, so that the time
    // limit stays in reach; the check box and the buttons move down.
    const int platz = an ? 70 : 0;
    const int breite = width();
    NetzUebInitPan->setGeometry(8, 244, breite - 16, 62);
    UebOptFragenZeigenCheck->move(8, 244 + platz);
    OkBtn->move(breite - 128, 276 + platz);
    CloseBtn->move(breite - 236, 276 + platz);
    setFixedSize(breite, 284 + DialogKnopfHoehe + platz);
}

void TUebOptFragenForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (andere)
        UebOptFragenZeigenCheck->setChecked(andere->UebOptZeigenCheck->isChecked());
    OkBtn->setFocus();
}

void TUebOptFragenForm::done(int r)
{
    if (andere)
        andere->UebOptZeigenCheck->setChecked(UebOptFragenZeigenCheck->isChecked());
    NetzwerkModus(false);
    QDialog::done(r);
}

void TUebOptFragenForm::WerteHolen(UebOptWerte &w) const
{
    w.FragenZuordnungFalsch = ZuordnungFalsch->ItemIndex();
    w.FragenZuordnungstexte = Zuordnungstexte->ItemIndex();
    w.FragenZuordnungsziele = Zuordnungsziele->ItemIndex();
    w.FragenZeitlimit = Zeitlimit->ItemIndex();
    w.FragenZLimitMin = ZLimitMin->text();
    w.FragenZLimitSek = ZLimitSek->text();
}

void TUebOptFragenForm::WerteSetzen(const UebOptWerte &werte)
{
    const UebOptWerte w = werte.Begrenzt();
    ZuordnungFalsch->setItemIndex(w.FragenZuordnungFalsch);
    Zuordnungstexte->setItemIndex(w.FragenZuordnungstexte);
    Zuordnungsziele->setItemIndex(w.FragenZuordnungsziele);
    Zeitlimit->setItemIndex(w.FragenZeitlimit);
    ZLimitMin->setText(w.FragenZLimitMin);
    ZLimitSek->setText(w.FragenZLimitSek);
}
