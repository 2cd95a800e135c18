// "Information": the info text of an info point as a scrollable picture, printable and saveable.
#include "TInfoboxForm.h"

#include "Dateifehler.h"
#include "Infotext.h"
#include "Markup.h"
#include "Rahmen.h"
#include "SeitenDruck.h"
#include "SpeicherDialoge.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QWindow>

namespace {
const int Breite = 467;
const int Hoehe = 331;
const int PanelRand = 8;
const int KnopfZeile = 44; // below Panel1: the buttons and the margin
const int MaxHoehe = 566;
const int TextGrad = 14; // points of the rendered picture
} // namespace

TInfoboxForm::TInfoboxForm(IMeldungen &m, QWidget *parent) : QDialog(parent), meldungen(m)
{
    setObjectName("InfoboxForm");
    setWindowTitle("Information");
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    resize(Breite, Hoehe);
    FensterFarbeSetzen(this);

    MainBackImg = HintergrundBildAnlegen(this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    FlaecheFaerben(Panel1, KartenFarbe());

    ScrollBox1 = new QScrollArea(Panel1);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette sp = ScrollBox1->palette();
    sp.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(sp);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    ScrollBox1->viewport()->setPalette(sp);

    TextImg = new QLabel;
    TextImg->setObjectName("TextImg");
    TextImg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TextImg->setScaledContents(false);
    TextImg->installEventFilter(this);
    ScrollBox1->setWidget(TextImg);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->hide();

    auto knopf = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    DruckBtn = knopf("DruckBtn", "Drucken...");
    ExpBtn = knopf("ExpBtn", "Speichern...");
    ClipBtn = knopf("ClipBtn", "In Zwischenablage");
    CloseBtn = knopf("CloseBtn", "Schließen");
    connect(DruckBtn, &QPushButton::clicked, this, &TInfoboxForm::DruckBtnClick);
    connect(ExpBtn, &QPushButton::clicked, this, &TInfoboxForm::ExpBtnClick);
    connect(ClipBtn, &QPushButton::clicked, this, &TInfoboxForm::ClipBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject); // the cancel button

    // Page Up and Page Down reach the window through its key handler (see
    // event()); the text picture takes no focus that could use them first.
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
}

namespace {
bool BlaetterTaste(const QEvent *e)
{
    const auto *k = static_cast<const QKeyEvent *>(e);
    return (k->key() == Qt::Key_PageUp || k->key() == Qt::Key_PageDown)
           && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

bool TInfoboxForm::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride:
        // The main window's hidden previous/next-topic items use the same
        // keys; while this window has the focus its keys win, instead of
        // Qt finding the shortcut ambiguous and running neither.
        if (BlaetterTaste(e)) {
            e->accept();
            return true;
        }
        break;
    case QEvent::WindowBlocked:
        // A modal dialog or message opened (from here or from the main
        // window): it must not open underneath this window.
        if (windowHandle())
            windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
        break;
    case QEvent::WindowUnblocked:
        if (windowHandle())
            windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
        break;
    default:
        break;
    }
    return QDialog::event(e);
}

void TInfoboxForm::keyPressEvent(QKeyEvent *e)
{
    if (BlaetterTaste(e)) {
        ZeilenSchritt(e->key() == Qt::Key_PageUp ? -1 : 1);
        return;
    }
    QDialog::keyPressEvent(e);
}

QStringList TInfoboxForm::Zeilen() const
{
    return TextZeilen(Memo1->toPlainText());
}

void TInfoboxForm::InfotextZeigen(const QString &text, QWidget *hauptfenster)
{
    Memo1->setPlainText(TextZeilen(text).join(QLatin1Char('\n')));
    // Lay out at the standard size first, so every showing starts alike.
    resize(Breite, height());
    const int panelHoehe = height() - KnopfZeile - PanelRand;
    const int textBreite = (Breite - 2 * PanelRand) - 30;
    QImage bild;
    InfotextZeichnen(bild, Zeilen(), textBreite, TextGrad, Qt::white);
    ScrollBox1->verticalScrollBar()->setValue(0);
    TextImg->setPixmap(QPixmap::fromImage(bild));
    TextImg->resize(bild.size());
    TextImg->move(0, 0);
    const int neu = qMin(height() - panelHoehe + bild.height() + 34, MaxHoehe);
    resize(Breite, qMax(neu, 120));
    // Its right edge 6 pixels inside the main window's, its top 6 pixels
    // below; the frame is known only once the window is shown.
    auto platzieren = [this, hauptfenster] {
        if (!hauptfenster)
            return;
        const QRect h = hauptfenster->frameGeometry();
        const int rahmen = frameGeometry().width() - width();
        move(h.right() + 1 - 6 - width() - rahmen, h.top() + 6);
    };
    platzieren();
    // Also when the window is already open with another text.
    RichEditFuellen();
    show();
    platzieren();
    raise();
}

void TInfoboxForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Anordnen();
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund3);
    RichEditFuellen();
    CloseBtn->setFocus();
}

