// The worksheet window: controls, building and the preview.
#include "TArbeitsblattForm.h"

#include "ArbeitsblattErstellen.h"
#include "Farben.h"
#include "RadioGruppe.h"
#include "Rahmen.h"
#include "Runden.h"
#include "Szene.h"
#include "VorschauBild.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>

namespace {
QPushButton *Knopf(const QString &name, const QString &text, QWidget *eltern)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(name);
    return b;
}
QCheckBox *Haken(const QString &name, const QString &text, bool an, QWidget *eltern)
{
    auto *c = new QCheckBox(text, eltern);
    c->setObjectName(name);
    c->setChecked(an);
    return c;
}
void Tafel(QWidget *w)
{
    FlaecheFaerben(w, TafelFarbe());
}
} // namespace

TArbeitsblattForm::TArbeitsblattForm(IMeldungen &m, IArbeitsblattDialoge &d, TArbblattDruckForm &druck, QWidget *parent)
    : QDialog(parent), meldungen(m), dialoge(d), druckForm(druck)
{
    setObjectName("ArbeitsblattForm");
    setWindowTitle(QStringLiteral("Arbeitsblatt"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(ClientBreite, ClientHoehe);
    // The dialogs' font: Arial, 11 pixels.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(11);
    setFont(schrift);
    resize(ClientBreite, ClientHoehe);

    MainBackImg = HintergrundBildAnlegen(this);

    // The preview: a white page panel in a grey scroll box.
    ABScrollBox = new QScrollArea(this);
    ABScrollBox->setObjectName("ABScrollBox");
    ABScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ABScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ABScrollBox->setWidgetResizable(false);
    {
        QPalette p = ABScrollBox->palette();
        p.setColor(QPalette::Window, VclFarbe(7833736));
        ABScrollBox->viewport()->setPalette(p);
        ABScrollBox->viewport()->setAutoFillBackground(true);
    }
    auto *flaeche = new QWidget;
    flaeche->setObjectName("ABFlaeche");
    flaeche->setAutoFillBackground(false);
    ABScrollBox->setWidget(flaeche);
    ABPan = new QFrame(flaeche);
    ABPan->setObjectName("ABPan");
    static_cast<QFrame *>(ABPan)->setFrameStyle(QFrame::Box | QFrame::Plain);
    FlaecheFaerben(ABPan, Qt::white);
    ABImg = new VorschauBild(ABPan);
    ABPan->installEventFilter(this);
    ABImg->installEventFilter(this);

    // The options.
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Tafel(Panel1);
    GroupBox1 = new QGroupBox(QStringLiteral(" Gestaltung "), Panel1);
    GroupBox1->setObjectName("GroupBox1");
    ABNameBox = Haken("ABNameBox", "Name", true, GroupBox1);
    ABKlasseBox = Haken("ABKlasseBox", "Klasse", true, GroupBox1);
    ABDatumBox = Haken("ABDatumBox", "Datum", true, GroupBox1);
    auto *titelLab = new QLabel(QStringLiteral("Titel&zeile (frei lassen, falls nicht gewünscht)"), GroupBox1);
    TitelEdit = new QLineEdit(GroupBox1);
    TitelEdit->setObjectName("TitelEdit");
    titelLab->setBuddy(TitelEdit);
    TitelCheck = Haken("TitelCheck", QStringLiteral("Titel des Dokuments verwenden"), true, GroupBox1);
    auto *aufgLab = new QLabel(QStringLiteral("A&ufgabenstellung"), GroupBox1);
    AufgMemo = new QPlainTextEdit(GroupBox1);
    AufgMemo->setObjectName("AufgMemo");
    AufgMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AufgMemo->setTabChangesFocus(true);
    AufgMemo->setPlainText(QStringLiteral("Aufgabe: Fülle die freien Felder aus!"));
    aufgLab->setBuddy(AufgMemo);
    TextvorgabeCheck = Haken("TextvorgabeCheck", QStringLiteral("Antworttexte vorgeben"), true, GroupBox1);
    Typ2Pan = new QWidget(GroupBox1);
    Typ2Pan->setObjectName("Typ2Pan");
    auto *abLab = new QLabel(QStringLiteral("A&b Frage Nr."), Typ2Pan);
    AbFrageEdit = new QSpinBox(Typ2Pan);
    AbFrageEdit->setObjectName("AbFrageEdit");
    AbFrageEdit->setRange(1, 99999);
    AbFrageEdit->setValue(1);
    abLab->setBuddy(AbFrageEdit);
    auto *abHinweis = new QLabel(QStringLiteral("(falls nicht alles auf eine Seite passt)"), Typ2Pan);
    NaechstesLab = new QLabel(Typ2Pan);
    NaechstesLab->setObjectName("NaechstesLab");
    // Two lines: the panel is narrower than the caption.
    WortlisteCheck =
        Haken("WortlisteCheck", QStringLiteral("Wortliste nur mit den Antworten\ndieses Blatts"), true, Typ2Pan);
    WortlisteCheck->setAccessibleName(QStringLiteral("Wortliste nur mit den Antworten dieses Blatts"));
    abLab->setGeometry(0, 3, 80, 20);
    AbFrageEdit->setGeometry(84, 0, 70, 24);
    abHinweis->setGeometry(0, 26, 230, 18);
    NaechstesLab->setGeometry(0, 44, 230, 18);
    WortlisteCheck->setGeometry(0, 62, 230, 32);

    const int gb = 250;
    ABNameBox->setGeometry(10, 20, 80, 22);
    ABKlasseBox->setGeometry(100, 20, 80, 22);
    ABDatumBox->setGeometry(190, 20, 90, 22);
    titelLab->setGeometry(10, 46, gb - 20, 18);
    TitelEdit->setGeometry(10, 64, gb - 20, 24);
    TitelCheck->setGeometry(10, 90, gb - 20, 22);
    aufgLab->setGeometry(10, 116, gb - 20, 18);
    AufgMemo->setGeometry(10, 134, gb - 20, 44);
    TextvorgabeCheck->setGeometry(10, 182, gb - 20, 22);
    Typ2Pan->setGeometry(10, 206, gb - 20, 96);
    GroupBox1->setGeometry(4, 2, gb, 306);

    ModeRadio = new RadioGruppe("ModeRadio", QStringLiteral(" Was soll erstellt werden "),
                                {QStringLiteral(" Arbeitsblatt "), QStringLiteral(" Lösungsblatt (komplett) "),
                                 QStringLiteral(" Lösungsblatt (Auflegefolie) ")},
                                Panel1);
    ModeRadio->setItemIndex(0);
    ModeRadio->setGeometry(4, 310, gb, 76);
    AktBtn = Knopf("AktBtn", QStringLiteral("&Vorschau aktualisieren"), Panel1);
    AktBtn->setGeometry(4, 390, gb, 26);
    Label5 = new QLabel(QStringLiteral("Um das handschriftliche Ausfüllen zu erleichtern, werden die Textkästchen "
                                       "im Arbeitsblatt größer als in der Lernansicht dargestellt."),
                        Panel1);
    Label5->setObjectName("Label5");
    Label5->setWordWrap(true);
    Label5->setGeometry(6, 418, gb - 4, 42);

    // The commands.
    Panel2 = new QWidget(this);
    Panel2->setObjectName("Panel2");
    Tafel(Panel2);
    DruckBtn = Knopf("DruckBtn", QStringLiteral("&Drucken..."), Panel2);
    SaveBtn = Knopf("SaveBtn", QStringLiteral("&Speichern..."), Panel2);
    InClipBtn = Knopf("InClipBtn", QStringLiteral("In &Zwischenablage kopieren"), Panel2);
    AlleCheck = Haken("AlleCheck", QStringLiteral("A&lle Blätter"), false, Panel2);
    AlleCheck->setToolTip(QStringLiteral("Drucken und Speichern nehmen alle Blätter ab \"Ab Frage Nr.\" bis "
                                         "zur letzten Frage: eine PDF-Datei mit allen Seiten oder nummerierte "
                                         "Dateien."));
    OKBtn = Knopf("OKBtn", QStringLiteral("Schließen"), Panel2);
    OKBtn->setDefault(true);
    DruckBtn->setGeometry(4, 4, 122, 28);
    SaveBtn->setGeometry(132, 4, 122, 28);
    InClipBtn->setGeometry(4, 36, 160, 28);
    AlleCheck->setGeometry(170, 36, 84, 28);
    OKBtn->setGeometry(4, 68, 250, 28);

    FensterFarbeSetzen(this);

    auto bauen = [this] { ArbeitsblattErstellen(); };
    for (QCheckBox *c : {ABNameBox, ABKlasseBox, ABDatumBox, TextvorgabeCheck, WortlisteCheck})
        connect(c, &QCheckBox::clicked, this, bauen);
    connect(ModeRadio, &RadioGruppe::geklickt, this, bauen);
    connect(AktBtn, &QPushButton::clicked, this, bauen);
    connect(TitelCheck, &QCheckBox::clicked, this, &TArbeitsblattForm::TitelCheckClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TArbeitsblattForm::SaveBtnClick);
    connect(InClipBtn, &QPushButton::clicked, this, &TArbeitsblattForm::InClipBtnClick);
    connect(DruckBtn, &QPushButton::clicked, this, &TArbeitsblattForm::DruckBtnClick);
    // "Schließen" is the default and the cancel button: Escape closes too.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::reject);
    Anordnen();
}

int TArbeitsblattForm::Zeigen(Szene &s)
{
    szene = &s;
    return exec();
}

void TArbeitsblattForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (szene && !e->spontaneous())
        Aktivieren(*szene);
}

void TArbeitsblattForm::Aktivieren(Szene &s)
{
    szene = &s;
    BlattMetafile.emplace();
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund3);
    if (TitelCheck->isChecked())
        TitelEdit->setText(s.Zustand.Dok.Titel);
    Typ2Pan->setVisible(s.Zustand.Dok.DokTyp == DokArt::Einzelfragen);
    ArbeitsblattErstellen();
    OKBtn->setFocus();
}

