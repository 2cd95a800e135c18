// The worksheet window and its print dialog, driven without a display.
#include "ArbeitsblattDialoge.h"
#include "BlattExport.h"
#include "BlattHilfe.h"
#include "DateiGrenze.h"
#include "Dateifehler.h"
#include "DruckLage.h"
#include "RadioGruppe.h"
#include "TArbblattDruckForm.h"
#include "TArbeitsblattForm.h"
#include "VorschauBild.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers the platform dialogs: a fixed file name, a PDF file as printer.
class TestDialoge : public IArbeitsblattDialoge
{
public:
    QString datei;
    QString pdf; // empty: the set-up is cancelled
    int einrichten = 0;
    QString SpeichernUnter(QWidget *) override { return datei; }
    bool DruckerEinrichten(QPrinter &d, QWidget *) override
    {
        ++einrichten;
        if (pdf.isEmpty())
            return false;
        d.setOutputFormat(QPrinter::PdfFormat);
        d.setOutputFileName(pdf);
        return true;
    }
};

struct FormTest : BlattTest
{
    TestDialoge dialoge;
    TArbblattDruckForm druck{umgebung.meldungen, dialoge};
    TArbeitsblattForm form{umgebung.meldungen, dialoge, druck};
};

} // namespace

TEST(ArbeitsblattForm, AktivierungUebernimmtTitelUndZeigtAbFrageNurBeiEinzelfragen)
{
    FormTest t;
    EXPECT_EQ(t.form.size(), QSize(702, 583));
    ASSERT_TRUE(t.Laden("aufbau-einer-flagge.tvl"));
    t.form.Aktivieren(t.szene);
    EXPECT_EQ(t.form.TitelEdit->text(), t.Dok().Titel);
    EXPECT_FALSE(t.form.Typ2Pan->isVisibleTo(&t.form));
    ASSERT_TRUE(t.form.BlattMetafile.has_value());
    EXPECT_TRUE(t.form.BlattMetafile->Texte().contains(t.Dok().Titel));

    // Unticking keeps the edit; ticking copies the title again.
    t.form.TitelEdit->setText("Eigener Titel");
    t.form.TitelCheck->click();
    EXPECT_EQ(t.form.TitelEdit->text(), "Eigener Titel");
    t.form.TitelCheck->click();
    EXPECT_EQ(t.form.TitelEdit->text(), t.Dok().Titel);

    FormTest e;
    ASSERT_TRUE(e.Laden("flaggen-europa.tvl"));
    e.form.Aktivieren(e.szene);
    EXPECT_TRUE(e.form.Typ2Pan->isVisibleTo(&e.form));
}

TEST(ArbeitsblattForm, KlicksBauenDieSeiteNeu)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    t.form.Aktivieren(t.szene);
    EXPECT_TRUE(t.form.BlattMetafile->Texte().contains("Name:"));
    t.form.ABNameBox->click();
    EXPECT_FALSE(t.form.BlattMetafile->Texte().contains("Name:"));
    EXPECT_TRUE(t.form.BlattMetafile->Texte().contains("Klasse:"));

    // The overlay: nothing but red answers.
    t.form.ModeRadio->Knopf(2)->click();
    ASSERT_FALSE(t.form.BlattMetafile->Texte().isEmpty());
    for (const BlattElement &e : t.form.BlattMetafile->Elemente)
        EXPECT_EQ(e.farbe, QColor(255, 0, 0)) << e.text.toStdString();

    // The start question takes effect at the next build.
    t.form.ModeRadio->Knopf(0)->click();
    t.form.AbFrageEdit->setValue(10);
    EXPECT_TRUE(t.form.BlattMetafile->Texte().contains(QString::fromUtf8("1. Wie heißt das Land zu dieser Flagge?")));
    t.form.AktBtn->click();
    EXPECT_FALSE(t.form.BlattMetafile->Texte().contains(QString::fromUtf8("1. Wie heißt das Land zu dieser Flagge?")));
    EXPECT_TRUE(t.form.BlattMetafile->Texte().contains(QString::fromUtf8("10. Wie heißt das Land zu dieser Flagge?")));

    // Closing frees the page.
    t.form.reject();
    EXPECT_FALSE(t.form.BlattMetafile.has_value());
}