void TInfoboxForm::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    Anordnen();
}

void TInfoboxForm::Anordnen()
{
    const int panelHoehe = height() - KnopfZeile - PanelRand;
    Panel1->setGeometry(PanelRand, PanelRand, width() - 2 * PanelRand, panelHoehe);
    ScrollBox1->setGeometry(0, 0, Panel1->width(), Panel1->height());
    int x = width() - PanelRand;
    const int y = height() - KnopfZeile + 8;
    for (QPushButton *b : {CloseBtn, ClipBtn, ExpBtn, DruckBtn}) {
        const int w = b == ClipBtn ? 120 : 96;
        x -= w;
        b->setGeometry(x, y, w, 28);
        x -= 8;
    }
    if (isVisible()) {
        MainBackImg->setGeometry(rect());
        FuelleHintergrund3(MainBackImg);
    }
}

void TInfoboxForm::hideEvent(QHideEvent *e)
{
    // The next showing starts at the top of its text.
    ScrollBox1->verticalScrollBar()->setValue(0);
    ziehen.Loslassen();
    QDialog::hideEvent(e);
}

void TInfoboxForm::RichEditFuellen()
{
    RichEdit1->clear();
    QTextCharFormat format;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(11);
    format.setFont(f);
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    QTextCursor c(RichEdit1->document());
    bool erste = true;
    for (const QString &z : InfotextOhneStil(Zeilen())) {
        if (!erste)
            c.insertBlock();
        c.setCharFormat(format);
        c.insertText(z, format);
        erste = false;
    }
}

QByteArray TInfoboxForm::Rtf() const
{
    return InfotextNachRtf(Zeilen());
}

void TInfoboxForm::Drucken(QPrinter &drucker)
{
    drucker.setDocName(QStringLiteral("Infotext"));
    MitSeitenzahlDrucken(*RichEdit1->document(), drucker);
}

void TInfoboxForm::DruckBtnClick()
{
    QPrinter drucker;
    drucker.setDocName(QStringLiteral("Infotext"));
    QPrintDialog d(&drucker, this);
    if (d.exec() == QDialog::Accepted)
        Drucken(drucker);
}

bool TInfoboxForm::Speichern(const QString &pfad)
{
    const QByteArray rtf = Rtf();
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size() || !f.commit()) {
        ZeigeSchreibFehler(meldungen, pfad);
        return false;
    }
    return true;
}

void TInfoboxForm::ExpBtnClick()
{
    const QString pfad =
        SpeicherDateiWaehlen(this, SpeicherArt::RichText, "Infotext in Datei speichern", RtfSpeichernOrdner);
    if (!pfad.isEmpty())
        Speichern(pfad);
}

void TInfoboxForm::ClipBtnClick()
{
    auto *daten = new QMimeData;
    daten->setText(InfotextOhneStil(Zeilen()).join(QLatin1Char('\n')));
    daten->setHtml(RichEdit1->toHtml());
    daten->setData(QStringLiteral("text/rtf"), Rtf());
    daten->setData(QStringLiteral("application/rtf"), Rtf());
    QApplication::clipboard()->setMimeData(daten);
    QTextCursor c = RichEdit1->textCursor();
    c.clearSelection();
    RichEdit1->setTextCursor(c);
}

void TInfoboxForm::ZeilenSchritt(int richtung)
{
    QScrollBar *s = ScrollBox1->verticalScrollBar();
    s->setValue(s->value() + richtung * s->singleStep());
}

bool TInfoboxForm::eventFilter(QObject *obj, QEvent *e)
{
    if (obj != TextImg)
        return QDialog::eventFilter(obj, e);
    QScrollBar *s = ScrollBox1->verticalScrollBar();
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() != Qt::LeftButton)
            break;
        ziehen.Druecken(qRound(m->globalPosition().y()), s->value());
        TextImg->setCursor(ProgrammCursor(8));
        return true;
    }
    case QEvent::MouseMove: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (!ziehen.Aktiv() || !(m->buttons() & Qt::LeftButton))
            break;
        const int wunsch = ziehen.Wunsch(qRound(m->globalPosition().y()));
        s->setValue(wunsch);
        ziehen.Geklemmt(wunsch, s->value());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton && ziehen.Aktiv()) {
            ziehen.Loslassen();
            TextImg->unsetCursor();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(obj, e);
}
