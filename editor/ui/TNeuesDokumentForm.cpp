// The dialog for a new document.
#include "TNeuesDokumentForm.h"

#include "Cp1252.h"
#include "Meldungen.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNeuesDokumentForm::TNeuesDokumentForm(IMeldungen &m, QWidget *parent) : QDialog(parent), meldungen(m)
{
    setObjectName("TNeuesDokumentForm");
    setWindowTitle(QStringLiteral("Neues Dokument anlegen"));
    auto *haupt = new QVBoxLayout(this);

    auto *artBox = new QGroupBox(QStringLiteral("Art des Dokuments"));
    auto *artLayout = new QVBoxLayout(artBox);
    arten = new QButtonGroup(this);
    const char *texte[3] = {"&Bildbeschriftung: Beschriftungen auf einem Bild zuordnen",
                            "&Lückentext: Wörter in die Lücken eines Textes ziehen",
                            "&Einzelfragen: Fragen mit Antworten, z. B. Flaggen erkennen"};
    for (int i = 0; i < 3; ++i) {
        ArtKnopf[i] = new QRadioButton(QString::fromUtf8(texte[i]));
        ArtKnopf[i]->setObjectName(QString("ArtKnopf%1").arg(i));
        arten->addButton(ArtKnopf[i], i);
        artLayout->addWidget(ArtKnopf[i]);
    }
    ArtKnopf[0]->setChecked(true);
    haupt->addWidget(artBox);

    auto *bildBox = new QGroupBox(QStringLiteral("Grundbild"));
    auto *bildLayout = new QVBoxLayout(bildBox);
    auto *zeile = new QHBoxLayout;
    BildEdit = new QLineEdit;
    BildEdit->setObjectName("BildEdit");
    BildEdit->setReadOnly(true);
    BildEdit->setPlaceholderText(QStringLiteral("eingebautes Bild der gewählten Art"));
    auto *durchsuchen = new QPushButton(QStringLiteral("&Durchsuchen..."));
    durchsuchen->setObjectName("DurchsuchenBtn");
    auto *standard = new QPushButton(QStringLiteral("Ein&gebautes Bild"));
    standard->setObjectName("StandardBildBtn");
    zeile->addWidget(BildEdit, 1);
    zeile->addWidget(durchsuchen);
    zeile->addWidget(standard);
    bildLayout->addLayout(zeile);
    BildInfo = new QLabel;
    BildInfo->setWordWrap(true);
    bildLayout->addWidget(BildInfo);
    haupt->addWidget(bildBox);
    connect(durchsuchen, &QPushButton::clicked, this, &TNeuesDokumentForm::Durchsuchen);
    connect(standard, &QPushButton::clicked, this, [this] {
        bild = QImage();
        BildEdit->clear();
        BildInfoZeigen();
    });
    connect(arten, &QButtonGroup::idClicked, this, [this] { BildInfoZeigen(); });

    auto *form = new QFormLayout;
    TitelEdit = new QLineEdit;
    TitelEdit->setObjectName("TitelEdit");
    AutorEdit = new QLineEdit;
    AutorEdit->setObjectName("AutorEdit");
    BemerkungEdit = new QPlainTextEdit;
    BemerkungEdit->setObjectName("BemerkungEdit");
    BemerkungEdit->setTabChangesFocus(true);
    BemerkungEdit->setFixedHeight(60);
    form->addRow(QStringLiteral("&Titel:"), TitelEdit);
    form->addRow(QStringLiteral("&Autor:"), AutorEdit);
    form->addRow(QStringLiteral("Be&merkung:"), BemerkungEdit);
    haupt->addLayout(form);

    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Anlegen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    haupt->addWidget(knoepfe);
    BildInfoZeigen();
    setMinimumWidth(600);
    TitelEdit->setFocus();
}

NeuesDokumentAngaben TNeuesDokumentForm::Angaben() const
{
    NeuesDokumentAngaben a;
    a.Art = DokArt(qMax(0, arten->checkedId()));
    a.Bild = bild;
    a.Titel = TitelEdit->text().trimmed();
    a.Autor = AutorEdit->text().trimmed();
    a.Bemerkung = BemerkungEdit->toPlainText().trimmed();
    return a;
}

bool TNeuesDokumentForm::BildWaehlen(const QString &pfad)
{
    QImage gelesen;
    if (!BasisBildLaden(pfad, gelesen)) {
        meldungen.Fehler(QString("Die Datei \"%1\" ist kein lesbares PNG- oder JPEG-Bild.").arg(pfad));
        return false;
    }
    bild = gelesen;
    BildEdit->setText(pfad);
    BildInfoZeigen();
    return true;
}

void TNeuesDokumentForm::Durchsuchen()
{
    const QString pfad = QFileDialog::getOpenFileName(this, QStringLiteral("Grundbild wählen"), BildEdit->text(),
                                                      QStringLiteral("Bilder (*.png *.jpg *.jpeg);;Alle Dateien (*)"));
    if (!pfad.isEmpty())
        BildWaehlen(pfad);
}

void TNeuesDokumentForm::BildInfoZeigen()
{
    if (bild.isNull()) {
        BildInfo->setText(arten->checkedId() == 2 ? QStringLiteral("Die Fragekarte der Flaggen-Quiz wird verwendet.")
                                                  : QStringLiteral("Ein weißes Bild wird verwendet."));
        return;
    }
    const QImage fertig = BasisBildVorbereiten(bild);
    QString text = QString("%1 × %2 Pixel").arg(bild.width()).arg(bild.height());
    if (fertig.size() != bild.size())
        text += QString(", wird auf %1 × %2 Pixel verkleinert").arg(fertig.width()).arg(fertig.height());
    BildInfo->setText(text + '.');
}

void TNeuesDokumentForm::accept()
{
    const NeuesDokumentAngaben a = Angaben();
    if (!IstCp1252Darstellbar(a.Titel + a.Autor + a.Bemerkung)) {
        meldungen.Fehler(QStringLiteral("Titel, Autor und Bemerkung dürfen nur Zeichen des Zeichensatzes "
                                        "Windows-1252 enthalten."));
        return;
    }
    QDialog::accept();
}