TEST(ArbeitsblattForm, SpeichernNurAlsEmfWmfPdfOderSvg)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("farben-und-zeichen.tvl"));
    t.form.Aktivieren(t.szene);
    QTemporaryDir dir;

    t.dialoge.datei = dir.filePath("blatt.png");
    t.form.SaveBtn->click();
    EXPECT_EQ(t.umgebung.meldungen.Texte(),
              QStringList{QString::fromUtf8("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")});
    EXPECT_FALSE(QFile::exists(t.dialoge.datei));

    t.umgebung.meldungen.Leeren();
    for (const char *name : {"blatt.emf", "blatt.WMF", "blatt.pdf", "blatt.svg"}) {
        t.dialoge.datei = dir.filePath(name);
        t.form.SaveBtn->click();
        EXPECT_GT(QFileInfo(t.dialoge.datei).size(), 1000) << name;
    }
    QFile emf(dir.filePath("blatt.emf"));
    ASSERT_TRUE(emf.open(QIODevice::ReadOnly));
    EXPECT_EQ(emf.readAll(), BlattDaten(*t.form.BlattMetafile, BlattFormat::Emf));
    EXPECT_TRUE(t.umgebung.meldungen.Texte().isEmpty());

    // A folder that is not there: the write error, no file.
    t.dialoge.datei = dir.filePath("fehlt/blatt.emf");
    t.form.SaveBtn->click();
    ASSERT_EQ(t.umgebung.meldungen.Texte().size(), 1);
    EXPECT_TRUE(t.umgebung.meldungen.Texte()[0].contains("fehlt/blatt.emf"));

    // Cancelled: nothing.
    t.umgebung.meldungen.Leeren();
    t.dialoge.datei.clear();
    t.form.SaveBtn->click();
    EXPECT_TRUE(t.umgebung.meldungen.Texte().isEmpty());
}

TEST(ArbeitsblattForm, ZwischenablageErhaeltBildUndSvg)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("aufbau-einer-flagge.tvl"));
    t.form.Aktivieren(t.szene);
    QApplication::clipboard()->clear();
    t.form.InClipBtn->click();
    const QMimeData *d = QApplication::clipboard()->mimeData();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(d->hasImage());
    const QImage bild = qvariant_cast<QImage>(d->imageData());
    EXPECT_EQ(bild.size(), QSize(2002, 3250));
    const QByteArray svg = d->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(QString::fromUtf8(svg).contains(t.Dok().Titel));
}

