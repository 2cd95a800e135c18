// The properties dialog.
#include "TDokEigenschaftenForm.h"

#include "Bearbeitung.h"
#include "Meldungen.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDokEigenschaftenForm::TDokEigenschaftenForm(Bearbeitung &bearbeitung, IMeldungen &m, QWidget *parent)
    : QDialog(parent), b(bearbeitung), meldungen(m)
{
    setObjectName("TDokEigenschaftenForm");
    setWindowTitle(QStringLiteral("Dokumenteigenschaften"));
    auto *haupt = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    TitelEdit = new QLineEdit(b.Dok.Titel);
    TitelEdit->setObjectName("TitelEdit");
    AutorEdit = new QLineEdit(b.Dok.Autor);
    AutorEdit->setObjectName("AutorEdit");
    BemerkungEdit = new QPlainTextEdit(b.Dok.Bemerkung);
    BemerkungEdit->setObjectName("BemerkungEdit");
    BemerkungEdit->setTabChangesFocus(true);
    BemerkungEdit->setFixedHeight(70);
    NumArtBox = new QComboBox;
    NumArtBox->setObjectName("NumArtBox");
    NumArtBox->addItems({QStringLiteral("Zahlen (1, 2, 3 ...)"), QStringLiteral("Buchstaben (A, B, C ...)")});
    NumArtBox->setCurrentIndex(b.Dok.NumArt == 1 ? 1 : 0);
    GeordnetBox = new QComboBox;
    GeordnetBox->setObjectName("GeordnetBox");
    GeordnetBox->addItems({QStringLiteral("nach der Lage im Bild"), QStringLiteral("alphabetisch")});
    GeordnetBox->setCurrentIndex(b.Dok.GeordnetArt != 0 ? 1 : 0);
    form->addRow(QStringLiteral("&Titel:"), TitelEdit);
    form->addRow(QStringLiteral("&Autor:"), AutorEdit);
    form->addRow(QStringLiteral("Be&merkung:"), BemerkungEdit);
    form->addRow(QStringLiteral("&Nummern der Abdeckungen:"), NumArtBox);
    form->addRow(QStringLiteral("&Reihenfolge:"), GeordnetBox);
    haupt->addLayout(form);
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    haupt->addWidget(knoepfe);
    resize(460, sizeHint().height());
}

void TDokEigenschaftenForm::accept()
{
    const QString fehler =
        b.KopfSetzen(TitelEdit->text().trimmed(), AutorEdit->text().trimmed(), BemerkungEdit->toPlainText().trimmed());
    if (!fehler.isEmpty()) {
        meldungen.Fehler(fehler);
        return;
    }
    // Only a changed choice is stored: a file's other values mean the same
    // as the first entry and stay as they are.
    if (NumArtBox->currentIndex() != (b.Dok.NumArt == 1 ? 1 : 0))
        b.NumArtSetzen(NumArtBox->currentIndex());
    if (GeordnetBox->currentIndex() != (b.Dok.GeordnetArt != 0 ? 1 : 0))
        b.GeordnetArtSetzen(GeordnetBox->currentIndex());
    QDialog::accept();
}
