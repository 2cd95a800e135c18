// The teacher's live view of a class exercise.
#include "TKontrollForm.h"

#include "KontrollModell.h"
#include "Rahmen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

TKontrollForm::TKontrollForm(KontrollModell &m, QWidget *eltern) : QDialog(eltern), modell(m)
{
    setWindowTitle(QStringLiteral("Kontrollanzeige der Netzwerk-Übung"));
    setModal(false);
    FensterFarbeSetzen(this);
    resize(1240, 460);

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
    // Widths fixed once from the header and typical values: fitting them to
    // the contents would measure every row at every change.
    QHeaderView *kopf = KontrollGrid->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setStretchLastSection(true);
    const QFontMetrics fm(KontrollGrid->font());
    const char *const muster[KontrollModell::SpaltenZahl] = {"MMMMMMMM…",
                                                             "pc-raum-12",
                                                             "Mmmmmmmmmmmmmmmmmm",
                                                             "",
                                                             "00:00:00",
                                                             "000 von 000",
                                                             "",
                                                             "",
                                                             "alle",
                                                             "100.0 %",
                                                             "100.0 %",
                                                             "",
                                                             "00:00",
                                                             ""};
    for (int c = 0; c < KontrollModell::SpaltenZahl; ++c)
        kopf->resizeSection(c, qMax(fm.horizontalAdvance(QString::fromUtf8(muster[c])),
                                    fm.horizontalAdvance(modell.headerData(c, Qt::Horizontal).toString()))
                                   + 24);
    KontrollGrid->setTextElideMode(Qt::ElideRight);
    // Wide enough for every column where the screen allows it.
    int breite = 0;
    for (int c = 0; c < KontrollModell::SpaltenZahl; ++c)
        breite += kopf->sectionSize(c);
    const QScreen *bild = screen();
    const int verfuegbar = bild ? bild->availableGeometry().width() : breite + 60;
    resize(qBound(600, breite + 60, qMax(600, verfuegbar)), height());

    ZaehlerLab = new QLabel(this);
    ZaehlerLab->setObjectName("ZaehlerLab");
    VerworfenLab = new QLabel(this);
    VerworfenLab->setObjectName("VerworfenLab");
    VerworfenLab->setWordWrap(true);
    BeendenBtn = new QPushButton(QStringLiteral("Übung &beenden"), this);
    BeendenBtn->setObjectName("BeendenBtn");
    connect(BeendenBtn, &QPushButton::clicked, this, &TKontrollForm::UebungBeendenGewuenscht);
    // The class list's shortcut works here as in the main window.
    auto *liste = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8), this);
    connect(liste, &QShortcut::activated, this, &TKontrollForm::KlassenlisteGewuenscht);
    BestListBtn = new QPushButton(QStringLiteral("&Klassen-Bestenliste..."), this);
    BestListBtn->setObjectName("BestListBtn");
    SchliessenBtn = new QPushButton(QStringLiteral("Schließen"), this);
    SchliessenBtn->setObjectName("SchliessenBtn");
    SchliessenBtn->setDefault(true);
    connect(BestListBtn, &QPushButton::clicked, this, &TKontrollForm::KlassenlisteGewuenscht);
    connect(SchliessenBtn, &QPushButton::clicked, this, &QDialog::close);

    auto *unten = new QHBoxLayout;
    unten->addWidget(ZaehlerLab, 1);
    unten->addWidget(BeendenBtn);
    unten->addWidget(BestListBtn);
    unten->addWidget(SchliessenBtn);
    auto *l = new QVBoxLayout(this);
    l->addWidget(KopfLab);
    l->addWidget(KontrollGrid, 1);
    l->addWidget(VerworfenLab);
    l->addLayout(unten);

    // Counted once per refresh of the rows, not per message.
    connect(&modell, &KontrollModell::Aktualisiert, this, &TKontrollForm::ZaehlerAktualisieren);
    connect(&modell, &QAbstractItemModel::modelReset, this, &TKontrollForm::ZaehlerAktualisieren);
    ZaehlerAktualisieren();
}

void TKontrollForm::KopfSetzen(const QString &thema, const QString &ordner, const QString &kanal, bool empfaengt)
{
    QString t = thema.isEmpty() ? QString() : QStringLiteral("Thema: ") + thema + QLatin1Char('\n');
    t += QStringLiteral("Kommunikationsordner: ") + ordner + QStringLiteral("    Kanal: ") + kanal;
    t += empfaengt ? QStringLiteral("\nDie Meldungen der Teilnehmer werden laufend angezeigt.")
                   : QStringLiteral("\nAuf diesem Rechner ist keine Netzwerk-Übung aktiv; die Anzeige wird nicht "
                                    "mehr aktualisiert.");
    KopfLab->setText(t);
}

QString TKontrollForm::ZaehlerText() const
{
    const int laufend = modell.Laufend();
    const int n = int(modell.Zeilen().size());
    return QString::number(n) + (n == 1 ? QStringLiteral(" Teilnahme: ") : QStringLiteral(" Teilnahmen: "))
           + QString::number(laufend) + QStringLiteral(" läuft, ") + QString::number(n - laufend)
           + QStringLiteral(" beendet");
}

void TKontrollForm::ZaehlerAktualisieren()
{
    ZaehlerLab->setText(ZaehlerText());
    const QString verworfen = modell.VerworfenText();
    VerworfenLab->setText(verworfen);
    VerworfenLab->setVisible(!verworfen.isEmpty());
}

void TKontrollForm::Zeigen()
{
    show();
    raise();
    activateWindow();
}
