// The info text window: style tags removed from the printed, saved and copied copy; scrolling.
#include "Infotext.h"
#include "ModalHilfe.h"
#include "TInfoboxForm.h"
#include "TestDienste.h"
#include "ZiehRollen.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {
const QString GemischteZeile = "<B>Fett</b> und <I>kursiv</i>, <u>Ä</U>ra <b>ö</B>";
const QString OhneStil = "Fett und kursiv, Ära ö";
const QString RegelZeile = "<@LINIE>";
const QString FarbZeile = "<@COL=FF0000>rot</@COL>";

QString LangerText(int zeilen)
{
    QStringList z;
    for (int i = 0; i < zeilen; ++i)
        z << QString("Zeile %1 mit etwas Text, damit es nach Inhalt aussieht.").arg(i);
    return z.join("\r\n");
}
} // namespace

TEST(Infotext, StilTagsInJederSchreibweiseUndWiederholtEntfernt)
{
    EXPECT_EQ(InfotextZeileOhneStil(GemischteZeile), OhneStil);
    // Removing one tag may join the pieces of another: removed as well.
    EXPECT_EQ(InfotextZeileOhneStil("<<b>b>x<</B>/b>y<<<i>i>i>"), "xy");
    EXPECT_EQ(InfotextZeileOhneStil("<u<b>>z"), "z");
    // Other markup stays as written.
    EXPECT_EQ(InfotextZeileOhneStil(RegelZeile), RegelZeile);
    EXPECT_EQ(InfotextZeileOhneStil(FarbZeile), FarbZeile);
    EXPECT_EQ(InfotextZeileOhneStil("<@POSX=50%><<Lücke>> <br>"), "<@POSX=50%><<Lücke>> <br>");
}

