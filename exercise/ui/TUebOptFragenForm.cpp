// The options dialog for single-question quizzes.
#include "TUebOptFragenForm.h"

#include "RadioGruppe.h"
#include "TUebOptForm.h"
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
    Zeitlimit = new RadioGruppe("Zeitlimit", " Zeitlimit ", {" ohne Zeitlimit ", " Zeitlimit von: "}, this);
    Zeitlimit->setGeometry(8, 160, breite - 16, 76);
    ZLimitMin = new ZahlEdit("ZLimitMin", Zeitlimit);
    ZLimitSek = new ZahlEdit("ZLimitSek", Zeitlimit);
    auto *einheit = new QLabel("Min.             Sek. ", Zeitlimit);
    ZeitEditsAnordnen(ZLimitMin, ZLimitSek, einheit, QPoint(160, 44));

    UebOptFragenZeigenCheck = new QCheckBox(" Dieses Dialogfenster vor jeder Übung anzeigen ", this);
    UebOptFragenZeigenCheck->setObjectName("UebOptFragenZeigenCheck");
    UebOptFragenZeigenCheck->setChecked(true);
    UebOptFragenZeigenCheck->setGeometry(8, 244, breite - 16, 24);
    OkBtn = new QPushButton("Übung starten", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    OkBtn->setGeometry(breite - 128, 276, 120, 28);
    CloseBtn = new QPushButton("Schließen", this);
    CloseBtn->setObjectName("CloseBtn");
    CloseBtn->setGeometry(breite - 236, 276, 100, 28);
    NetzUebInitPan = new QLabel(NetzUebInitText(), this);
    NetzUebInitPan->setObjectName("NetzUebInitPan");
    static_cast<QLabel *>(NetzUebInitPan)->setWordWrap(true);
    NetzUebInitPan->setStyleSheet("background:#fff8c0; border:1px solid #a0a080; padding:4px;");
    NetzUebInitPan->setGeometry(8, 176, breite - 16, 62);
    NetzUebInitPan->hide();
    setFixedSize(breite, 312);

    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto mitLimit = [this] { Zeitlimit->setItemIndex(1); };
    connect(ZLimitMin, &QLineEdit::textEdited, this, mitLimit);
    connect(ZLimitSek, &QLineEdit::textEdited, this, mitLimit);
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
    setFixedSize(breite, 312 + platz);
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

void TUebOptFragenForm::WerteSetzen(const UebOptWerte &w)
{
    auto index = [](int v, int n, int vorgabe) { return v >= 0 && v < n ? v : vorgabe; };
    ZuordnungFalsch->setItemIndex(index(w.FragenZuordnungFalsch, 2, 0));
    Zuordnungstexte->setItemIndex(index(w.FragenZuordnungstexte, 2, 1));
    Zuordnungsziele->setItemIndex(index(w.FragenZuordnungsziele, 2, 1));
    Zeitlimit->setItemIndex(index(w.FragenZeitlimit, 2, 0));
    ZLimitMin->setText(w.FragenZLimitMin.left(2));
    ZLimitSek->setText(w.FragenZLimitSek.left(2));
}
