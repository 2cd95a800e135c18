// The worksheet print dialog.
#include "TArbblattDruckForm.h"

#include "ArbeitsblattDialoge.h"
#include "BlattMalen.h"
#include "Farben.h"
#include "Meldungen.h"
#include "Rahmen.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>

namespace {
QLineEdit *CmEdit(const QString &name, const QString &label, const QString &wert, int y, QWidget *eltern)
{
    auto *l = new QLabel(label, eltern);
    l->setGeometry(12, y + 3, 90, 18);
    auto *e = new QLineEdit(wert, eltern);
    e->setObjectName(name);
    e->setGeometry(104, y, 64, 22);
    e->setAlignment(Qt::AlignRight);
    static const QRegularExpression muster(QStringLiteral("^\\s*\\d{0,3}([,.]\\d{0,2})?\\s*$"));
    e->setValidator(new QRegularExpressionValidator(muster, e));
    l->setBuddy(e);
    auto *einheit = new QLabel(QStringLiteral("cm"), eltern);
    einheit->setGeometry(174, y + 3, 30, 18);
    return e;
}
} // namespace

TArbblattDruckForm::TArbblattDruckForm(IMeldungen &m, IArbeitsblattDialoge &d, QWidget *parent)
    : QDialog(parent), meldungen(m), dialoge(d)
{
    setObjectName("ArbblattDruckForm");
    setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(ClientBreite, ClientHoehe);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);

    MainBackImg = HintergrundBildAnlegen(this);

    GroupBox1 = new QGroupBox(QStringLiteral(" Position und Größe "), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(12, 12, 230, 235);
    LiRandEdit = CmEdit("LiRandEdit", QStringLiteral("&Linker Rand:"), QStringLiteral("2,2"), 26, GroupBox1);
    ObRandEdit = CmEdit("ObRandEdit", QStringLiteral("&Oberer Rand:"), QStringLiteral("1,4"), 56, GroupBox1);
    BreiteEdit = CmEdit("BreiteEdit", QStringLiteral("&Breite:"), QStringLiteral("16,6"), 96, GroupBox1);
    HoeheEdit = CmEdit("HoeheEdit", QStringLiteral("&Höhe:"), QStringLiteral("17,0"), 126, GroupBox1);
    SeitRatio = new QCheckBox(QStringLiteral("Korrektes &Seitenverhältnis"), GroupBox1);
    SeitRatio->setObjectName("SeitRatio");
    SeitRatio->setChecked(true);
    SeitRatio->setGeometry(12, 164, 210, 22);

    GroupBox2 = new QGroupBox(QStringLiteral(" Drucker "), this);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(252, 12, 207, 140);
    DruckerInfo = new QLabel(QStringLiteral("-"), GroupBox2);
    DruckerInfo->setObjectName("DruckerInfo");
    DruckerInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DruckerInfo->setWordWrap(true);
    DruckerInfo->setAlignment(Qt::AlignCenter);
    DruckerInfo->setGeometry(10, 24, 187, 66);
    DrEinrBtn = new QPushButton(QStringLiteral("&Einrichten..."), GroupBox2);
    DrEinrBtn->setObjectName("DrEinrBtn");
    DrEinrBtn->setGeometry(10, 100, 187, 28);

    DruckBtn = new QPushButton(QStringLiteral("&Drucken"), this);
    DruckBtn->setObjectName("DruckBtn");
    DruckBtn->setDefault(true);
    DruckBtn->setGeometry(252, 219, 100, 28);
    AbbrBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrBtn->setObjectName("AbbrBtn");
    AbbrBtn->setGeometry(359, 219, 100, 28);

    FlaecheFaerben(this, VclFarbe(12037288));

    connect(BreiteEdit, &QLineEdit::textEdited, this, &TArbblattDruckForm::BreiteEditChange);
    connect(HoeheEdit, &QLineEdit::textEdited, this, &TArbblattDruckForm::HoeheEditChange);
    connect(SeitRatio, &QCheckBox::clicked, this, &TArbblattDruckForm::SeitRatioClick);
    connect(DrEinrBtn, &QPushButton::clicked, this, &TArbblattDruckForm::DrEinrBtnClick);
    connect(DruckBtn, &QPushButton::clicked, this, &TArbblattDruckForm::DruckBtnClick);
    connect(AbbrBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TArbblattDruckForm::~TArbblattDruckForm() = default;

QPrinter &TArbblattDruckForm::Drucker()
{
    // Created at first use: looking for printers can take a moment, which
    // the program start should not pay.
    if (!drucker) {
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drucker->setFullPage(true);
        drucker->setDocName(QStringLiteral("Arbeitsblatt"));
    }
    return *drucker;
}

int TArbblattDruckForm::Zeigen(const Blatt &b)
{
    blatt = &b;
    const int r = exec();
    blatt = nullptr;
    return r;
}

void TArbblattDruckForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        Aktivieren();
}

void TArbblattDruckForm::Aktivieren()
{
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    DruckerInfoSetzen();
    SeitRatioClick();
    DruckBtn->setFocus();
}

bool TArbblattDruckForm::ZielFehlt()
{
    QPrinter &d = Drucker();
    if (d.outputFormat() == QPrinter::PdfFormat)
        return d.outputFileName().isEmpty();
    return d.printerName().isEmpty();
}

void TArbblattDruckForm::DruckerInfoSetzen()
{
    QPrinter &d = Drucker();
    if (d.outputFormat() == QPrinter::PdfFormat && !d.outputFileName().isEmpty())
        DruckerInfo->setText(QStringLiteral("PDF-Datei\n") + QFileInfo(d.outputFileName()).fileName());
    else if (!d.printerName().isEmpty())
        DruckerInfo->setText(d.printerName());
    else
        DruckerInfo->setText(QStringLiteral("Kein Drucker gefunden.\n\"Einrichten...\" wählt eine PDF-Datei."));
}

void TArbblattDruckForm::BreiteEditChange()
{
    double b = 0;
    if (koppelt || !SeitRatio->isChecked() || !CmLesen(BreiteEdit->text(), b))
        return;
    koppelt = true;
    HoeheEdit->setText(CmText(HoeheAusBreite(b, Proportion)));
    koppelt = false;
}

void TArbblattDruckForm::HoeheEditChange()
{
    double h = 0;
    if (koppelt || !SeitRatio->isChecked() || !CmLesen(HoeheEdit->text(), h))
        return;
    koppelt = true;
    BreiteEdit->setText(CmText(BreiteAusHoehe(h, Proportion)));
    koppelt = false;
}

void TArbblattDruckForm::SeitRatioClick()
{
    // Ticking it fits the height to the width.
    BreiteEditChange();
}

void TArbblattDruckForm::DrEinrBtnClick()
{
    dialoge.DruckerEinrichten(Drucker(), this);
    DruckerInfoSetzen();
}

bool TArbblattDruckForm::LageLesen(DruckLage &lage)
{
    const struct
    {
        QLineEdit *edit;
        double *wert;
        const char *name;
        bool positiv;
    } felder[] = {{LiRandEdit, &lage.Links, "den linken Rand", false},
                  {ObRandEdit, &lage.Oben, "den oberen Rand", false},
                  {BreiteEdit, &lage.Breite, "die Breite", true},
                  {HoeheEdit, &lage.Hoehe, "die Höhe", true}};
    for (const auto &f : felder) {
        if (!CmLesen(f.edit->text(), *f.wert) || (f.positiv && *f.wert <= 0)) {
            meldungen.Fehler(QStringLiteral("Bitte geben Sie für %1 eine Zahl in Zentimetern an (z. B. 2,5).")
                                 .arg(QString::fromUtf8(f.name)));
            f.edit->setFocus();
            f.edit->selectAll();
            return false;
        }
    }
    return true;
}

void TArbblattDruckForm::DruckBtnClick()
{
    DruckLage lage;
    if (!blatt || !LageLesen(lage))
        return;
    if (ZielFehlt()) {
        DrEinrBtnClick();
        if (ZielFehlt())
            return;
    }
    if (!BlattDrucken(Drucker(), *blatt, lage)) {
        meldungen.Fehler(QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden (%1).")
                             .arg(DruckerInfo->text().simplified()));
        return;
    }
    accept();
}

bool BlattDrucken(QPrinter &drucker, const Blatt &blatt, const DruckLage &lage)
{
    drucker.setFullPage(true);
    QPainter p;
    if (!p.begin(&drucker))
        return false;
    // With the full page the origin is the sheet's top-left corner.
    BlattMalen(p, blatt, lage.Rechteck(drucker.resolution(), drucker.resolution()));
    return p.end();
}
