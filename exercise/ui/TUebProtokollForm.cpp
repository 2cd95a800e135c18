// The protocol window: showing, copying, saving, printing and commenting.
#include "TUebProtokollForm.h"

#include "ProtokollRtf.h"
#include "TProtKomForm.h"

#include "Dateifehler.h"
#include "Ordner.h"
#include "SichereDatei.h"
#include "SpeicherDialoge.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

TUebProtokollForm::TUebProtokollForm(IMeldungen &m, QWidget *parent) : QDialog(parent), meldungen(m)
{
    setObjectName("UebProtokollForm");
    setWindowTitle("Quiz-Protokoll");
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setStyleSheet("QTextEdit { background: white; }");
    auto knopf = [this](const char *name, const char *text) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    OKBtn = knopf("OKBtn", "Schließen");
    InClipBtn = knopf("InClipBtn", "In Zwischenablage kopieren");
    SaveBtn = knopf("SaveBtn", "Speichern...");
    DruckBtn = knopf("DruckBtn", "Drucken...");
    KommBtn = knopf("KommBtn", "Kommentar hinzufügen...");
    auto *zeile = new QHBoxLayout;
    for (QPushButton *b : {KommBtn, InClipBtn, SaveBtn, DruckBtn})
        zeile->addWidget(b);
    zeile->addStretch();
    zeile->addWidget(OKBtn);
    auto *l = new QVBoxLayout(this);
    l->addWidget(RichEdit1);
    l->addLayout(zeile);
    ProtKomForm = new TProtKomForm(this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(InClipBtn, &QPushButton::clicked, this, &TUebProtokollForm::InClipBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TUebProtokollForm::SaveBtnClick);
    connect(DruckBtn, &QPushButton::clicked, this, &TUebProtokollForm::DruckBtnClick);
    connect(KommBtn, &QPushButton::clicked, this, &TUebProtokollForm::KommBtnClick);
    resize(680, 560);
}

void TUebProtokollForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    OKBtn->setFocus();
}

void TUebProtokollForm::ProtokollDarstellen(const QString &text, bool loeschen)
{
    if (loeschen) {
        RichEdit1->clear();
        inhalt.clear();
    }
    if (!inhalt.isEmpty() && !inhalt.endsWith(QStringLiteral("\r\n")))
        inhalt += QStringLiteral("\r\n");
    inhalt += text;

    QTextCursor c(RichEdit1->document());
    c.movePosition(QTextCursor::End);
    QTextBlockFormat absatz;
    absatz.setTabPositions({QTextOption::Tab(160.0 * 96.0 / 72.0, QTextOption::LeftTab)});
    QTextCharFormat normal;
    normal.setFontFamilies({QStringLiteral("Arial")});
    normal.setFontPointSize(9);
    normal.setFontWeight(QFont::Normal);
    QTextCharFormat fett = normal;
    fett.setFontWeight(QFont::Bold);
    QTextCharFormat klein = normal;
    klein.setFontPointSize(4);
    bool erste = RichEdit1->document()->isEmpty();
    auto neueZeile = [&](const QTextCharFormat &f) {
        if (erste) {
            c.setBlockFormat(absatz);
            c.setBlockCharFormat(f);
            erste = false;
        } else {
            c.insertBlock(absatz, f);
        }
    };
    for (const QString &z : ProtokollZeilen(text)) {
        if (IstTitelZeile(z)) {
            neueZeile(fett);
            c.insertText(z.mid(5), fett);
            neueZeile(klein);
        } else {
            neueZeile(normal);
            c.insertText(z, normal);
        }
    }
    // A new protocol is read from its top; an added comment is shown.
    RichEdit1->moveCursor(loeschen ? QTextCursor::Start : QTextCursor::End);
}

QByteArray TUebProtokollForm::Rtf() const
{
    return ProtokollNachRtf(inhalt);
}

void TUebProtokollForm::InClipBtnClick()
{
    auto *daten = new QMimeData;
    daten->setText(RichEdit1->toPlainText());
    daten->setHtml(RichEdit1->toHtml());
    daten->setData(QStringLiteral("text/rtf"), Rtf());
    QApplication::clipboard()->setMimeData(daten);
    QTextCursor c = RichEdit1->textCursor();
    c.clearSelection();
    RichEdit1->setTextCursor(c);
}

bool TUebProtokollForm::Speichern(const QString &pfad)
{
    const QByteArray rtf = Rtf();
    QFile f(pfad);
    // A FIFO as target would make the open wait for a reader.
    if (!SpeicherzielErlaubt(pfad) || !f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(rtf) != rtf.size()
        || !f.flush()) {
        ZeigeSchreibFehler(meldungen, pfad);
        return false;
    }
    return true;
}

void TUebProtokollForm::SaveBtnClick()
{
    // The main window's rich-text save dialog opens in the protocol folder.
    const QString pfad =
        SpeicherDateiWaehlen(this, SpeicherArt::RichText, "Übungsprotokoll in Datei speichern", Ordner().ProtOrdner);
    if (!pfad.isEmpty())
        Speichern(pfad);
}

void TUebProtokollForm::DruckBtnClick()
{
    QPrinter drucker;
    drucker.setDocName("Quiz-Protokoll");
    QPrintDialog d(&drucker, this);
    if (d.exec() == QDialog::Accepted)
        RichEdit1->document()->print(&drucker);
}

void TUebProtokollForm::KommBtnClick()
{
    ProtKomForm->Memo1->clear();
    if (ProtKomForm->exec() != QDialog::Accepted)
        return;
    const QString text = ProtKomForm->Memo1->toPlainText().trimmed();
    if (text.isEmpty())
        return;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\n'), QStringLiteral("\r\n"));
    ProtokollDarstellen(QStringLiteral("\r\n<tit>Kommentar\r\n") + t, false);
}
