// The high-score window: table filling, printing, text export and clipboard.
#include "TBestListForm.h"
#include "BestListTabelle.h"
#include "Dateifehler.h"
#include "Farben.h"
#include "GridDrucken.h"
#include "Rahmen.h"
#include "SichereDatei.h"
#include "SpeicherDialoge.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QFont Arial(int pixel)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    return f;
}

Qt::Alignment Ausrichtung(int a)
{
    switch (a) {
    case BestListTabelle::Zentriert:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case BestListTabelle::Rechts:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

TBestListForm::TBestListForm(IMeldungen &m, QWidget *parent) : QDialog(parent), meldungen(m)
{
    setObjectName("TBestListForm");
    setWindowTitle("Bestenliste");
    setFont(Arial(11));
    setFixedSize(697, 478);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    MainBackImg = HintergrundBildAnlegen(this);
    MainBackImg->setGeometry(rect());
    MainBackImg->lower();

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    FlaecheFaerben(Panel1, TafelFarbe());

    Grid1 = new QTableWidget(0, BestListTabelle::Spalten, Panel1);
    Grid1->setObjectName("Grid1");
    Grid1->setFont(Arial(12));
    Grid1->setFrameShape(QFrame::NoFrame);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setShowGrid(true);
    Grid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setDefaultSectionSize(19);
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->horizontalHeader()->setDefaultSectionSize(70);
    Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Grid1->horizontalHeader()->setHighlightSections(false);
    // The header row is always drawn left-aligned, in the fixed-row colour.
    Grid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grid1->horizontalHeader()->setStyleSheet(
        "QHeaderView::section { background-color: rgb(255,255,215); color: rgb(66,66,64);"
        " border: 0px; border-right: 1px solid #a0a0a0; border-bottom: 1px solid #a0a0a0; padding-left: 2px; }");
    QPalette gp = Grid1->palette();
    gp.setColor(QPalette::Base, Qt::white);
    gp.setColor(QPalette::Text, VclFarbe(4211266));
    Grid1->setPalette(gp);
    Grid1->setHorizontalHeaderLabels(BestListTabelle::Kopf());
    const auto breiten = BestListTabelle::Breiten();
    for (int i = 0; i < breiten.size(); ++i)
        Grid1->setColumnWidth(i, breiten[i]);

    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(Grid1);

    Label1 = new QLabel(QString::fromUtf8("Teil-Wiederholungen werden nicht berücksichtigt."), this);
    Label1->setObjectName("Label1");
    Label1->setFont(Arial(9));
    Label1->setWordWrap(true);

    DruckBtn = new QPushButton("Drucken...", this);
    DruckBtn->setObjectName("DruckBtn");
    SaveBtn = new QPushButton("Speichern...", this);
    SaveBtn->setObjectName("SaveBtn");
    ClipBtn = new QPushButton("In Zwischenablage", this);
    ClipBtn->setObjectName("ClipBtn");
    OKBtn = new QPushButton(QString::fromUtf8("Schließen"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    for (auto *b : {DruckBtn, SaveBtn, ClipBtn, OKBtn})
        b->setMinimumSize(110, 27);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Label1, 1);
    knoepfe->addWidget(DruckBtn);
    knoepfe->addWidget(SaveBtn);
    knoepfe->addWidget(ClipBtn);
    knoepfe->addSpacing(12);
    knoepfe->addWidget(OKBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Panel1, 1);
    layout->addLayout(knoepfe);

    FensterFarbeSetzen(this);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ClipBtn, &QPushButton::clicked, this, &TBestListForm::InZwischenablage);
    connect(SaveBtn, &QPushButton::clicked, this, &TBestListForm::SaveBtnClick);
    connect(DruckBtn, &QPushButton::clicked, this, &TBestListForm::DruckBtnClick);

    GridFuellen({});
}

void TBestListForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    OKBtn->setFocus();
}

void TBestListForm::GridFuellen(const TBestList &liste)
{
    zeilen = BestListTabelle::Zeilen(liste);
    const auto ausrichtungen = BestListTabelle::Ausrichtungen();
    Grid1->clearContents();
    Grid1->setRowCount(int(zeilen.size() - 1));
    for (int r = 1; r < zeilen.size(); ++r) {
        for (int c = 0; c < BestListTabelle::Spalten; ++c) {
            auto *item = new QTableWidgetItem(zeilen[r].value(c));
            item->setTextAlignment(Ausrichtung(ausrichtungen.value(c)));
            Grid1->setItem(r - 1, c, item);
        }
    }
}

QList<QStringList> TBestListForm::Tabelle() const
{
    return zeilen;
}

QList<int> TBestListForm::SpaltenBreiten() const
{
    QList<int> b;
    for (int i = 0; i < Grid1->columnCount(); ++i)
        b << Grid1->columnWidth(i);
    return b;
}

void TBestListForm::BestListAnzeigen(const QString &titel, const TBestList &liste)
{
    setWindowTitle(titel);
    GridFuellen(liste);
    exec();
}

bool TBestListForm::TextSpeichern(const QString &pfad)
{
    QSaveFile datei(pfad);
    const QByteArray text = GridAlsText(zeilen).toUtf8();
    if (!SpeicherzielErlaubt(pfad) || !datei.open(QIODevice::WriteOnly) || datei.write(text) != text.size()
        || !datei.commit()) {
        ZeigeSchreibFehler(meldungen, pfad);
        return false;
    }
    return true;
}

void TBestListForm::InZwischenablage()
{
    if (QClipboard *c = QGuiApplication::clipboard())
        c->setText(GridAlsText(zeilen));
}

void TBestListForm::SaveBtnClick()
{
    const QString pfad =
        SpeicherDateiWaehlen(this, SpeicherArt::Text, "Bestenliste in Datei speichern", TextSpeichernOrdner);
    if (!pfad.isEmpty())
        TextSpeichern(pfad);
}

void TBestListForm::DruckBtnClick()
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(windowTitle());
    QPrintDialog dlg(&drucker, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (!GridDrucken(drucker, zeilen, 1, SpaltenBreiten(), BestListTabelle::Ausrichtungen()))
        meldungen.Fehler(QString::fromUtf8("Die Bestenliste konnte nicht gedruckt werden. "
                                           "Überprüfen Sie den Drucker und seine Einstellungen."));
}
