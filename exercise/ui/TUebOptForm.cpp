// The options dialog for picture-labelling and cloze-text quizzes.
#include "TUebOptForm.h"

#include "RadioGruppe.h"
#include "UebOptTeile.h"
#include "ZahlEdit.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

TUebOptForm::TUebOptForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("UebOptForm");
    caption = QStringLiteral("Übungsoptionen für Bildbeschriftung und Lückentext");
    setWindowTitle(caption);
    const int breite = 480;

    AbfrageModus = new RadioGruppe("AbfrageModus", " Abfragemodus ",
                                   {" freie Zuordnung ", " Einzelabfrage Texte ", " Einzelabfrage Positionen "}, this);
    AbfrageModus->setGeometry(8, 8, 250, 100);
    const ZeitlimitTeile zeit = ZeitlimitBauen(this, {" ohne Zeitlimit", " mit Zeitlimit:"}, QPoint(24, 70));
    Zeitlimit = zeit.Gruppe;
    ZLimitMin = zeit.Min;
    ZLimitSek = zeit.Sek;
    Zeitlimit->setGeometry(266, 8, breite - 274, 100);
    // The edits sit below the items; keep the items above them.
    Zeitlimit->setMinimumHeight(100);

    ZuordnungRichtig = new RadioGruppe("ZuordnungRichtig", " Verhalten bei richtiger Zuordnung ",
                                       {" Beschriftung einblenden ", " grünes Häkchen setzen "}, this);
    ZuordnungRichtig->setGeometry(8, 116, 250, 70);
    ZuordnungFalsch = new RadioGruppe("ZuordnungFalsch", " Verhalten bei falscher Zuordnung (Fehlversuch) ",
                                      {" beliebig viele Zuordnungsversuche erlaubt ", " rotes Kreuz setzen,  "}, this);
    ZuordnungFalsch->setGeometry(8, 192, breite - 16, 84);
    ZuordnungFalschLab = new QLabel("keine erneute Zuordnung an dieser Position", ZuordnungFalsch);
    ZuordnungFalschLab->setObjectName("ZuordnungFalschLab");
    ZuordnungFalschLab->move(30, 62);
    ZuordnungFalschLab->adjustSize();
    Zuordnungstexte = new RadioGruppe("Zuordnungstexte", " Zuordnungstexte ",
                                      {" alphabetisch geordnet ", " zufällig gemischt "}, this);
    Zuordnungstexte->setGeometry(266, 116, breite - 274, 70);
    Zuordnungsziele = new RadioGruppe("Zuordnungsziele", " Zuordnungsziele (Positionen) ",
                                      {" geordnet nummeriert ", " zufällig gemischt nummeriert ", " Fragezeichen "},
                                      this);
    Zuordnungsziele->setGeometry(8, 282, breite - 16, 92);
    RiFaRueckmeldung = new RadioGruppe("RiFaRueckmeldung", " Richtig-/Falsch-Rückmeldung ",
                                       {" sofort bei jeder Zuordnung ", " erst am Ende der Übung "}, this);
    RiFaRueckmeldung->hide();

    const DialogKnoepfe knoepfe = DialogKnoepfeBauen(this, "UebOptZeigenCheck");
    UebOptZeigenCheck = knoepfe.Zeigen;
    OkBtn = knoepfe.Ok;
    CloseBtn = knoepfe.Schliessen;
    NetzUebInitPan = knoepfe.NetzPan;
    ErwBtn = new QPushButton("Erweitert...", this);
    ErwBtn->setObjectName("ErwBtn");

    connect(ErwBtn, &QPushButton::clicked, this, &TUebOptForm::ErwBtnClick);
    connect(RiFaRueckmeldung, &RadioGruppe::geklickt, this, &TUebOptForm::RiFaAbhaengigkeit);
    connect(Zeitlimit, &RadioGruppe::geklickt, this, &TUebOptForm::RiFaAbhaengigkeit);
    connect(AbfrageModus, &RadioGruppe::geklickt, this, &TUebOptForm::RiFaAbhaengigkeit);

    WerteSetzen(UebOptWerte());
    RiFaRueckmeldung->setItemIndex(0);
    RiFaAbhaengigkeit();
    setFixedWidth(breite);
    Anordnen();
}

