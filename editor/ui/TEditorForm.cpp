// The editor window.
#include "TEditorForm.h"

#include "Bearbeitung.h"
#include "BeschriftungsSeite.h"
#include "FragenSeite.h"
#include "LueckenSeite.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TEditorForm::TEditorForm(Bearbeitung &bearbeitung, IMeldungen &meldungen, const QString &progOrdner,
                         std::function<bool()> s, QWidget *parent)
    : QDialog(parent), b(bearbeitung), speichern(std::move(s))
{
    setObjectName("TEditorForm");
    auto *haupt = new QVBoxLayout(this);
    Seiten = new QStackedWidget;
    Beschriftungen = new BeschriftungsSeite(b, meldungen, progOrdner);
    Luecken = new LueckenSeite(b, meldungen, progOrdner);
    Fragen = new FragenSeite(b, meldungen, progOrdner);
    Seiten->addWidget(Beschriftungen);
    Seiten->addWidget(Luecken);
    Seiten->addWidget(Fragen);
    haupt->addWidget(Seiten, 1);

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [&knoepfe](const char *name, const QString &text) {
        auto *k = new QPushButton(text);
        k->setObjectName(name);
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
        return k;
    };
    RueckgaengigBtn = knopf("RueckgaengigBtn", QStringLiteral("&Rückgängig"));
    RueckgaengigBtn->setShortcut(QKeySequence::Undo);
    WiederholenBtn = knopf("WiederholenBtn", QStringLiteral("&Wiederholen"));
    WiederholenBtn->setShortcut(QKeySequence::Redo);
    knoepfe->addStretch();
    SpeichernBtn = knopf("SpeichernBtn", QStringLiteral("&Speichern"));
    SpeichernBtn->setShortcut(QKeySequence::Save);
    AusprobierenBtn = knopf("AusprobierenBtn", QStringLiteral("Als &Quiz ausprobieren"));
    SchliessenBtn = knopf("SchliessenBtn", QStringLiteral("Schl&ießen"));
    haupt->addLayout(knoepfe);

    // Typing not yet stored goes into the history before any command.
    const auto offenesUebernehmen = [this] {
        if (Seiten->currentWidget() == Luecken)
            Luecken->Uebernehmen();
    };
    connect(RueckgaengigBtn, &QPushButton::clicked, this, [this, offenesUebernehmen] {
        offenesUebernehmen();
        b.Stapel.undo();
    });
    connect(WiederholenBtn, &QPushButton::clicked, this, [this] { b.Stapel.redo(); });
    connect(SpeichernBtn, &QPushButton::clicked, this, [this, offenesUebernehmen] {
        offenesUebernehmen();
        if (speichern)
            speichern();
        Aktualisieren();
    });
    connect(AusprobierenBtn, &QPushButton::clicked, this, [this] { done(Ausprobieren); });
    connect(SchliessenBtn, &QPushButton::clicked, this, [this] { done(Geschlossen); });
    connect(&b, &Bearbeitung::InhaltGeaendert, this, [this] {
        // Undo may have changed the kind.
        if (Seiten->currentIndex() != int(b.Dok.DokTyp))
            SeiteWaehlen();
        else if (Seiten->currentWidget() == Fragen)
            Fragen->Neuladen();
        else if (Seiten->currentWidget() == Luecken)
            Luecken->Neuladen();
        else
            Beschriftungen->Neuladen();
        Aktualisieren();
    });
    connect(&b.Stapel, &QUndoStack::indexChanged, this, [this] { Aktualisieren(); });
    SeiteWaehlen();
}

void TEditorForm::SeiteWaehlen()
{
    const int art = int(b.Dok.DokTyp);
    Seiten->setCurrentIndex(art >= 0 && art < 3 ? art : 0);
    Fragen->Neuladen();
    Luecken->Neuladen();
    Beschriftungen->Neuladen();
    Aktualisieren();
}

void TEditorForm::Aktualisieren()
{
    static const char *arten[3] = {"Bildbeschriftung", "Lückentext", "Einzelfragen"};
    const int art = int(b.Dok.DokTyp);
    const QString titel = b.Dok.Titel.isEmpty() ? QStringLiteral("(ohne Titel)") : b.Dok.Titel;
    setWindowTitle(QStringLiteral("Inhalte bearbeiten – %1 (%2)%3")
                       .arg(titel, QString::fromUtf8(arten[art >= 0 && art < 3 ? art : 0]),
                            b.Dok.Geaendert ? QStringLiteral(" *") : QString()));
    RueckgaengigBtn->setEnabled(b.Stapel.canUndo() || Seiten->currentWidget() == Luecken);
    WiederholenBtn->setEnabled(b.Stapel.canRedo());
    RueckgaengigBtn->setToolTip(b.Stapel.undoText());
    WiederholenBtn->setToolTip(b.Stapel.redoText());
}

void TEditorForm::done(int r)
{
    // Nothing typed is lost when the window closes.
    if (Seiten->currentWidget() == Luecken)
        Luecken->Uebernehmen();
    QDialog::done(r);
}
