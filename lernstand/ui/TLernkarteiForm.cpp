// The card box window.
#include "TLernkarteiForm.h"

#include "Lernstand.h"

#include "BildDatei.h"
#include "Fragentext.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const NeueEinstellung = "Lernkartei-NeueProTag";
const char *const AnzahlEinstellung = "Lernkartei-KartenProRunde";
const char *const ArtEinstellung = "Lernkartei-Antwortart";
// The quiz's feedback colours.
const QColor Richtig(90, 255, 72);
const QColor Falsch(255, 80, 70);
} // namespace

TLernkarteiForm::TLernkarteiForm(Lernstand &s, Dienste d, QWidget *eltern)
    : QDialog(eltern), stand(s), dienste(d), runde(s, *d.uhr, *d.zufall)
{
    setObjectName("TLernkarteiForm");
    setWindowTitle(QStringLiteral("Lernkartei"));
    auto *haupt = new QVBoxLayout(this);

    auto *wahl = new QFormLayout;
    SchuelerBox = new QComboBox(this);
    SchuelerBox->setEditable(true);
    SchuelerBox->setObjectName("SchuelerBox");
    ThemaBox = new QComboBox(this);
    ThemaBox->setObjectName("ThemaBox");
    ArtBox = new QComboBox(this);
    ArtBox->setObjectName("ArtBox");
    ArtBox->addItems({QStringLiteral("aus sechs Antworten wählen"), QStringLiteral("aufdecken und selbst bewerten")});
    NeueBox = new QSpinBox(this);
    NeueBox->setObjectName("NeueBox");
    NeueBox->setRange(0, 500);
    AnzahlBox = new QSpinBox(this);
    AnzahlBox->setObjectName("AnzahlBox");
    AnzahlBox->setRange(0, 1000);
    AnzahlBox->setSpecialValueText(QStringLiteral("alle fälligen"));
    wahl->addRow(QStringLiteral("&Name:"), SchuelerBox);
    wahl->addRow(QStringLiteral("&Thema:"), ThemaBox);
    wahl->addRow(QStringLiteral("&Antworten:"), ArtBox);
    wahl->addRow(QStringLiteral("&Neue Karten pro Tag:"), NeueBox);
    wahl->addRow(QStringLiteral("&Karten pro Runde:"), AnzahlBox);
    haupt->addLayout(wahl);
    StartBtn = new QPushButton(QStringLiteral("Runde &starten"), this);
    StartBtn->setObjectName("StartBtn");
    haupt->addWidget(StartBtn);

    StandLab = new QLabel(this);
    StandLab->setObjectName("StandLab");
    haupt->addWidget(StandLab);
    BildLab = new QLabel(this);
    BildLab->setObjectName("BildLab");
    BildLab->setAlignment(Qt::AlignCenter);
    // A fixed card: flags of other proportions must not make the window grow.
    BildLab->setFixedSize(420, 260);
    BildLab->setWordWrap(true);
    QFont gross = BildLab->font();
    gross.setPointSize(16);
    gross.setBold(true);
    BildLab->setFont(gross);
    haupt->addWidget(BildLab, 1);
    AntwortLab = new QLabel(this);
    AntwortLab->setObjectName("AntwortLab");
    AntwortLab->setAlignment(Qt::AlignCenter);
    AntwortLab->setFont(gross);
    haupt->addWidget(AntwortLab);
    RueckmeldungLab = new QLabel(this);
    RueckmeldungLab->setObjectName("RueckmeldungLab");
    RueckmeldungLab->setAlignment(Qt::AlignCenter);
    RueckmeldungLab->setAutoFillBackground(true);
    RueckmeldungLab->setFont(gross);
    RueckmeldungLab->setWordWrap(true);
    haupt->addWidget(RueckmeldungLab);

    // Six answers in two rows of three, large enough to tap.
    auto *raster = new QGridLayout;
    for (int i = 0; i < KartenRunde::Auswahlgroesse; ++i) {
        auto *b = new QPushButton(this);
        b->setObjectName(QStringLiteral("WahlBtn%1").arg(i + 1));
        b->setMinimumHeight(48);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { Waehlen(i); });
        raster->addWidget(b, i / 3, i % 3);
        WahlBtn[i] = b;
    }
    haupt->addLayout(raster);
    auto *reihe = new QHBoxLayout;
    AufdeckenBtn = new QPushButton(QStringLiteral("Aufdecken (Leertaste)"), this);
    GewusstBtn = new QPushButton(QStringLiteral("1  gewusst"), this);
    NichtGewusstBtn = new QPushButton(QStringLiteral("2  nicht gewusst"), this);
    WeiterBtn = new QPushButton(QStringLiteral("Weiter (Eingabetaste)"), this);
    for (QPushButton *b : {AufdeckenBtn, GewusstBtn, NichtGewusstBtn, WeiterBtn}) {
        b->setMinimumHeight(48);
        b->setFocusPolicy(Qt::NoFocus);
        reihe->addWidget(b);
    }
    AufdeckenBtn->setObjectName("AufdeckenBtn");
    GewusstBtn->setObjectName("GewusstBtn");
    NichtGewusstBtn->setObjectName("NichtGewusstBtn");
    WeiterBtn->setObjectName("WeiterBtn");
    haupt->addLayout(reihe);
    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setAutoDefault(false);
    schliessen->setFocusPolicy(Qt::NoFocus);
    StartBtn->setAutoDefault(false);
    // During a round the keys go to the window itself.
    setFocusPolicy(Qt::StrongFocus);
    haupt->addWidget(schliessen, 0, Qt::AlignRight);

    WeiterTimer = new QTimer(this);
    WeiterTimer->setSingleShot(true);
    connect(WeiterTimer, &QTimer::timeout, this, &TLernkarteiForm::Weiter);
    connect(StartBtn, &QPushButton::clicked, this, &TLernkarteiForm::RundeStarten);
    connect(AufdeckenBtn, &QPushButton::clicked, this, &TLernkarteiForm::Aufdecken);
    connect(GewusstBtn, &QPushButton::clicked, this, [this] { Bewerten(true); });
    connect(NichtGewusstBtn, &QPushButton::clicked, this, [this] { Bewerten(false); });
    connect(WeiterBtn, &QPushButton::clicked, this, &TLernkarteiForm::Weiter);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(NeueBox, &QSpinBox::valueChanged, this, [this](int v) { stand.EinstellungSetzen(NeueEinstellung, v); });
    connect(AnzahlBox, &QSpinBox::valueChanged, this, [this](int v) { stand.EinstellungSetzen(AnzahlEinstellung, v); });
    connect(ArtBox, &QComboBox::currentIndexChanged, this, [this](int v) {
        stand.EinstellungSetzen(ArtEinstellung, v);
        if (laeuft && !rueckmeldung)
            KarteZeigen();
    });
    Knoepfe();
}