TEST(Infotext, RtfElfPunktNormalMitUmlautenUndRegelAlsText)
{
    const QByteArray rtf = InfotextNachRtf({GemischteZeile, RegelZeile, FarbZeile, ""});
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("\\plain\\f0\\fs22 "));
    EXPECT_TRUE(rtf.contains("Fett und kursiv, \\'c4ra \\'f6\\par\r\n"));
    EXPECT_TRUE(rtf.contains("<@LINIE>\\par\r\n<@COL=FF0000>rot</@COL>\\par\r\n\\par\r\n"));
    EXPECT_FALSE(rtf.contains("\\b "));
    EXPECT_FALSE(rtf.contains("\\i "));
    EXPECT_FALSE(rtf.toLower().contains("<b>"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
}

TEST(ZiehRollen, FolgtDemZeigerAuchNachDemAnschlag)
{
    ZiehRollen z;
    z.Druecken(200, 50);
    EXPECT_EQ(z.Wunsch(150), 100); // pointer up: text moves up
    z.Geklemmt(100, 100);
    EXPECT_EQ(z.Wunsch(300), -50);
    z.Geklemmt(-50, 0); // clamped at the top
    // Turning back moves the text at once.
    EXPECT_EQ(z.Wunsch(290), 10);
}

class InfoboxFormTest : public ::testing::Test
{
protected:
    TestMeldungen meldungen;
    TInfoboxForm form{meldungen};
    QTemporaryDir tmp;
};

TEST_F(InfoboxFormTest, GespeichertKopiertUndGedrucktOhneStilTags)
{
    form.InfotextZeigen(GemischteZeile + "\r\n" + RegelZeile + "\r\n" + FarbZeile, nullptr);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.RichEdit1->toPlainText(), OhneStil + "\n" + RegelZeile + "\n" + FarbZeile);
    const QTextCharFormat format = form.RichEdit1->document()->firstBlock().begin().fragment().charFormat();
    EXPECT_EQ(format.font().pointSize(), 11);
    EXPECT_FALSE(format.font().bold());
    EXPECT_FALSE(format.font().italic());

    // Saved.
    const QString pfad = tmp.filePath("info.rtf");
    ASSERT_TRUE(form.Speichern(pfad));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    EXPECT_EQ(rtf, form.Rtf());
    EXPECT_TRUE(rtf.contains("Fett und kursiv, \\'c4ra \\'f6"));
    EXPECT_TRUE(rtf.contains("<@LINIE>"));

    // Copied as rich text and plain text.
    form.ClipBtnClick();
    const QMimeData *d = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->text(), OhneStil + "\n" + RegelZeile + "\n" + FarbZeile);
    EXPECT_EQ(d->data("text/rtf"), rtf);
    EXPECT_FALSE(form.RichEdit1->textCursor().hasSelection());

    // Printed to a PDF file.
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = tmp.filePath("info.pdf");
    drucker.setOutputFileName(pdf);
    form.Drucken(drucker);
    EXPECT_EQ(drucker.docName(), "Infotext");
    ASSERT_GT(QFileInfo(pdf).size(), 0);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) fehlt: der Text der PDF-Datei bleibt ungeprüft";
    QProcess p;
    p.start(pdftotext, {"-enc", "UTF-8", pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString gedruckt = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(gedruckt.contains(OhneStil)) << gedruckt.toStdString();
    EXPECT_TRUE(gedruckt.contains("<@LINIE>"));
    EXPECT_TRUE(gedruckt.contains("<@COL=FF0000>rot</@COL>"));
    EXPECT_FALSE(gedruckt.contains("<b>", Qt::CaseInsensitive));
}

TEST_F(InfoboxFormTest, SpeicherFehlerWirdGemeldetUndDialogHatTitelUndOrdner)
{
    form.InfotextZeigen("Text", nullptr);
    EXPECT_FALSE(form.Speichern(tmp.filePath("fehlt/info.rtf")));
    ASSERT_EQ(meldungen.protokoll.size(), 1u);
    EXPECT_EQ(meldungen.protokoll[0].art, "Fehler");
    EXPECT_TRUE(meldungen.protokoll[0].text.contains("fehlt/info.rtf"));

    form.RtfSpeichernOrdner = tmp.path() + "/";
    QString titel, ordner, name;
    NaechstesModalesFenster([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(d, nullptr);
        titel = d->windowTitle();
        ordner = d->directory().absolutePath();
        name = d->objectName();
    });
    form.ExpBtnClick();
    EXPECT_EQ(titel, "Infotext in Datei speichern");
    EXPECT_EQ(name, "SaveRTFDlg");
    EXPECT_EQ(ordner, QDir(tmp.path()).absolutePath());
}

TEST_F(InfoboxFormTest, GroesseLageUndWiederOeffnenZeigtDenAnfang)
{
    QWidget haupt;
    haupt.setGeometry(100, 80, 900, 650);
    haupt.show();

    form.InfotextZeigen("Kurz", &haupt);
    EXPECT_EQ(form.width(), 467);
    EXPECT_LT(form.height(), 331); // a short text gives a small window
    EXPECT_EQ(form.frameGeometry().right(), haupt.frameGeometry().right() - 6);
    EXPECT_EQ(form.frameGeometry().top(), haupt.frameGeometry().top() + 6);
    EXPECT_FALSE(form.isModal());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);

    form.InfotextZeigen(LangerText(80), &haupt);
    EXPECT_EQ(form.height(), 566);
    QScrollBar *s = form.ScrollBox1->verticalScrollBar();
    ASSERT_GT(s->maximum(), 0);
    EXPECT_EQ(form.TextImg->pos(), QPoint(0, 0));

    // Page Down and Page Up move by one line step each.
    QApplication::setActiveWindow(&form);
    QTest::keyClick(form.CloseBtn, Qt::Key_PageDown);
    EXPECT_EQ(s->value(), s->singleStep());
    QTest::keyClick(form.CloseBtn, Qt::Key_PageUp);
    EXPECT_EQ(s->value(), 0);

    // Dragging the text upward scrolls down; past the top it clamps and
    // follows the pointer again at once.
    QTest::mousePress(form.TextImg, Qt::LeftButton, {}, QPoint(50, 300));
    EXPECT_EQ(form.TextImg->cursor().shape(), Qt::BitmapCursor);
    QMouseEvent zug(QEvent::MouseMove, QPointF(50, 100), form.TextImg->mapToGlobal(QPointF(50, 100)), Qt::NoButton,
                    Qt::LeftButton, {});
    QApplication::sendEvent(form.TextImg, &zug);
    EXPECT_EQ(s->value(), 200);
    QTest::mouseRelease(form.TextImg, Qt::LeftButton, {}, QPoint(50, 100));

    // Closing after scrolling: the next showing starts at the top.
    s->setValue(s->maximum());
    form.CloseBtn->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(s->value(), 0);
    form.InfotextZeigen(LangerText(80), &haupt);
    EXPECT_EQ(s->value(), 0);
}

// Each printed page carries its number and the page count at its foot,
// and the text itself is printed whole.
TEST_F(InfoboxFormTest, GedruckteSeitenTragenIhreNummer)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) fehlt: der Text der PDF-Datei bleibt ungeprüft";
    const struct
    {
        int zeilen;
        bool mehrereSeiten;
    } faelle[] = {{3, false}, {150, true}};
    for (const auto &f : faelle) {
        form.InfotextZeigen(LangerText(f.zeilen), nullptr);
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = tmp.filePath(QString("seiten-%1.pdf").arg(f.zeilen));
        drucker.setOutputFileName(pdf);
        form.Drucken(drucker);
        QProcess p;
        p.start(pdftotext, {"-enc", "UTF-8", "-layout", pdf, "-"});
        ASSERT_TRUE(p.waitForFinished(20000));
        const QString gedruckt = QString::fromUtf8(p.readAllStandardOutput());
        // pdftotext ends every page with a form feed.
        const qsizetype seiten = gedruckt.count(QChar('\f'));
        EXPECT_EQ(seiten > 1, f.mehrereSeiten) << seiten;
        for (qsizetype s = 1; s <= seiten; ++s)
            EXPECT_TRUE(gedruckt.contains(QString("Seite %1 von %2").arg(s).arg(seiten))) << s << "/" << seiten << "\n"
                                                                                          << gedruckt.toStdString();
        EXPECT_TRUE(gedruckt.contains(QString("Zeile %1 mit etwas Text").arg(f.zeilen - 1)));
        EXPECT_TRUE(gedruckt.contains("Zeile 0 mit etwas Text"));
    }
}
