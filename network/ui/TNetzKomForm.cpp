// "Netzwerk-Kommunikation": folder and channel of the class exercise.
#include "TNetzKomForm.h"

#include "NetzDateien.h"
#include "Ordner.h"
#include "Rahmen.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNetzKomForm::TNetzKomForm(QWidget *eltern) : QDialog(eltern)
{
    setWindowTitle(QStringLiteral("Netzwerk-Kommunikation"));
    FensterFarbeSetzen(this);

    OrdnerEdit = new QLineEdit(this);
    OrdnerEdit->setObjectName("OrdnerEdit");
    OrdnerEdit->setMinimumWidth(360);
    DurchsuchenBtn = new QPushButton(QStringLiteral("&Durchsuchen..."), this);
    DurchsuchenBtn->setObjectName("DurchsuchenBtn");
    KanalEdit = new QLineEdit(this);
    KanalEdit->setObjectName("KanalEdit");
    KanalEdit->setMaxLength(8);
    HinweisLab = new QLabel(
        QStringLiteral("Der Kommunikationsordner muss für alle beteiligten Rechner freigegeben sein (Lese- und "
                       "Schreibrecht). Lehrkraft und Teilnehmer verwenden denselben Ordner und denselben Kanal; "
                       "mehrere Übungen können unter verschiedenen Kanälen im selben Ordner laufen."),
        this);
    HinweisLab->setWordWrap(true);
    FehlerLab = new QLabel(this);
    FehlerLab->setObjectName("FehlerLab");
    FehlerLab->setStyleSheet("color:#b00000;");
    FehlerLab->setWordWrap(true);

    auto *ordnerZeile = new QHBoxLayout;
    ordnerZeile->addWidget(OrdnerEdit, 1);
    ordnerZeile->addWidget(DurchsuchenBtn);
    auto *form = new QFormLayout;
    auto *ordnerLab = new QLabel(QStringLiteral("Kommunikations&ordner:"), this);
    ordnerLab->setBuddy(OrdnerEdit);
    auto *kanalLab = new QLabel(QStringLiteral("&Kanal (höchstens 8 Zeichen):"), this);
    kanalLab->setBuddy(KanalEdit);
    form->addRow(ordnerLab, ordnerZeile);
    form->addRow(kanalLab, KanalEdit);

    auto *knoepfe = new QDialogButtonBox(this);
    OkBtn = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    AbbrechenBtn = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(OkBtn, &QPushButton::clicked, this, &TNetzKomForm::OkClick);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DurchsuchenBtn, &QPushButton::clicked, this, &TNetzKomForm::Durchsuchen);

    auto *l = new QVBoxLayout(this);
    l->addLayout(form);
    l->addWidget(HinweisLab);
    l->addWidget(FehlerLab);
    l->addWidget(knoepfe);
}

QString TNetzKomForm::Pruefen() const
{
    const QString ordner = OrdnerEdit->text().trimmed();
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
        return QStringLiteral("Der Ordner \"") + ordner + QStringLiteral("\" existiert nicht.");
    if (!KanalNameGueltig(KanalEdit->text()))
        return QStringLiteral("Der Kanal muss aus 1 bis 8 Zeichen bestehen und darf keines der Zeichen "
                              "/ \\ : * ? \" < > | enthalten.");
    return {};
}

void TNetzKomForm::OkClick()
{
    const QString fehler = Pruefen();
    FehlerLab->setText(fehler);
    if (fehler.isEmpty())
        accept();
}

void TNetzKomForm::Durchsuchen()
{
    const QString o =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Kommunikationsordner wählen"), OrdnerEdit->text());
    if (!o.isEmpty())
        OrdnerEdit->setText(QDir::toNativeSeparators(o));
}

bool TNetzKomForm::Erfragen(QString &ordner, QString &kanal)
{
    OrdnerEdit->setText(ordner);
    KanalEdit->setText(kanal);
    FehlerLab->clear();
    if (exec() != QDialog::Accepted)
        return false;
    ordner = MitSchraegstrich(QDir::cleanPath(OrdnerEdit->text().trimmed()));
    kanal = KanalEdit->text();
    return true;
}