TEST(ArbeitsblattForm, VorschauIstZentriertImSeitenverhaeltnisUndRolltMitRadUndHand)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    t.form.show();
    t.form.Aktivieren(t.szene);
    // Wider than at the start, so the page is taller than the box.
    t.form.resize(1000, 583);
    QScrollArea *box = t.form.ABScrollBox;
    EXPECT_EQ(t.form.ABPan->width(), box->width() - 40);
    const int client = t.form.ABPan->width() - 2;
    EXPECT_EQ(t.form.ABPan->height() - 2, qRound((client - 40) * 2600.0 / 1600.0 + 40));
    EXPECT_EQ(t.form.ABPan->y(), 8);
    EXPECT_NEAR(t.form.ABPan->x(), (box->viewport()->width() - t.form.ABPan->width()) / 2.0, 1);
    // The preview shows the page: dark header text near the top left.
    EXPECT_EQ(t.form.ABImg->Bild().size(), t.form.ABImg->size());

    QScrollBar *bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    QWheelEvent rad(QPointF(10, 10), t.form.ABImg->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(t.form.ABImg, &rad);
    EXPECT_EQ(bar->value(), QApplication::wheelScrollLines() * bar->singleStep());

    // Dragging upward scrolls down; past the end the position is clamped
    // and the page follows again as soon as the pointer turns back.
    bar->setValue(0);
    QTest::mousePress(t.form.ABImg, Qt::LeftButton, {}, QPoint(50, 300));
    EXPECT_EQ(t.form.ABImg->cursor().shape(), Qt::BitmapCursor);
    // The pointer moves on the screen; the picture moves under it.
    const QPointF start = t.form.ABImg->mapToGlobal(QPointF(50, 300));
    auto ziehen = [&](int y) {
        const QPointF global = start + QPointF(0, y - 300);
        QMouseEvent m(QEvent::MouseMove, t.form.ABImg->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(t.form.ABImg, &m);
    };
    ziehen(260);
    EXPECT_EQ(bar->value(), 40);
    ziehen(300 - bar->maximum() - 500);
    EXPECT_EQ(bar->value(), bar->maximum());
    ziehen(300 - bar->maximum() - 500 + 30);
    EXPECT_EQ(bar->value(), bar->maximum() - 30);
    QTest::mouseRelease(t.form.ABImg, Qt::LeftButton, {}, QPoint(50, 300));
    EXPECT_EQ(t.form.ABImg->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    t.form.hide();
}

TEST(ArbblattDruckForm, VorgabenUndSeitenverhaeltnis)
{
    FormTest t;
    EXPECT_EQ(t.druck.size(), QSize(471, 259));
    EXPECT_EQ(t.druck.LiRandEdit->text(), "2,2");
    EXPECT_EQ(t.druck.ObRandEdit->text(), "1,4");
    EXPECT_EQ(t.druck.BreiteEdit->text(), "16,6");
    EXPECT_EQ(t.druck.HoeheEdit->text(), "17,0");
    EXPECT_TRUE(t.druck.SeitRatio->isChecked());
    t.druck.Aktivieren();
    EXPECT_EQ(t.druck.HoeheEdit->text(), "26,9");
    QTest::keyClicks(t.druck.HoeheEdit, "");
    t.druck.HoeheEdit->clear();
    QTest::keyClicks(t.druck.HoeheEdit, "16,25");
    EXPECT_EQ(t.druck.BreiteEdit->text(), "10,0");
    t.druck.SeitRatio->click();
    t.druck.BreiteEdit->clear();
    QTest::keyClicks(t.druck.BreiteEdit, "12");
    EXPECT_EQ(t.druck.HoeheEdit->text(), "16,25");
    // The validator keeps letters out.
    QTest::keyClicks(t.druck.BreiteEdit, "x");
    EXPECT_EQ(t.druck.BreiteEdit->text(), "12");
}

TEST(ArbblattDruckForm, DrucktInDasRechteckAufDemBlattOderAlsPdfDatei)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("aufbau-einer-flagge.tvl"));
    t.form.Aktivieren(t.szene);
    QTemporaryDir dir;
    t.druck.Aktivieren();

    // An invalid value: an error, nothing printed.
    t.druck.LiRandEdit->setText(",");
    t.dialoge.pdf = dir.filePath("druck.pdf");
    const Blatt blatt = *t.form.BlattMetafile;
    int ergebnis = -1;
    QTimer::singleShot(0, &t.druck, [&] {
        t.druck.DruckBtn->click();
        ergebnis = t.druck.isVisible() ? 0 : 1;
        t.druck.reject();
    });
    t.druck.Zeigen(blatt);
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(t.umgebung.meldungen.Texte().size(), 1);
    EXPECT_FALSE(QFile::exists(t.dialoge.pdf));

    // No printer chosen: the set-up comes first and its PDF file is printed.
    t.druck.LiRandEdit->setText("3,0");
    t.druck.ObRandEdit->setText("2,0");
    t.druck.SeitRatio->setChecked(false);
    t.druck.BreiteEdit->setText("10,0");
    t.druck.HoeheEdit->setText("16,0");
    if (!t.druck.Drucker().printerName().isEmpty())
        t.druck.Drucker().setPrinterName(QString()); // as on a machine without printers
    QTimer::singleShot(0, &t.druck, [&] { t.druck.DruckBtn->click(); });
    EXPECT_EQ(t.druck.Zeigen(blatt), QDialog::Accepted);
    EXPECT_GE(t.dialoge.einrichten, 1);
    ASSERT_TRUE(QFile::exists(t.dialoge.pdf));
    EXPECT_TRUE(t.druck.DruckerInfo->text().contains("druck.pdf"));

    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) fehlt";
    QProcess p;
    p.start(pdftoppm, {"-r", "254", "-png", "-singlefile", t.dialoge.pdf, dir.filePath("seite")});
    ASSERT_TRUE(p.waitForFinished(60000));
    QImage seite(dir.filePath("seite.png"));
    ASSERT_FALSE(seite.isNull());
    // At 254 dpi one millimetre is ten pixels: ink only inside the
    // rectangle 30 mm / 20 mm / 100 mm x 160 mm, and up to its edges.
    QRect tinte;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x)
            if (qGray(seite.pixel(x, y)) < 200)
                tinte |= QRect(x, y, 1, 1);
    EXPECT_NEAR(tinte.left(), 300, 6);
    EXPECT_NEAR(tinte.top(), 200, 12);
    EXPECT_NEAR(tinte.right(), 1300, 6);
    EXPECT_LE(tinte.bottom(), 1800);
    EXPECT_GT(tinte.bottom(), 1700);
}