void TArbeitsblattForm::done(int r)
{
    // The page lives from activation to closing.
    BlattMetafile.reset();
    ABImg->BlattSetzen(Blatt());
    QDialog::done(r);
}

void TArbeitsblattForm::TitelCheckClick()
{
    if (TitelCheck->isChecked() && szene)
        TitelEdit->setText(szene->Zustand.Dok.Titel);
}

ArbeitsblattOptionen TArbeitsblattForm::Optionen() const
{
    ArbeitsblattOptionen o;
    o.Name = ABNameBox->isChecked();
    o.Klasse = ABKlasseBox->isChecked();
    o.Datum = ABDatumBox->isChecked();
    o.Titel = TitelEdit->text();
    o.Aufgabe = AufgMemo->toPlainText();
    o.Textvorgabe = TextvorgabeCheck->isChecked();
    o.AbFrage = AbFrageEdit->value();
    o.WortlisteBlatt = WortlisteCheck->isChecked();
    o.Art = static_cast<BlattArt>(qBound(0, ModeRadio->ItemIndex(), 2));
    return o;
}

void TArbeitsblattForm::ArbeitsblattErstellen()
{
    if (!szene)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BlattMetafile = ::ArbeitsblattErstellen(Optionen(), *szene);
    ABImg->BlattSetzen(*BlattMetafile);
    const int naechste = BlattMetafile->NaechsteFrage;
    NaechstesLab->setText(naechste > 0 ? QStringLiteral("Nächstes Blatt ab Frage %1").arg(naechste) : QString());
    QApplication::restoreOverrideCursor();
    VorschauAnordnen();
}