void TUebOptForm::RiFaAbhaengigkeit()
{
    const bool sofort = RiFaRueckmeldung->ItemIndex() != 1;
    ZuordnungFalsch->setEnabled(sofort);
    ZuordnungFalschLab->setEnabled(sofort);
    if (!sofort)
        ZuordnungFalsch->setItemIndex(1);
}

void TUebOptForm::Anordnen()
{
    const int h = erweitert ? HoeheErweitert : HoeheReduziert;
    for (QWidget *g : {static_cast<QWidget *>(ZuordnungRichtig), static_cast<QWidget *>(Zuordnungstexte),
                       static_cast<QWidget *>(ZuordnungFalsch), static_cast<QWidget *>(Zuordnungsziele)})
        g->setVisible(erweitert);
    ErwBtn->setText(erweitert ? "Reduziert..." : "Erweitert...");
    // In the network form the panel sits between the groups and the check
    // box, so that it covers no option (the time limit above all).
    const int platz = netz ? 70 : 0;
    const int unten = h + platz - 8;
    const int b = width() > 0 ? width() : 480;
    const int k = DialogKnopfHoehe;
    OkBtn->setGeometry(b - 8 - 120, unten - k, 120, k);
    CloseBtn->setGeometry(b - 8 - 120 - 8 - 100, unten - k, 100, k);
    ErwBtn->setGeometry(8, unten - k, 100, k);
    UebOptZeigenCheck->setGeometry(8, unten - k - 30, b - 16, 24);
    NetzUebInitPan->setGeometry(8, h - 8 - 28 - 30, b - 16, 62);
    NetzUebInitPan->raise();
    setFixedHeight(h + platz);
}

void TUebOptForm::ErwBtnClick()
{
    erweitert = !erweitert;
    Anordnen();
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
}

void TUebOptForm::NetzwerkModus(bool an)
{
    setWindowTitle(an ? QStringLiteral("Netzwerk-") + caption : caption);
    NetzUebInitPan->setVisible(an);
    if (netz != an) {
        netz = an;
        Anordnen();
    }
}

void TUebOptForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    OkBtn->setFocus();
}

void TUebOptForm::done(int r)
{
    NetzwerkModus(false);
    QDialog::done(r);
}

void TUebOptForm::WerteHolen(UebOptWerte &w) const
{
    w.AbfrageModus = AbfrageModus->ItemIndex();
    w.ZeitLimit = Zeitlimit->ItemIndex();
    w.ZLimitMin = ZLimitMin->text();
    w.ZLimitSek = ZLimitSek->text();
    w.ZuordnungRichtig = ZuordnungRichtig->ItemIndex();
    w.ZuordnungFalsch = ZuordnungFalsch->ItemIndex();
    w.Zuordnungstexte = Zuordnungstexte->ItemIndex();
    w.Zuordnungsziele = Zuordnungsziele->ItemIndex();
}

void TUebOptForm::WerteSetzen(const UebOptWerte &werte)
{
    const UebOptWerte w = werte.Begrenzt();
    AbfrageModus->setItemIndex(w.AbfrageModus);
    Zeitlimit->setItemIndex(w.ZeitLimit);
    ZLimitMin->setText(w.ZLimitMin);
    ZLimitSek->setText(w.ZLimitSek);
    ZuordnungRichtig->setItemIndex(w.ZuordnungRichtig);
    ZuordnungFalsch->setItemIndex(w.ZuordnungFalsch);
    Zuordnungstexte->setItemIndex(w.Zuordnungstexte);
    Zuordnungsziele->setItemIndex(w.Zuordnungsziele);
    RiFaAbhaengigkeit();
}
