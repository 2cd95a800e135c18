// The dialog asking for the participant's name at the start of a run.
#include "TNameEingabeForm.h"
#include "Farben.h"
#include "Rahmen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNameEingabeForm::TNameEingabeForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("TNameEingabeForm");
    setWindowTitle("Teilnehmername eingeben");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);

    MainBackImg = HintergrundBildAnlegen(this);

    GroupBox1 = new QGroupBox(" Quizteilnehmer ", this);
    GroupBox1->setObjectName("GroupBox1");
    FlaecheFaerben(GroupBox1, TafelFarbe());

    NameLab = new QLabel("&Name:", GroupBox1);
    TNameEdit = new QLineEdit(GroupBox1);
    TNameEdit->setObjectName("TNameEdit");
    TNameEdit->setMaxLength(30);
    QFont fett = TNameEdit->font();
    fett.setBold(true);
    TNameEdit->setFont(fett);
    TNameEdit->setMinimumWidth(260);
    NameLab->setBuddy(TNameEdit);
    HinweisLab = new QLabel(QString::fromUtf8("Bitte Name für Protokoll und Bestenliste eingeben."), GroupBox1);

    auto *g = new QGridLayout(GroupBox1);
    g->addWidget(NameLab, 0, 0);
    g->addWidget(TNameEdit, 0, 1);
    g->addWidget(HinweisLab, 1, 1);

    StartBtn = new QPushButton("Quiz starten", this);
    StartBtn->setObjectName("StartBtn");
    StartBtn->setDefault(true);
    AbbrechenBtn = new QPushButton("Abbrechen", this);
    AbbrechenBtn->setObjectName("AbbrechenBtn");
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(StartBtn);
    knoepfe->addWidget(AbbrechenBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(GroupBox1);
    layout->addLayout(knoepfe);

    FensterFarbeSetzen(this);

    connect(StartBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TNameEingabeForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    TNameEdit->setFocus();
}

bool TNameEingabeForm::NamenErfragen(QString &name)
{
    if (exec() != QDialog::Accepted)
        return false;
    name = TNameEdit->text();
    return true;
}