void TArbeitsblattForm::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    Anordnen();
    MainBackImg->setGeometry(rect());
    FuelleHintergrund4(MainBackImg);
    MainBackImg->lower();
    VorschauAnordnen();
}

void TArbeitsblattForm::Anordnen()
{
    // Options and commands keep their width at the right; the preview
    // takes the rest.
    const int rechts = 258;
    const int x = width() - rechts - 8;
    Panel1->setGeometry(x, 8, rechts, height() - 8 - 108 - 8);
    Panel2->setGeometry(x, height() - 8 - 100, rechts, 100);
    ABScrollBox->setGeometry(8, 8, x - 16, height() - 16);
}

void TArbeitsblattForm::VorschauAnordnen()
{
    QScrollBar *bar = ABScrollBox->verticalScrollBar();
    bar->setValue(0);
    const int sichtBreite = ABScrollBox->viewport()->width();
    const int panBreite = qMax(60, ABScrollBox->width() - 40);
    const int rand = 2 * static_cast<QFrame *>(ABPan)->frameWidth();
    const int client = panBreite - rand;
    const int clientHoehe = rnd((client - 40) * 2600.0 / 1600.0 + 40);
    ABPan->setGeometry((sichtBreite - panBreite) / 2, 8, panBreite, clientHoehe + rand);
    ABImg->setGeometry(20 + rand / 2, 20 + rand / 2, client - 40, clientHoehe - 40);
    ABScrollBox->widget()->resize(sichtBreite, ABPan->height() + 16);
    bar->setValue(0);
}

bool TArbeitsblattForm::eventFilter(QObject *obj, QEvent *e)
{
    if (obj != ABPan && obj != ABImg)
        return QDialog::eventFilter(obj, e);
    QScrollBar *bar = ABScrollBox->verticalScrollBar();
    switch (e->type()) {
    case QEvent::Wheel: {
        // The window takes the wheel: as many line steps as the system's
        // wheel setting gives, down for a turn toward the user.
        const auto *w = static_cast<QWheelEvent *>(e);
        const int raster = w->angleDelta().y() / 120;
        const int schritte = (raster != 0 ? raster : (w->angleDelta().y() > 0 ? 1 : -1))
                             * QApplication::wheelScrollLines();
        if (w->angleDelta().y() != 0)
            bar->setValue(bar->value() - schritte * bar->singleStep());
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto *m = static_cast<QMouseEvent *>(e);
        if (obj != ABImg || m->button() != Qt::LeftButton)
            break;
        ziehen = true;
        merkY = m->globalPosition().toPoint().y();
        merkScroll = bar->value();
        ABImg->setCursor(ProgrammCursor(8));
        QApplication::setOverrideCursor(ProgrammCursor(8));
        return true;
    }
    case QEvent::MouseMove: {
        const auto *m = static_cast<QMouseEvent *>(e);
        if (!ziehen || !(m->buttons() & Qt::LeftButton))
            break;
        const int y = m->globalPosition().toPoint().y();
        const int soll = merkScroll + (merkY - y);
        bar->setValue(soll);
        if (bar->value() != soll) {
            // Clamped: start over from here so the page follows at once
            // when the pointer turns back.
            merkY = y;
            merkScroll = bar->value();
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!ziehen)
            break;
        ziehen = false;
        ABImg->unsetCursor();
        QApplication::restoreOverrideCursor();
        return true;
    }
    default:
        break;
    }
    return QDialog::eventFilter(obj, e);
}