void TLernkarteiForm::Vorbereiten(const QList<Dokument> &d, const QStringList &schueler, const QString &vorgabe,
                                  const QString &ordner, bool mitTon)
{
    dokumente = d;
    progOrdner = ordner;
    ton = mitTon;
    laeuft = false;
    ThemaBox->clear();
    for (const Dokument &dok : dokumente)
        ThemaBox->addItem(dok.Titel.isEmpty() ? QFileInfo(dok.DateiName).completeBaseName() : dok.Titel);
    SchuelerBox->clear();
    SchuelerBox->addItems(schueler);
    if (!vorgabe.isEmpty() && !schueler.contains(vorgabe))
        SchuelerBox->addItem(vorgabe);
    SchuelerBox->setCurrentText(vorgabe);
    const QSignalBlocker b1(NeueBox), b2(AnzahlBox), b3(ArtBox);
    NeueBox->setValue(stand.Einstellung(NeueEinstellung, 10));
    AnzahlBox->setValue(stand.Einstellung(AnzahlEinstellung, 0));
    ArtBox->setCurrentIndex(std::clamp(stand.Einstellung(ArtEinstellung, 0), 0, 1));
    StandLab->setText(dokumente.isEmpty()
                          ? QStringLiteral("In diesem Ordner gibt es kein Quiz mit Einzelfragen für die Lernkartei.")
                          : QStringLiteral("Thema wählen und die Runde starten (Eingabetaste)."));
    BildLab->clear();
    AntwortLab->clear();
    RueckmeldungLab->clear();
    RueckmeldungLab->setPalette(palette());
    Knoepfe();
}

