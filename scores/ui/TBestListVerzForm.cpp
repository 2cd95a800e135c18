// The window choosing the folders for protocols and high-score lists.
#include "TBestListVerzForm.h"
#include "BestListOrdnerPruefung.h"
#include "Farben.h"
#include "Rahmen.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPlainTextEdit *Memo(QWidget *parent, const QString &name, const QStringList &zeilen)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setPlainText(zeilen.join('\n'));
    m->setFocusPolicy(Qt::NoFocus);
    return m;
}
} // namespace

TBestListVerzForm::TBestListVerzForm(IMeldungen &m, QWidget *parent) : QDialog(parent), meldungen(m)
{
    setObjectName("TBestListVerzForm");
    setWindowTitle(QString::fromUtf8("Ordner für Protokolle und Bestenlisten"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(564, 385);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    MainBackImg = HintergrundBildAnlegen(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    FlaecheFaerben(Panel1, TafelFarbe());

    GroupBox2 = new QGroupBox(QString::fromUtf8(" Ordner für Protokolle "), Panel1);
    GroupBox2->setObjectName("GroupBox2");
    ProtVerzEdit1 = new QLineEdit(GroupBox2);
    ProtVerzEdit1->setObjectName("ProtVerzEdit1");
    ProtVerzAuswBtn = new QPushButton("Durchsuchen...", GroupBox2);
    ProtVerzAuswBtn->setObjectName("ProtVerzAuswBtn");
    Memo2 = Memo(GroupBox2, "Memo2",
                 {QString::fromUtf8("In diesem Ordner werden die Protokolle automatisch gespeichert. Dazu "),
                  QString::fromUtf8("sind für diesen Ordner Schreibzugriffsrechte erforderlich.")});
    auto *g2 = new QGridLayout(GroupBox2);
    g2->addWidget(ProtVerzEdit1, 0, 0);
    g2->addWidget(ProtVerzAuswBtn, 0, 1);
    g2->addWidget(Memo2, 1, 0, 1, 2);

    GroupBox1 = new QGroupBox(QString::fromUtf8(" Ordner für Bestenlisten "), Panel1);
    GroupBox1->setObjectName("GroupBox1");
    BestListVerzEdit1 = new QLineEdit(GroupBox1);
    BestListVerzEdit1->setObjectName("BestListVerzEdit1");
    BestListVerzAuswBtn = new QPushButton("Durchsuchen...", GroupBox1);
    BestListVerzAuswBtn->setObjectName("BestListVerzAuswBtn");
    Memo1 = Memo(GroupBox1, "Memo1",
                 {QString::fromUtf8("In diesem Ordner werden die Bestenlisten gespeichert. Wenn hierfür ein "
                                    "Netzwerk-Ordner "),
                  QString::fromUtf8("angegeben wird, so wird eine gemeinsame Liste für alle Rechner geführt, die "
                                    "darauf zugreifen, "),
                  QString::fromUtf8("ansonsten nur für den lokalen Rechner. In jedem Fall wird für den Ordner "
                                    "Lese- und "),
                  QString::fromUtf8("Schreibberechtigung benötigt.")});
    auto *g1 = new QGridLayout(GroupBox1);
    g1->addWidget(BestListVerzEdit1, 0, 0);
    g1->addWidget(BestListVerzAuswBtn, 0, 1);
    g1->addWidget(Memo1, 1, 0, 1, 2);

    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->addWidget(GroupBox2);
    panelLayout->addWidget(GroupBox1);

    CloseBtn = new QPushButton("OK", this);
    CloseBtn->setObjectName("CloseBtn");
    CloseBtn->setDefault(true);
    BitBtn21 = new QPushButton("Abbrechen", this);
    BitBtn21->setObjectName("BitBtn21");
    for (auto *b : {CloseBtn, BitBtn21})
        b->setMinimumSize(100, 27);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(CloseBtn);
    knoepfe->addWidget(BitBtn21);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(Panel1, 1);
    layout->addLayout(knoepfe);

    FensterFarbeSetzen(this);

    connect(CloseBtn, &QPushButton::clicked, this, &TBestListVerzForm::CloseBtnClick);
    connect(BitBtn21, &QPushButton::clicked, this, &QDialog::reject);
    connect(ProtVerzAuswBtn, &QPushButton::clicked, this,
            [this] { Durchsuchen(ProtVerzEdit1, QString::fromUtf8("Ordner für Protokolle festlegen")); });
    connect(BestListVerzAuswBtn, &QPushButton::clicked, this,
            [this] { Durchsuchen(BestListVerzEdit1, QString::fromUtf8("Ordner für Bestenlisten festlegen")); });
}

void TBestListVerzForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
}

void TBestListVerzForm::Durchsuchen(QLineEdit *edit, const QString &titel)
{
    const QString ordner = QFileDialog::getExistingDirectory(this, titel, edit->text());
    if (!ordner.isEmpty())
        edit->setText(ordner);
    raise();
    activateWindow();
}

void TBestListVerzForm::CloseBtnClick()
{
    const OrdnerPruefErgebnis e = BestListOrdnerPruefen(ProtVerzEdit1->text(), BestListVerzEdit1->text(), meldungen);
    ProtVerzEdit1->setText(e.ProtOrdner);
    BestListVerzEdit1->setText(e.BestListOrdner);
    if (!e.gueltig) {
        (e.fokus == OrdnerPruefErgebnis::ProtFeld ? ProtVerzEdit1 : BestListVerzEdit1)->setFocus();
        return;
    }
    protErgebnis = e.ProtOrdner;
    bestListErgebnis = e.BestListOrdner;
    accept();
}

bool TBestListVerzForm::OrdnerWaehlen(QString &protOrdner, QString &bestListOrdner)
{
    ProtVerzEdit1->setText(protOrdner);
    BestListVerzEdit1->setText(bestListOrdner);
    if (exec() != QDialog::Accepted)
        return false;
    protOrdner = protErgebnis;
    bestListOrdner = bestListErgebnis;
    return true;
}
