// The labelling page.
#include "BeschriftungsSeite.h"

#include "Bearbeitung.h"
#include "BeschriftungsBild.h"
#include "Meldungen.h"
#include "NeuesDokument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

BeschriftungsSeite::BeschriftungsSeite(Bearbeitung &bearbeitung, IMeldungen &m, const QString &progOrdner,
                                       QWidget *parent)
    : QWidget(parent), b(bearbeitung), meldungen(m)
{
    setObjectName("BeschriftungsSeite");
    TextErfragen = [this](QString &text) {
        bool ok = false;
        text = QInputDialog::getText(this, QStringLiteral("Neue Beschriftung"),
                                     QStringLiteral("&Text der Beschriftung:"), QLineEdit::Normal, {}, &ok);
        return ok;
    };
    auto *haupt = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    auto *hinweis = new QLabel(QStringLiteral("Klicken Sie auf den Punkt, den die Beschriftung bezeichnet, und "
                                              "ziehen Sie zur Stelle ihres Textes. Ziehen Sie eine Beschriftung, um "
                                              "sie zu verschieben, oder ihren blauen Ankerpunkt."));
    hinweis->setWordWrap(true);
    links->addWidget(hinweis);
    Bild = new BeschriftungsBild(b, progOrdner);
    links->addWidget(Bild, 1);
    haupt->addLayout(links, 3);

    auto *rechts = new QVBoxLayout;
    auto *listLabel = new QLabel(QStringLiteral("&Beschriftungen:"));
    Liste = new QListWidget;
    Liste->setObjectName("BeschriftungsListe");
    listLabel->setBuddy(Liste);
    rechts->addWidget(listLabel);
    rechts->addWidget(Liste, 1);
    auto *form = new QFormLayout;
    TextEdit = new QLineEdit;
    TextEdit->setObjectName("BeschriftungTextEdit");
    TextEdit->setToolTip(QStringLiteral("Ein \"|\" trennt die Zeilen."));
    EbeneBox = new QComboBox;
    EbeneBox->setObjectName("EbeneBox");
    EbeneBox->addItems({QStringLiteral("Illustration"), QStringLiteral("Beschriftung"), QStringLiteral("Infopunkte")});
    LinieCheck = new QCheckBox(QStringLiteral("&Linie zum Ankerpunkt"));
    LinieCheck->setObjectName("LinieCheck");
    GroesseSpin = new QSpinBox;
    GroesseSpin->setObjectName("GroesseSpin");
    GroesseSpin->setRange(-5, 20);
    SeiteBox = new QComboBox;
    SeiteBox->setObjectName("SeiteBox");
    SeiteBox->addItems({QStringLiteral("automatisch"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                        QStringLiteral("4")});
    AusrichtungBox = new QComboBox;
    AusrichtungBox->setObjectName("AusrichtungBox");
    AusrichtungBox->addItems({QStringLiteral("links"), QStringLiteral("zentriert"), QStringLiteral("rechts")});
    form->addRow(QStringLiteral("&Text:"), TextEdit);
    form->addRow(QStringLiteral("&Ebene:"), EbeneBox);
    form->addRow(QString(), LinieCheck);
    form->addRow(QStringLiteral("&Schriftgröße:"), GroesseSpin);
    form->addRow(QStringLiteral("Sei&te des Textes:"), SeiteBox);
    form->addRow(QStringLiteral("&Ausrichtung:"), AusrichtungBox);
    rechts->addLayout(form);
    LoeschenBtn = new QPushButton(QStringLiteral("Beschriftung l&öschen"));
    LoeschenBtn->setObjectName("BeschriftungLoeschenBtn");
    LoeschenBtn->setAutoDefault(false);
    rechts->addWidget(LoeschenBtn);
    auto *bildBtn = new QPushButton(QStringLiteral("&Grundbild wechseln..."));
    bildBtn->setObjectName("GrundbildBtn");
    bildBtn->setAutoDefault(false);
    rechts->addWidget(bildBtn);
    haupt->addLayout(rechts, 1);

    connect(Liste, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (laedt)
            return;
        const QListWidgetItem *e = Liste->item(zeile);
        Auswaehlen(e ? e->data(Qt::UserRole).toInt() : -1);
    });
    connect(Bild, &BeschriftungsBild::AuswahlGeaendert, this, &BeschriftungsSeite::Auswaehlen);
    connect(Bild, &BeschriftungsBild::TextGefragt, this, &BeschriftungsSeite::NeuerText);
    connect(TextEdit, &QLineEdit::editingFinished, this, &BeschriftungsSeite::TextUebernehmen);
    connect(EbeneBox, &QComboBox::activated, this, &BeschriftungsSeite::AussehenUebernehmen);
    connect(LinieCheck, &QCheckBox::toggled, this, &BeschriftungsSeite::AussehenUebernehmen);
    connect(GroesseSpin, &QSpinBox::valueChanged, this, &BeschriftungsSeite::AussehenUebernehmen);
    connect(SeiteBox, &QComboBox::activated, this, &BeschriftungsSeite::AussehenUebernehmen);
    connect(AusrichtungBox, &QComboBox::activated, this, &BeschriftungsSeite::AussehenUebernehmen);
    connect(LoeschenBtn, &QPushButton::clicked, this, &BeschriftungsSeite::Loeschen);
    connect(bildBtn, &QPushButton::clicked, this, &BeschriftungsSeite::BildWechseln);
}