void TLernkarteiForm::Knoepfe()
{
    const bool wahl = ArtBox->currentIndex() == 0;
    const bool frage = laeuft && !rueckmeldung;
    for (int i = 0; i < KartenRunde::Auswahlgroesse; ++i) {
        const bool da = laeuft && wahl && i < runde.Auswahl().size();
        WahlBtn[i]->setVisible(da);
        WahlBtn[i]->setEnabled(frage);
        if (da)
            WahlBtn[i]->setText(QStringLiteral("%1  %2").arg(i + 1).arg(runde.Auswahl()[i]));
    }
    AufdeckenBtn->setVisible(laeuft && !wahl && !aufgedeckt && !rueckmeldung);
    GewusstBtn->setVisible(laeuft && !wahl && aufgedeckt && !rueckmeldung);
    NichtGewusstBtn->setVisible(GewusstBtn->isVisible());
    WeiterBtn->setVisible(laeuft && rueckmeldung);
    StartBtn->setEnabled(!laeuft && !dokumente.isEmpty());
    for (QWidget *w : std::initializer_list<QWidget *>{SchuelerBox, ThemaBox, NeueBox, AnzahlBox})
        w->setEnabled(!laeuft);
}

void TLernkarteiForm::RundeStarten()
{
    const int i = ThemaBox->currentIndex();
    if (laeuft || i < 0 || i >= dokumente.size())
        return;
    const QString name = SchuelerBox->currentText().trimmed();
    if (name.isEmpty()) {
        StandLab->setText(QStringLiteral("Bitte zuerst einen Namen eingeben."));
        return;
    }
    if (!runde.Beginnen(dokumente[i], name, NeueBox->value(), AnzahlBox->value())) {
        StandLab->setText(QStringLiteral("Heute ist keine Karte fällig, und für heute sind alle neuen Karten "
                                         "begonnen. Schön gelernt!"));
        return;
    }
    laeuft = true;
    KarteZeigen();
    setFocus();
}

