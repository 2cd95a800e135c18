// The teacher's live view of a class exercise.
#include "TKontrollForm.h"

#include "KontrollModell.h"
#include "Rahmen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

TKontrollForm::TKontrollForm(KontrollModell &m, QWidget *eltern) : QDialog(eltern), modell(m)
{
    setWindowTitle(QStringLiteral("Kontrollanzeige der Netzwerk-Übung"));
    setModal(false);
    FensterFarbeSetzen(this);
    resize(1200, 460);

    KopfLab = new QLabel(this);
    KopfLab->setObjectName("KopfLab");
    KopfLab->setWordWrap(true);
    KopfLab->setTextFormat(Qt::PlainText);

    Sortierung = new QSortFilterProxyModel(this);
    Sortierung->setSourceModel(&modell);
    Sortierung->setSortRole(KontrollModell::SortierRolle);
    KontrollGrid = new QTableView(this);
    KontrollGrid->setObjectName("KontrollGrid");
    KontrollGrid->setModel(Sortierung);
    KontrollGrid->setSortingEnabled(true);
    KontrollGrid->sortByColumn(-1, Qt::AscendingOrder); // arrival order until a header is clicked
    KontrollGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    KontrollGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KontrollGrid->setAlternatingRowColors(true);
    KontrollGrid->verticalHeader()->hide();
    KontrollGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    KontrollGrid->horizontalHeader()->setStretchLastSection(true);

    ZaehlerLab = new QLabel(this);
    ZaehlerLab->setObjectName("ZaehlerLab");
    BestListBtn = new QPushButton(QStringLiteral("&Klassen-Bestenliste..."), this);
    BestListBtn->setObjectName("BestListBtn");
    SchliessenBtn = new QPushButton(QStringLiteral("Schließen"), this);
    SchliessenBtn->setObjectName("SchliessenBtn");
    SchliessenBtn->setDefault(true);
    connect(BestListBtn, &QPushButton::clicked, this, &TKontrollForm::KlassenlisteGewuenscht);
    connect(SchliessenBtn, &QPushButton::clicked, this, &QDialog::close);

    auto *unten = new QHBoxLayout;
    unten->addWidget(ZaehlerLab, 1);
    unten->addWidget(BestListBtn);
    unten->addWidget(SchliessenBtn);
    auto *l = new QVBoxLayout(this);
    l->addWidget(KopfLab);
    l->addWidget(KontrollGrid, 1);
    l->addLayout(unten);

    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&modell, signal, this, &TKontrollForm::ZaehlerAktualisieren);
    connect(&modell, &QAbstractItemModel::modelReset, this, &TKontrollForm::ZaehlerAktualisieren);
    connect(&modell, &QAbstractItemModel::dataChanged, this, &TKontrollForm::ZaehlerAktualisieren);
    ZaehlerAktualisieren();
}

void TKontrollForm::KopfSetzen(const QString &ordner, const QString &kanal, bool empfaengt)
{
    QString t = QStringLiteral("Kommunikationsordner: ") + ordner + QStringLiteral("    Kanal: ") + kanal;
    t += empfaengt ? QStringLiteral("\nDie Meldungen der Teilnehmer werden laufend angezeigt.")
                   : QStringLiteral("\nAuf diesem Rechner ist keine Netzwerk-Übung aktiv; die Anzeige wird nicht "
                                    "mehr aktualisiert.");
    KopfLab->setText(t);
}

QString TKontrollForm::ZaehlerText() const
{
    int laufend = 0;
    for (const KontrollModell::Zeile &z : modell.Zeilen())
        if (z.Status == KontrollModell::Zustand::Laeuft)
            ++laufend;
    const int n = int(modell.Zeilen().size());
    return QString::number(n) + (n == 1 ? QStringLiteral(" Teilnahme: ") : QStringLiteral(" Teilnahmen: "))
           + QString::number(laufend) + QStringLiteral(" läuft, ") + QString::number(n - laufend)
           + QStringLiteral(" beendet");
}

void TKontrollForm::ZaehlerAktualisieren()
{
    ZaehlerLab->setText(ZaehlerText());
}

void TKontrollForm::Zeigen()
{
    show();
    raise();
    activateWindow();
}
