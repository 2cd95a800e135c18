// The single-question page.
#include "FragenSeite.h"

#include "Bearbeitung.h"
#include "FlaggenNamen.h"
#include "Meldungen.h"
#include "TFlaggenWahlForm.h"
#include "Vorschau.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FragenSeite::FragenSeite(Bearbeitung &bearbeitung, IMeldungen &m, const QString &ordner, QWidget *parent)
    : QWidget(parent), b(bearbeitung), meldungen(m), progOrdner(ordner)
{
    setObjectName("FragenSeite");
    auto *haupt = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    auto *tabLabel = new QLabel(QStringLiteral("&Fragen und Antworten (eine Zeile je Frage):"));
    Tabelle = new QTableWidget(0, 2);
    Tabelle->setObjectName("FragenTabelle");
    Tabelle->setHorizontalHeaderLabels({QStringLiteral("Frage"), QStringLiteral("Antwort")});
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle->setTabKeyNavigation(false);
    tabLabel->setBuddy(Tabelle);
    links->addWidget(tabLabel);
    links->addWidget(Tabelle, 1);
    auto *knoepfe = new QHBoxLayout;
    auto *hinzu = new QPushButton(QStringLiteral("Frage &hinzufügen"));
    hinzu->setObjectName("FrageHinzuBtn");
    auto *loeschen = new QPushButton(QStringLiteral("Frage &löschen"));
    loeschen->setObjectName("FrageLoeschenBtn");
    auto *flagge = new QPushButton(QStringLiteral("Fla&gge einfügen..."));
    flagge->setObjectName("FlaggeBtn");
    knoepfe->addWidget(hinzu);
    knoepfe->addWidget(loeschen);
    knoepfe->addWidget(flagge);
    knoepfe->addStretch();
    links->addLayout(knoepfe);
    haupt->addLayout(links, 1);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Vorschau im kleinsten Quiz-Fenster:")));
    Vorschau = new QLabel;
    Vorschau->setObjectName("FragenVorschau");
    Vorschau->setFrameShape(QFrame::Box);
    rechts->addWidget(Vorschau);
    Pruefung = new QLabel;
    Pruefung->setObjectName("KartenPruefung");
    Pruefung->setWordWrap(true);
    Pruefung->setMaximumWidth(560);
    rechts->addWidget(Pruefung);
    rechts->addStretch();
    haupt->addLayout(rechts);

    // Only the author's changes count, not the table being filled; they are
    // handled once control has left the item, since the table's items are
    // made anew afterwards.
    connect(Tabelle, &QTableWidget::cellChanged, this, [this](int zeile, int spalte) {
        if (!laedt)
            QMetaObject::invokeMethod(
                this, [this, zeile, spalte] { ZelleGeaendert(zeile, spalte); }, Qt::QueuedConnection);
    });
    connect(Tabelle, &QTableWidget::currentCellChanged, this, [this](int zeile) { VorschauZeigen(zeile + 1); });
    connect(hinzu, &QPushButton::clicked, this, &FragenSeite::Hinzufuegen);
    connect(loeschen, &QPushButton::clicked, this, &FragenSeite::Loeschen);
    connect(flagge, &QPushButton::clicked, this, &FragenSeite::FlaggeWaehlen);
    Neuladen();
}

void FragenSeite::Neuladen()
{
    const QList<FragenZeile> zeilen = b.FragenZeilen();
    const int aktuell = qMax(0, Tabelle->currentRow());
    laedt = true;
    Tabelle->setRowCount(int(zeilen.size()));
    for (int i = 0; i < zeilen.size(); ++i) {
        Tabelle->setItem(i, 0, new QTableWidgetItem(zeilen[i].Frage));
        Tabelle->setItem(i, 1, new QTableWidgetItem(zeilen[i].Antwort));
    }
    if (!zeilen.isEmpty())
        Tabelle->setCurrentCell(qMin(aktuell, int(zeilen.size()) - 1), qMax(0, Tabelle->currentColumn()));
    laedt = false;
    VorschauZeigen(Tabelle->currentRow() + 1);
}

void FragenSeite::VorschauZeigen(int k)
{
    QStringList konflikte;
    Vorschau->setPixmap(QPixmap::fromImage(FragenkarteVorschau(b.Dok, k, &konflikte, progOrdner)));
    if (k < 1 || k > b.Dok.AnzFrageNummern) {
        Pruefung->setText(QStringLiteral("Noch keine Frage. Fügen Sie eine Frage hinzu."));
        Pruefung->setStyleSheet({});
    } else if (konflikte.isEmpty()) {
        Pruefung->setText(QStringLiteral("✔ Frage %1: alle Teile der Karte stehen frei.").arg(k));
        Pruefung->setStyleSheet("color: #006400;");
    } else {
        Pruefung->setText(QStringLiteral("✘ ") + konflikte.join(QStringLiteral("\n✘ ")));
        Pruefung->setStyleSheet("color: #b40000;");
    }
}

void FragenSeite::ZelleGeaendert(int zeile, int)
{
    const auto text = [this, zeile](int spalte) {
        const QTableWidgetItem *e = Tabelle->item(zeile, spalte);
        return e ? e->text() : QString();
    };
    const QString fehler = b.FrageAendern(zeile + 1, {text(0), text(1)});
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
    Neuladen();
}

void FragenSeite::Hinzufuegen()
{
    const QString fehler = b.FrageHinzufuegen({QStringLiteral("Neue Frage"), {}});
    if (!fehler.isEmpty()) {
        meldungen.Fehler(fehler);
        return;
    }
    Neuladen();
    Tabelle->setCurrentCell(Tabelle->rowCount() - 1, 0);
    Tabelle->setFocus();
    Tabelle->editItem(Tabelle->currentItem());
}

void FragenSeite::Loeschen()
{
    const int k = Tabelle->currentRow() + 1;
    if (k < 1)
        return;
    const QString fehler = b.FrageLoeschen(k);
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
    Neuladen();
}

void FragenSeite::FlaggeWaehlen()
{
    static QList<FlaggenEintrag> liste;
    static QString listenOrdner;
    if (liste.isEmpty() || listenOrdner != progOrdner) {
        liste = FlaggenListe(progOrdner);
        listenOrdner = progOrdner;
    }
    if (liste.isEmpty()) {
        meldungen.Fehler(QStringLiteral("Im Ordner \"Flaggen\" des Programms sind keine Flaggen zu finden."));
        return;
    }
    TFlaggenWahlForm wahl(liste, progOrdner, this);
    if (wahl.exec() != QDialog::Accepted)
        return;
    const FlaggenEintrag f = wahl.Gewaehlt();
    if (!f.datei.isEmpty())
        FlaggeEinfuegen(f.datei, f.name);
}

void FragenSeite::FlaggeEinfuegen(const QString &datei, const QString &name)
{
    const int k = Tabelle->currentRow() + 1;
    const QList<FragenZeile> zeilen = b.FragenZeilen();
    QString fehler;
    if (k < 1 || k > zeilen.size()) {
        fehler = b.FrageHinzufuegen({FlaggenFrage(datei), name});
        if (fehler.isEmpty()) {
            Neuladen();
            Tabelle->setCurrentCell(Tabelle->rowCount() - 1, 0);
        }
    } else {
        const FragenZeile &z = zeilen[k - 1];
        const bool neueFrage = z.Frage == QStringLiteral("Neue Frage");
        fehler = b.FrageAendern(k, {neueFrage ? FlaggenFrage(datei) : FlaggeEinsetzen(z.Frage, datei),
                                    z.Antwort.isEmpty() ? name : z.Antwort});
    }
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
    Neuladen();
}