void TLernkarteiForm::KarteZeigen()
{
    aufgedeckt = false;
    rueckmeldung = false;
    RueckmeldungLab->clear();
    RueckmeldungLab->setPalette(palette());
    const LernFrage &f = runde.Aktuell();
    const Karte k = runde.AktuelleKarte();
    StandLab->setText(QStringLiteral("Karte %1 von %2 · %3")
                          .arg(runde.Stelle() + 1)
                          .arg(runde.Gesamt())
                          .arg(k.Box == 0 ? QStringLiteral("neue Karte") : QStringLiteral("Box %1").arg(k.Box)));
    QImage bild;
    const QString datei = f.Bild.isEmpty() ? QString() : FlaggenDatei(progOrdner, f.Bild);
    if (!datei.isEmpty() && PngLesenDatei(datei, bild) && !bild.isNull()) {
        BildLab->setPixmap(QPixmap::fromImage(
            bild.scaled(QSize(400, 250).boundedTo(bild.size() * 3), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        BildLab->setToolTip(f.Text);
    } else {
        BildLab->setText(f.Text.isEmpty() ? QStringLiteral("?") : f.Text);
    }
    AntwortLab->setText(ArtBox->currentIndex() == 1 ? QStringLiteral("?") : QString());
    Knoepfe();
}

void TLernkarteiForm::Waehlen(int platz)
{
    if (!laeuft || rueckmeldung || ArtBox->currentIndex() != 0 || platz < 0 || platz >= runde.Auswahl().size())
        return;
    const QString gewaehlt = runde.Auswahl()[platz];
    const bool richtig = runde.Waehlen(platz);
    for (int i = 0; i < runde.Auswahl().size(); ++i) {
        QPalette p = WahlBtn[i]->palette();
        const bool loesung = runde.Auswahl()[i] == runde.Aktuell().Schluessel;
        if (loesung || i == platz)
            p.setColor(QPalette::Button, loesung ? Richtig : Falsch);
        WahlBtn[i]->setPalette(p);
    }
    Q_UNUSED(gewaehlt);
    Rueckmeldung(richtig);
}

void TLernkarteiForm::Aufdecken()
{
    if (!laeuft || rueckmeldung || ArtBox->currentIndex() != 1)
        return;
    aufgedeckt = true;
    AntwortLab->setText(runde.Aktuell().Schluessel);
    Knoepfe();
}

void TLernkarteiForm::Bewerten(bool gewusst)
{
    if (!laeuft || rueckmeldung || !aufgedeckt)
        return;
    Rueckmeldung(runde.Bewerten(gewusst));
}

void TLernkarteiForm::Rueckmeldung(bool richtig)
{
    rueckmeldung = true;
    AntwortLab->setText(runde.Aktuell().Schluessel);
    RueckmeldungLab->setText(richtig ? QStringLiteral("✔ Richtig") : QStringLiteral("✘ Falsch – kommt später wieder"));
    QPalette p = RueckmeldungLab->palette();
    p.setColor(QPalette::Window, richtig ? Richtig : Falsch);
    RueckmeldungLab->setPalette(p);
    if (ton) {
        const QString datei = progOrdner + QStringLiteral("sound/")
                              + (richtig ? QStringLiteral("Richtig1.wav") : QStringLiteral("Falsch1.wav"));
        if (QFileInfo(datei).isFile()) {
            dienste.klang->Stoppen();
            dienste.klang->Spielen(datei, false);
        }
    }
    Knoepfe();
    // A right answer goes on by itself; the feedback stays long enough to be seen.
    if (richtig)
        WeiterTimer->start(900);
}

void TLernkarteiForm::Weiter()
{
    WeiterTimer->stop();
    if (!laeuft || !rueckmeldung)
        return;
    for (QPushButton *b : WahlBtn)
        b->setPalette(palette());
    runde.Weiter();
    if (runde.Fertig()) {
        RundeBeendet();
        return;
    }
    KarteZeigen();
}

void TLernkarteiForm::RundeBeendet()
{
    laeuft = false;
    rueckmeldung = false;
    BildLab->clear();
    AntwortLab->clear();
    RueckmeldungLab->setPalette(palette());
    RueckmeldungLab->clear();
    StandLab->setText(
        QStringLiteral("Runde beendet: %1 von %2 Antworten gewusst.").arg(runde.Gewusst()).arg(runde.Stelle()));
    Knoepfe();
}

void TLernkarteiForm::keyPressEvent(QKeyEvent *e)
{
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_6 && laeuft) {
        if (ArtBox->currentIndex() == 0)
            Waehlen(k - Qt::Key_1);
        else if (aufgedeckt && (k == Qt::Key_1 || k == Qt::Key_2))
            Bewerten(k == Qt::Key_1);
        return;
    }
    if (k == Qt::Key_Space && laeuft) {
        if (rueckmeldung)
            Weiter();
        else
            Aufdecken();
        return;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        if (rueckmeldung)
            Weiter();
        else if (!laeuft)
            RundeStarten();
        return;
    }
    QDialog::keyPressEvent(e);
}