int BeschriftungsSeite::Aktuell() const
{
    const int i = Bild->Werkzeug().Ausgewaehlt;
    return i >= 0 && i < b.Dok.Objekte.size() ? i : -1;
}

void BeschriftungsSeite::Neuladen()
{
    Bild->Neuladen();
    laedt = true;
    Liste->clear();
    const auto &objekte = b.Dok.Objekte;
    for (int i = 0; i < objekte.size(); ++i) {
        if (objekte[i].Typ > ObjektTyp::DokumentLink)
            continue; // the parts of single questions are made by their page
        auto *e = new QListWidgetItem(QString(objekte[i].Cap).replace('\n', " | "), Liste);
        e->setData(Qt::UserRole, i);
        if (i == Aktuell())
            Liste->setCurrentItem(e);
    }
    laedt = false;
    EigenschaftenZeigen();
}

void BeschriftungsSeite::Auswaehlen(int index)
{
    TextUebernehmen();
    Bild->Werkzeug().Ausgewaehlt = index;
    laedt = true;
    for (int z = 0; z < Liste->count(); ++z)
        if (Liste->item(z)->data(Qt::UserRole).toInt() == index)
            Liste->setCurrentRow(z);
    laedt = false;
    Bild->update();
    EigenschaftenZeigen();
}

void BeschriftungsSeite::EigenschaftenZeigen()
{
    const int i = Aktuell();
    const bool da = i >= 0;
    textIndex = -1;
    for (QWidget *w : std::initializer_list<QWidget *>{TextEdit, EbeneBox, LinieCheck, GroesseSpin, SeiteBox,
                                                       AusrichtungBox, LoeschenBtn})
        w->setEnabled(da);
    if (!da)
        return;
    const DokObjekt &o = b.Dok.Objekte[i];
    textIndex = i;
    const QSignalBlocker s1(TextEdit), s2(LinieCheck), s3(GroesseSpin);
    TextEdit->setText(QString(o.Cap).replace('\n', "|"));
    EbeneBox->setCurrentIndex(qBound(0, o.Ebene, 2));
    LinieCheck->setChecked(o.Sline != 0);
    GroesseSpin->setValue(o.Fsize);
    SeiteBox->setCurrentIndex(qBound(0, o.KAusr, 4));
    AusrichtungBox->setCurrentIndex(qBound(0, o.TAusr, 2));
}

void BeschriftungsSeite::TextUebernehmen()
{
    // The field holds the text of the label shown last, which the mouse may
    // already have replaced as the selected one.
    const int i = textIndex;
    if (i < 0 || i >= b.Dok.Objekte.size() || !TextEdit->isEnabled())
        return;
    const QString cap = TextEdit->text().replace('|', '\n').trimmed();
    if (cap == b.Dok.Objekte[i].Cap || cap.isEmpty())
        return;
    const QString fehler = b.ObjektTextSetzen(i, cap);
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
}

void BeschriftungsSeite::AussehenUebernehmen()
{
    const int i = Aktuell();
    if (i < 0)
        return;
    const QString fehler =
        b.ObjektAussehenSetzen(i, {EbeneBox->currentIndex(), LinieCheck->isChecked() ? 1 : 0, GroesseSpin->value(),
                                   SeiteBox->currentIndex(), AusrichtungBox->currentIndex()});
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
}

void BeschriftungsSeite::Loeschen()
{
    const int i = Aktuell();
    if (i < 0)
        return;
    Bild->Werkzeug().Ausgewaehlt = -1;
    const QString fehler = b.ObjektLoeschen(i);
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
}

void BeschriftungsSeite::NeuerText()
{
    BeschriftungsWerkzeug &w = Bild->Werkzeug();
    while (w.Wartend) {
        QString text;
        if (!TextErfragen(text)) {
            w.Verwerfen();
            break;
        }
        const QString fehler = w.Anlegen(text);
        if (!fehler.isEmpty())
            meldungen.Fehler(fehler);
    }
    // The new label is the selected one, in the list too.
    Auswaehlen(w.Ausgewaehlt);
}

void BeschriftungsSeite::BildWechseln()
{
    const QString pfad = QFileDialog::getOpenFileName(this, QStringLiteral("Grundbild wählen"), {},
                                                      QStringLiteral("Bilder (*.png *.jpg *.jpeg);;Alle Dateien (*)"));
    if (pfad.isEmpty())
        return;
    QImage bild;
    if (!BasisBildLaden(pfad, bild)) {
        meldungen.Fehler(QString("Die Datei \"%1\" ist kein lesbares PNG- oder JPEG-Bild.").arg(pfad));
        return;
    }
    b.BasisBildSetzen(bild);
}

void BeschriftungsSeite::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Delete && (Bild->hasFocus() || Liste->hasFocus())) {
        Loeschen();
        return;
    }
    QWidget::keyPressEvent(e);
}
