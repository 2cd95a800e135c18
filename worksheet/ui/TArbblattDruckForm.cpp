// The worksheet print dialog.
#include "TArbblattDruckForm.h"

#include "ArbeitsblattDialoge.h"
#include "BlattExport.h"
#include "BlattMalen.h"
#include "Dateifehler.h"
#include "Farben.h"
#include "Meldungen.h"
#include "Rahmen.h"

#include <QCheckBox>
#include <QDir>
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
    SeitRatio->setGeometry(12, 156, 210, 22);
    // Fits the page into what the chosen paper and printer can print.
    AnpassenBtn = new QPushButton(QStringLiteral("&An Seite anpassen"), GroupBox1);
    AnpassenBtn->setObjectName("AnpassenBtn");
    AnpassenBtn->setGeometry(12, 188, 206, 28);

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
    connect(AnpassenBtn, &QPushButton::clicked, this, &TArbblattDruckForm::AnpassenBtnClick);
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
    return Zeigen(QList<Blatt>{b});
}

int TArbblattDruckForm::Zeigen(const QList<Blatt> &b)
{
    blaetter = b;
    zeigt = true;
    const int r = exec();
    zeigt = false;
    blaetter.clear();
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

QString TArbblattDruckForm::DruckDatei()
{
    QPrinter &d = Drucker();
    if (d.outputFormat() != QPrinter::PdfFormat || d.outputFileName().isEmpty())
        return {};
    return DateinameFuerArt(d.outputFileName(), Art);
}

void TArbblattDruckForm::DruckerInfoSetzen()
{
    QPrinter &d = Drucker();
    if (!DruckDatei().isEmpty())
        DruckerInfo->setText(QStringLiteral("PDF-Datei\n") + QFileInfo(DruckDatei()).fileName());
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

QSizeF TArbblattDruckForm::PapierCm()
{
    return Drucker().pageLayout().fullRect(QPageLayout::Millimeter).size() / 10.0;
}

QRectF TArbblattDruckForm::BedruckbarCm()
{
    QPageLayout seite = Drucker().pageLayout();
    seite.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = seite.minimumMargins();
    const QRectF papier = seite.fullRect(QPageLayout::Millimeter);
    return QRectF(m.left() / 10, m.top() / 10, (papier.width() - m.left() - m.right()) / 10,
                  (papier.height() - m.top() - m.bottom()) / 10);
}

void TArbblattDruckForm::AnpassenBtnClick()
{
    const DruckLage l = AnSeiteAnpassen(PapierCm(), BedruckbarCm(), Proportion);
    koppelt = true;
    LiRandEdit->setText(CmText(l.Links));
    ObRandEdit->setText(CmText(l.Oben));
    BreiteEdit->setText(CmText(l.Breite));
    HoeheEdit->setText(CmText(l.Hoehe));
    koppelt = false;
    SeitRatio->setChecked(true);
}

void TArbblattDruckForm::DruckBtnClick()
{
    DruckLage lage;
    if (!zeigt || blaetter.isEmpty() || !LageLesen(lage))
        return;
    if (ZielFehlt()) {
        DrEinrBtnClick();
        if (ZielFehlt())
            return;
    }
    const QRectF bereich = BedruckbarCm();
    if (!LagePasst(lage, bereich)) {
        const QString text =
            QStringLiteral("Das Arbeitsblatt passt nicht auf den bedruckbaren Bereich der Seite (%1 × %2 cm) und "
                           "wird abgeschnitten.\r\n\r\n\"An Seite anpassen\" verkleinert es passend.\r\n\r\n"
                           "Trotzdem drucken?")
                .arg(CmText(bereich.width()), CmText(bereich.height()));
        if (meldungen.JaNein(text, FrageArt::Warnung) != Antwort::Ja)
            return;
    }
    const QString datei = DruckDatei();
    const QString absolut = datei.isEmpty() ? QString() : QFileInfo(datei).absoluteFilePath();
    if (!datei.isEmpty() && QFileInfo::exists(datei) && !geschrieben.contains(absolut)) {
        const QString text = QStringLiteral("Die Datei \"%1\" ist bereits vorhanden.\r\n\r\nSoll sie ersetzt werden?")
                                 .arg(QDir::toNativeSeparators(datei));
        if (meldungen.JaNein(text, FrageArt::Warnung) != Antwort::Ja)
            return;
    }
    const DruckErgebnis e = BlattDrucken(Drucker(), blaetter, lage, datei);
    if (e == DruckErgebnis::SchreibFehler) {
        ZeigeSchreibFehler(meldungen, datei);
        return;
    }
    if (e == DruckErgebnis::DruckerFehler) {
        meldungen.Fehler(QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden (%1).")
                             .arg(DruckerInfo->text().simplified()));
        return;
    }
    if (!absolut.isEmpty())
        geschrieben.insert(absolut);
    accept();
}

DruckErgebnis BlattDrucken(QPrinter &drucker, const QList<Blatt> &blaetter, const DruckLage &lage, const QString &datei)
{
    if (blaetter.isEmpty())
        return DruckErgebnis::DruckerFehler;
    if (drucker.outputFormat() == QPrinter::PdfFormat) {
        // Qt's own PDF output would truncate the old file first and report
        // nothing when the disk fills up.
        const QString ziel = datei.isEmpty() ? drucker.outputFileName() : datei;
        const QRectF r = lage.RechteckCm();
        return PdfDateiSchreiben(blaetter, ziel, drucker.pageLayout(),
                                 QRectF(r.x() * 10, r.y() * 10, r.width() * 10, r.height() * 10))
                   ? DruckErgebnis::Gedruckt
                   : DruckErgebnis::SchreibFehler;
    }
    drucker.setFullPage(true);
    QPainter p;
    if (!p.begin(&drucker))
        return DruckErgebnis::DruckerFehler;
    // With the full page the origin is the sheet's top-left corner.
    const QRectF r = lage.Rechteck(drucker.resolution(), drucker.resolution());
    for (qsizetype i = 0; i < blaetter.size(); ++i) {
        if (i > 0 && !drucker.newPage()) {
            p.end();
            return DruckErgebnis::DruckerFehler;
        }
        BlattMalen(p, blaetter[i], r);
    }
    return p.end() ? DruckErgebnis::Gedruckt : DruckErgebnis::DruckerFehler;
}