namespace {

// Clicks "Drucken" in the print dialog once it is up (opened by the
// window's "Drucken..." or directly); closes it if it stayed open.
int Drucken(FormTest &t, const QList<Blatt> &blaetter = {})
{
    QTimer::singleShot(0, &t.druck, [&t] {
        t.druck.DruckBtn->click();
        if (t.druck.isVisible())
            t.druck.reject();
    });
    if (!blaetter.isEmpty())
        return t.druck.Zeigen(blaetter);
    t.form.DruckBtn->click();
    return t.druck.result();
}

void PdfDrucker(FormTest &t, const QString &datei, QPageSize::PageSizeId papier = QPageSize::A4)
{
    t.druck.Drucker().setOutputFormat(QPrinter::PdfFormat);
    t.druck.Drucker().setOutputFileName(datei);
    t.druck.Drucker().setPageSize(QPageSize(papier));
}

QByteArray Inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ArbblattDruckForm, DruckInPdfDateiAufVollerPlatteMeldetDenFehlerUndLaesstDieAlteDatei)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    t.form.Aktivieren(t.szene);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("Arbeitsblatt.pdf");
    QFile alt(pdf);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
    alt.close();
    PdfDrucker(t, pdf);
    {
        DateiGrenze grenze(20480);
        ASSERT_TRUE(grenze.gesetzt);
        EXPECT_EQ(Drucken(t, {*t.form.BlattMetafile}), QDialog::Rejected);
    }
    EXPECT_EQ(Inhalt(pdf), "alt");
    ASSERT_EQ(t.umgebung.meldungen.Texte().size(), 2); // replace? (yes), then the write error
    EXPECT_TRUE(t.umgebung.meldungen.Texte()[0].contains("bereits vorhanden"));
    EXPECT_EQ(t.umgebung.meldungen.Texte()[1], SchreibFehlerText(pdf));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Arbeitsblatt.pdf"});
    // With room it is replaced; printing again replaces its own file unasked.
    for (int mal = 0; mal < 2; ++mal) {
        t.umgebung.meldungen.Leeren();
        EXPECT_EQ(Drucken(t, {*t.form.BlattMetafile}), QDialog::Accepted);
        EXPECT_TRUE(Inhalt(pdf).startsWith("%PDF"));
        EXPECT_EQ(t.umgebung.meldungen.Texte().size(), 1 - mal);
    }
}

