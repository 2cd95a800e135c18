// The info window among the main window's menus, dialogs and a starting quiz.
#include "DialogeAnschluss.h"
#include "ModalHilfe.h"
#include "Ordner.h"
#include "QtMeldungen.h"
#include "TForm1.h"
#include "TInfoboxForm.h"
#include "TMailForm.h"
#include "TestDienste.h"

#include <QAction>
#include <QDir>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {
QString LangerText()
{
    QStringList z;
    for (int i = 0; i < 80; ++i)
        z << QString("Zeile %1 des Infotextes").arg(i);
    return z.join("\r\n");
}

class InfoFensterAnschluss : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    TestUmgebung u;
    std::unique_ptr<TForm1> form;
    DialogeAnschluss *anschluss = nullptr;

    void SetUp() override
    {
        QDir().mkpath(tmp.path() + "/prog/data");
        Ordner().Ableiten(tmp.path() + "/prog/");
        form = std::make_unique<TForm1>(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat),
                                        QStringList());
        u.meldungen.Leeren();
        anschluss = new DialogeAnschluss(*form, nullptr);
        form->show();
        anschluss->InfotextZeigen(LangerText());
    }
    TInfoboxForm &Info() { return anschluss->InfoboxForm(); }
    bool ObenGehalten() { return Info().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }
};

// The main window keeps Page Up and Page Down as hidden shortcuts for the
// previous and next topic; in the info window the keys scroll its text.
TEST_F(InfoFensterAnschluss, BlaetterTastenWirkenImInfofenster)
{
    ASSERT_NE(form->Menue.PrevDok1, nullptr);
    EXPECT_EQ(form->Menue.NextDok1->shortcut(), QKeySequence(Qt::Key_PageDown));
    Info().activateWindow();
    QApplication::setActiveWindow(&Info());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Info()));
    QScrollBar *s = Info().ScrollBox1->verticalScrollBar();
    ASSERT_GT(s->maximum(), 3 * s->singleStep());

    const struct
    {
        std::vector<Qt::Key> tasten;
        int schritte;
    } faelle[] = {
        {{Qt::Key_PageDown}, 1},
        {{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown}, 3},
        {{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}, 1},
        {{Qt::Key_PageUp}, 0},
    };
    int topicWechsel = 0;
    for (QAction *a : {form->Menue.PrevDok1, form->Menue.NextDok1})
        QObject::connect(a, &QAction::triggered, [&] { ++topicWechsel; });
    for (const auto &f : faelle) {
        s->setValue(0);
        for (Qt::Key t : f.tasten)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Info().CloseBtn, t);
        EXPECT_EQ(s->value(), f.schritte * s->singleStep()) << f.tasten.size();
    }
    EXPECT_EQ(topicWechsel, 0);
}

// Messages and dialogs opened while the info window is shown come above it:
// it is no longer kept on top while they block it, and is again after.
TEST_F(InfoFensterAnschluss, ModaleFensterLiegenUeberDemInfofenster)
{
    QtMeldungen meldungen(form.get());
    const struct
    {
        const char *was;
        std::function<void()> oeffnen;
    } faelle[] = {
        {"Fehlermeldung", [&] { meldungen.Fehler("Die Datei \"x.rtf\" kann nicht geschrieben werden."); }},
        {"Frage des Infofensters", [&] { QtMeldungen(&Info()).JaNein("Weiter?", FrageArt::Frage); }},
        {"E-Mail-Dialog", [&] { anschluss->MailForm().exec(); }},
    };
    for (const auto &f : faelle) {
        ASSERT_TRUE(ObenGehalten()) << f.was;
        bool obenWaehrend = true;
        QString gezeigt;
        NaechstesModalesFenster([&](QWidget *w) {
            gezeigt = w->metaObject()->className();
            obenWaehrend = ObenGehalten();
        });
        f.oeffnen();
        EXPECT_FALSE(gezeigt.isEmpty()) << f.was;
        EXPECT_FALSE(obenWaehrend) << f.was;
        EXPECT_TRUE(ObenGehalten()) << f.was;
        EXPECT_TRUE(Info().isVisible()) << f.was;
    }
}

TEST_F(InfoFensterAnschluss, QuizStartSchliesstDasInfofenster)
{
    ASSERT_TRUE(Info().isVisible());
    form->QuizModusSetzen();
    EXPECT_FALSE(Info().isVisible());
    // A new info text after the quiz shows the window again.
    anschluss->InfotextZeigen("Noch ein Text");
    EXPECT_TRUE(Info().isVisible());
}

// In the help menu the visible items have different Alt letters, so one
// key press runs an item instead of only marking it.
TEST_F(InfoFensterAnschluss, ZugriffstastenImHilfemenueEindeutig)
{
    for (const bool erweitert : {false, true}) {
        form->ErweiterteFunktionenSetzen(erweitert);
        for (QMenu *menue : {form->Menue.Hilfe1}) {
            QMap<QChar, QString> belegt;
            for (QAction *a : menue->actions()) {
                if (a->isSeparator() || !a->isVisible())
                    continue;
                const QString t = a->text();
                const qsizetype i = t.indexOf(QRegularExpression("&[^&]"));
                if (i < 0)
                    continue;
                const QChar c = t.at(i + 1).toLower();
                EXPECT_FALSE(belegt.contains(c)) << menue->title().toStdString() << ": " << t.toStdString() << " / "
                                                 << belegt.value(c).toStdString();
                belegt.insert(c, t);
            }
        }
    }
}
} // namespace
