// The results window of a finished run: figures, grade, scale and repetition.
#include "TUebFertigForm.h"
#include "Farben.h"
#include "NoteSkala.h"
#include "Rahmen.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QLabel *Titel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel *Wert(const char *name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setMinimumWidth(110);
    return l;
}

QPushButton *Knopf(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    // Tall enough for a finger on a touch screen.
    b->setMinimumSize(120, 34);
    return b;
}
} // namespace

TUebFertigForm::TUebFertigForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("TUebFertigForm");
    setWindowTitle("Quiz beendet");
    // Modal over the main window it stays in front anyway; a stays-on-top
    // flag would cover the protocol and list windows it opens.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    MainBackImg = HintergrundBildAnlegen(this);

    const QColor tafel = TafelFarbe();
    auto tafelFarbe = [&](QWidget *w) { FlaecheFaerben(w, tafel); };

    StatistikBox = new QGroupBox(" Statistik ", this);
    tafelFarbe(StatistikBox);
    RichtigLab = Wert("RichtigLab", StatistikBox);
    FalschLab = Wert("FalschLab", StatistikBox);
    QuoteLab = Wert("QuoteLab", StatistikBox);
    UebZeitLab = Wert("UebZeitLab", StatistikBox);
    UebNummernOffenLab = Wert("UebNummernOffenLab", StatistikBox);
    GesamtleistungLab = Wert("GesamtleistungLab", StatistikBox);
    BewertLab = Wert("BewertLab", StatistikBox);
    NoteLab = Wert("NoteLab", StatistikBox);
    ZeitArtLab = Titel(QString::fromUtf8("Benötigte Zeit:"), StatistikBox);
    ZeitArtLab->setObjectName("ZeitArtLab");
    auto *sg = new QGridLayout(StatistikBox);
    sg->setVerticalSpacing(8);
    const QList<QPair<QWidget *, QLabel *>> zeilen = {
        {Titel("Richtig beantwortet:", StatistikBox), RichtigLab},
        {Titel("Fehlversuche:", StatistikBox), FalschLab},
        {Titel("Erfolgsquote:", StatistikBox), QuoteLab},
        {ZeitArtLab, UebZeitLab},
        {Titel("Offene Fragen:", StatistikBox), UebNummernOffenLab},
        {Titel("Gesamtleistung:", StatistikBox), GesamtleistungLab},
        {Titel("Bewertung:", StatistikBox), BewertLab},
        {Titel("Schulnote:", StatistikBox), NoteLab},
    };
    for (int i = 0; i < zeilen.size(); ++i) {
        sg->addWidget(zeilen[i].first, i, 0);
        sg->addWidget(zeilen[i].second, i, 1);
    }
    sg->setRowStretch(int(zeilen.size()), 1);

    SkalaBox = new QGroupBox(" Bewertungsskala ", this);
    tafelFarbe(SkalaBox);
    BewertSkalaImg = new QLabel(SkalaBox);
    BewertSkalaImg->setObjectName("BewertSkalaImg");
    BewertSkalaImg->setFixedSize(SkalaGroesse);
    auto *skl = new QVBoxLayout(SkalaBox);
    skl->addWidget(BewertSkalaImg);

    WiederholenMode = new QGroupBox(" Quiz wiederholen ", this);
    WiederholenMode->setObjectName("WiederholenMode");
    tafelFarbe(WiederholenMode);
    KomplettRadio = new QRadioButton(" komplett wiederholen ", WiederholenMode);
    TeilRadio = new QRadioButton(
        QString::fromUtf8(" nur Fragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden"), WiederholenMode);
    modusGruppe = new QButtonGroup(this);
    modusGruppe->addButton(KomplettRadio, 0);
    modusGruppe->addButton(TeilRadio, 1);
    KomplettRadio->setChecked(true);
    auto *wl = new QVBoxLayout(WiederholenMode);
    wl->addWidget(KomplettRadio);
    wl->addWidget(TeilRadio);

    BestenlisteLab = new QLabel(this);
    BestenlisteLab->setObjectName("BestenlisteLab");

    WiederholenBtn = Knopf("Quiz wiederholen", "WiederholenBtn", this);
    LernBtn = Knopf(QString::fromUtf8("Schließen"), "LernBtn", this);
    ProtokollBtn = Knopf("Protokoll...", "ProtokollBtn", this);
    BestListBtn = Knopf("Bestenliste...", "BestListBtn", this);
    InBestenlisteBtn = Knopf("In Bestenliste eintragen", "InBestenlisteBtn", this);
    InBestenlisteBtn->hide();

    auto *oben = new QHBoxLayout;
    oben->addWidget(StatistikBox, 1);
    oben->addWidget(SkalaBox);
    auto *knoepfe1 = new QHBoxLayout;
    knoepfe1->addWidget(ProtokollBtn);
    knoepfe1->addWidget(BestListBtn);
    knoepfe1->addWidget(InBestenlisteBtn);
    knoepfe1->addStretch(1);
    auto *knoepfe2 = new QHBoxLayout;
    knoepfe2->addStretch(1);
    knoepfe2->addWidget(WiederholenBtn);
    knoepfe2->addWidget(LernBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addLayout(oben);
    layout->addWidget(WiederholenMode);
    layout->addWidget(BestenlisteLab);
    layout->addLayout(knoepfe1);
    layout->addLayout(knoepfe2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FensterFarbeSetzen(this);

    connect(WiederholenBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(LernBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ProtokollBtn, &QPushButton::clicked, this, &TUebFertigForm::ProtokollGewuenscht);
    connect(BestListBtn, &QPushButton::clicked, this, [this] { emit BestListGewuenscht(netzListe); });
    connect(InBestenlisteBtn, &QPushButton::clicked, this, [this] {
        if (Ablauf)
            Ablauf->InBestenlisteEintragen();
    });
}

void TUebFertigForm::InhaltSetzen(const ErgebnisInhalt &i)
{
    RichtigLab->setText(i.RichtigLab);
    FalschLab->setText(i.FalschLab);
    QuoteLab->setText(i.QuoteLab);
    ZeitArtLab->setText(i.ZeitArtLab);
    UebZeitLab->setText(i.UebZeitLab);
    UebNummernOffenLab->setText(i.UebNummernOffenLab);
    GesamtleistungLab->setText(i.GesamtleistungLab);
    BewertLab->setText(i.BewertLab);
    NoteLab->setText(i.NoteLab);
    BewertSkalaImg->setPixmap(
        QPixmap::fromImage(SkalaBild(BewertSkalaImg->size(), SkalaBox->palette().color(QPalette::Window),
                                     i.Gesamtleistung, BewertSkalaImg->devicePixelRatioF())));
    WiederholenMode->setEnabled(i.WiederholenModeAktiv);
    if (!i.WiederholenModeAktiv)
        KomplettRadio->setChecked(true);
    else if (modusGruppe->checkedId() < 0)
        KomplettRadio->setChecked(true);
    BestenlisteLab->setText(i.BestenlisteLab);
    InBestenlisteBtn->setVisible(i.InBestenlisteBtnSichtbar);
    netzListe = i.NetzListe;
}

bool TUebFertigForm::ModalZeigen()
{
    return exec() == QDialog::Accepted;
}

int TUebFertigForm::GewaehlterWiederholenMode()
{
    return WiederholenMode->isEnabled() ? std::max(0, modusGruppe->checkedId()) : 0;
}

void TUebFertigForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    LernBtn->setFocus();
}