TEST(ArbblattDruckForm, JedeArtBekommtIhreDateiUndFremdeDateienNurNachFrage)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("Arbeitsblatt.pdf");
    for (int lauf = 0; lauf < 2; ++lauf) {
        FormTest t;
        ASSERT_TRUE(t.Laden("aufbau-einer-flagge.tvl"));
        t.form.Aktivieren(t.szene);
        PdfDrucker(t, pdf);
        if (lauf == 0) {
            for (int art : {0, 1, 2, 0}) {
                t.form.ModeRadio->Knopf(art)->click();
                Drucken(t);
            }
            EXPECT_TRUE(t.umgebung.meldungen.Texte().isEmpty());
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                      (QStringList{"Arbeitsblatt-folie.pdf", "Arbeitsblatt-loesung.pdf", "Arbeitsblatt.pdf"}));
            continue;
        }
        // A later window asks before replacing; "Nein" keeps the file.
        const QByteArray vorher = Inhalt(dir.filePath("Arbeitsblatt-loesung.pdf"));
        t.form.ModeRadio->Knopf(1)->click();
        t.umgebung.meldungen.antworten = {Antwort::Nein};
        Drucken(t);
        ASSERT_EQ(t.umgebung.meldungen.Texte().size(), 1);
        EXPECT_TRUE(t.umgebung.meldungen.Texte()[0].contains("Arbeitsblatt-loesung.pdf"));
        EXPECT_EQ(Inhalt(dir.filePath("Arbeitsblatt-loesung.pdf")), vorher);
    }
}

TEST(ArbeitsblattForm, NaechstesBlattUndAlleBlaetterInEinemDruck)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    t.form.Aktivieren(t.szene);
    const int naechste = t.form.BlattMetafile->NaechsteFrage;
    ASSERT_GT(naechste, 1);
    EXPECT_EQ(t.form.NaechstesLab->text(), QString("Nächstes Blatt ab Frage %1").arg(naechste));
    // Unticked, the list of every answer leaves room for fewer questions.
    t.form.WortlisteCheck->click();
    EXPECT_LT(t.form.BlattMetafile->NaechsteFrage, naechste);
    t.form.WortlisteCheck->click();

    t.form.AlleCheck->setChecked(true);
    const QList<Blatt> satz = t.form.Ausgabeblaetter();
    ASSERT_GT(satz.size(), 2);
    QTemporaryDir dir;
    t.dialoge.datei = dir.filePath("europa.emf");
    t.form.SaveBtn->click();
    EXPECT_EQ(Inhalt(dir.filePath(QString("europa-%1.emf").arg(satz.size()))),
              BlattDaten(satz.last(), BlattFormat::Emf));
    PdfDrucker(t, dir.filePath("europa.pdf"));
    Drucken(t);
    EXPECT_TRUE(t.umgebung.meldungen.Texte().isEmpty());
    const QByteArray pdf = Inhalt(dir.filePath("europa.pdf"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), satz.size());
}

TEST(ArbblattDruckForm, AufUsLetterWarntDieVorgabeUndAnSeiteAnpassenPasst)
{
    FormTest t;
    ASSERT_TRUE(t.Laden("flaggen-europa.tvl"));
    t.form.Aktivieren(t.szene);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("letter.pdf");
    PdfDrucker(t, pdf, QPageSize::Letter);
    t.umgebung.meldungen.antworten = {Antwort::Nein};
    EXPECT_EQ(Drucken(t, {*t.form.BlattMetafile}), QDialog::Rejected);
    ASSERT_EQ(t.umgebung.meldungen.Texte().size(), 1);
    EXPECT_TRUE(t.umgebung.meldungen.Texte()[0].contains("An Seite anpassen"));
    EXPECT_FALSE(QFile::exists(pdf));

    t.umgebung.meldungen.Leeren();
    t.druck.AnpassenBtn->click();
    EXPECT_EQ(Drucken(t, {*t.form.BlattMetafile}), QDialog::Accepted);
    EXPECT_TRUE(t.umgebung.meldungen.Texte().isEmpty());
    DruckLage l;
    ASSERT_TRUE(t.druck.LageLesen(l));
    EXPECT_TRUE(LagePasst(l, t.druck.BedruckbarCm()));
    EXPECT_LT(l.Oben + l.Hoehe, 27.94);
}
