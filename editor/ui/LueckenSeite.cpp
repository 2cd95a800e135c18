// The cloze page.
#include "LueckenSeite.h"

#include "Bearbeitung.h"
#include "Lueckentext.h"
#include "Meldungen.h"
#include "Vorschau.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The preview shows the learning view at about the size of the editor's column.
const QSize VorschauGroesse(560, 420);
// The file and the scene separate lines with CR LF; the text field with LF.
QString AusFeld(const QString &text)
{
    QString t = text;
    return t.replace('\n', QStringLiteral("\r\n"));
}
QString InsFeld(const QString &text)
{
    QString t = text;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
}
} // namespace

LueckenSeite::LueckenSeite(Bearbeitung &bearbeitung, IMeldungen &m, const QString &ordner, QWidget *parent)
    : QWidget(parent), b(bearbeitung), meldungen(m), progOrdner(ordner)
{
    setObjectName("LueckenSeite");
    auto *haupt = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Text (Lücken stehen zwischen << und >>; <b>fett</b>, <i>kursiv</i>, "
                                            "<u>unterstrichen</u>):"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    TextEdit = new QPlainTextEdit;
    TextEdit->setObjectName("LueckenTextEdit");
    TextEdit->setTabChangesFocus(true);
    // One history for the page: Ctrl+Z reaches the window's "Rückgängig",
    // which first stores what was typed.
    TextEdit->setUndoRedoEnabled(false);
    label->setBuddy(TextEdit);
    links->addWidget(label);
    links->addWidget(TextEdit, 1);
    auto *knoepfe = new QHBoxLayout;
    auto *luecke = new QPushButton(QStringLiteral("Markiertes Wort als &Lücke"));
    luecke->setObjectName("LueckeBtn");
    luecke->setToolTip(QStringLiteral("Strg+L"));
    luecke->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    knoepfe->addWidget(luecke);
    knoepfe->addStretch();
    links->addLayout(knoepfe);
    LueckenInfo = new QLabel;
    LueckenInfo->setObjectName("LueckenInfo");
    LueckenInfo->setWordWrap(true);
    links->addWidget(LueckenInfo);
    haupt->addLayout(links, 1);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Vorschau der Lernansicht:")));
    Vorschau = new QLabel;
    Vorschau->setObjectName("LueckenVorschau");
    Vorschau->setFrameShape(QFrame::Box);
    rechts->addWidget(Vorschau);
    rechts->addStretch();
    haupt->addLayout(rechts);

    // What is typed is stored after a short pause, so a word is one step.
    tippPause = new QTimer(this);
    tippPause->setSingleShot(true);
    tippPause->setInterval(600);
    connect(tippPause, &QTimer::timeout, this, &LueckenSeite::Uebernehmen);
    connect(TextEdit, &QPlainTextEdit::textChanged, tippPause, qOverload<>(&QTimer::start));
    connect(luecke, &QPushButton::clicked, this, &LueckenSeite::LueckeMachen);
    Neuladen();
}

void LueckenSeite::Neuladen()
{
    const QString text = InsFeld(b.Dok.Lueckentext);
    if (TextEdit->toPlainText() != text) {
        const int pos = TextEdit->textCursor().position();
        const QSignalBlocker sperre(TextEdit);
        TextEdit->setPlainText(text);
        QTextCursor c = TextEdit->textCursor();
        c.setPosition(qMin(pos, int(text.size())));
        TextEdit->setTextCursor(c);
    }
    VorschauZeigen();
}

void LueckenSeite::Uebernehmen()
{
    tippPause->stop();
    const QString text = AusFeld(TextEdit->toPlainText());
    if (text == b.Dok.Lueckentext)
        return;
    const QString fehler = b.LueckentextSetzen(text);
    if (!fehler.isEmpty())
        meldungen.Fehler(fehler);
    Neuladen();
}

void LueckenSeite::LueckeMachen()
{
    Uebernehmen();
    const QTextCursor c = TextEdit->textCursor();
    // Positions in the field count a line break as one character, the
    // document's text as two.
    const QString feld = TextEdit->toPlainText();
    const auto imDokument = [&feld](int pos) { return pos + int(feld.left(pos).count('\n')); };
    const int start = imDokument(c.selectionStart());
    const int ende = imDokument(c.selectionEnd());
    const QString fehler = b.LueckeMachen(start, ende - start);
    if (!fehler.isEmpty()) {
        meldungen.Fehler(fehler);
        return;
    }
    Neuladen();
    // The cursor goes behind the new gap, ready for the next word.
    QTextCursor nach = TextEdit->textCursor();
    const int zu = int(TextEdit->toPlainText().indexOf(QStringLiteral(">>"), c.selectionStart()));
    nach.setPosition(zu < 0 ? c.selectionEnd() : zu + 2);
    TextEdit->setTextCursor(nach);
    TextEdit->setFocus();
}

void LueckenSeite::VorschauZeigen()
{
    Vorschau->setPixmap(QPixmap::fromImage(LernansichtVorschau(b.Dok, VorschauGroesse, progOrdner)));
    const int n = int(LueckenWoerter(b.Dok.Lueckentext).size());
    LueckenInfo->setText(n == 0 ? QStringLiteral("Noch keine Lücke: markieren Sie ein Wort und wählen Sie "
                                                 "\"Markiertes Wort als Lücke\".")
                                : QStringLiteral("%1 Lücke(n).").arg(n));
}
