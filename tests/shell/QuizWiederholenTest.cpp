// "Quiz wiederholen" in the results window lays the quiz out exactly as a
// first start does: the main window with the scene, the quiz and the results
// wired as the program wires them.
#include "Ordner.h"
#include "Programm.h"
#include "Szene.h"
#include "TForm1.h"
#include "TUebFertigForm.h"
#include "TUebOptForm.h"
#include "TestDienste.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
struct Aufbau
{
    QSize Bild;          // LernKartPicImg during the run
    QSize Steuer;        // the scene's control size
    QImage Hintergrund;  // UebungPan's background: picture, separator, instruction
    QList<QRect> Felder; // answer panels
};

class QuizWiederholen : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    QString prog = tmp.path() + "/prog/";
    TestUmgebung u;
    std::unique_ptr<Programm> programm;
    TForm1 *form = nullptr;
    Szene *szene = nullptr;
    UebungsSteuerung *st = nullptr;

    void SetUp() override
    {
        QDir().mkpath(prog + "data");
        Ordner().Ableiten(prog);
        Ordner().StartOrdner = Ordner().AktOrdner = prog;
        programm = std::make_unique<Programm>(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat),
                                              QStringList());
        form = &programm->Form();
        szene = &programm->LernSzene();
        st = programm->Uebung().Steuerung;
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        form->ErsteAktivierung();
        // Quiet and without dialogs in between: no sound, no name, no list,
        // no options window; fixed orders so both runs look alike.
        for (const char *a : {"Sound1", "OptNameEingabe1", "ErgebBestListEintragen1", "AutoProtSpeichern1"})
            if (QAction *aktion = form->findChild<QAction *>(a))
                aktion->setChecked(false);
        st->UebOptForm().UebOptZeigenCheck->setChecked(false);
        UebOptWerte w = st->OptWerteHolen();
        w.Zuordnungstexte = 0;
        w.Zuordnungsziele = 0;
        st->OptWerteSetzen(w);
    }
    void TearDown() override { programm.reset(); }

    void DokumentSetzen(int typ)
    {
        Dokument d;
        d.Titel = "Wiederholen";
        d.DateiName = prog + "w.tvl";
        d.DokTyp = DokArt(typ);
        d.BasisBild = QImage(870, 600, QImage::Format_RGB32);
        d.BasisBild.fill(QColor(0, 128, 0));
        const QStringList texte{"Nord", "Mitte", "Sued"};
        if (typ == 1)
            d.Lueckentext = "Oben <<Nord>> und in der <<Mitte>>, unten <<Sued>>.";
        for (int i = 0; i < texte.size(); ++i) {
            DokObjekt o;
            o.Typ = typ == 1 ? ObjektTyp::Luecke : ObjektTyp::Beschriftung;
            o.Cap = texte[i];
            o.Kx = o.Sx = 0.2;
            o.Ky = o.Sy = 0.2 + 0.2 * i;
            o.KAusr = 1;
            o.Ebene = 1;
            d.Objekte << o;
        }
        d.AnzFrageNummern = int(texte.size());
        form->Zustand.Dok = d;
        form->Zustand.ThemenIndex = -1;
    }

    Aufbau Messen()
    {
        QCoreApplication::processEvents();
        Aufbau a;
        a.Bild = form->LernKartPicImg->size();
        a.Steuer = szene->SteuerGroesse;
        if (auto *h = form->UebungPan->findChild<QLabel *>("UebungPanHintergrund"))
            a.Hintergrund = h->pixmap().toImage();
        for (const auto &[i, f] : st->Engine.Felder())
            if (f.Sichtbar)
                a.Felder << f.Rahmen;
        return a;
    }

    // Answers every open question right by picking the panel and clicking
    // its target, until the run ends (`fertig` is set when the results
    // window was answered: the next run must stay untouched).
    void AllesRichtig(const bool &fertig)
    {
        for (int runde = 0; runde < 10 && !fertig; ++runde) {
            const auto felder = st->Engine.Felder();
            for (const auto &[i, f] : felder) {
                if (fertig || !st->Engine.Felder().count(i))
                    break;
                for (int z = 0; z < form->Zustand.Dok.Objekte.size(); ++z)
                    if (form->Zustand.Dok.Objekte[z].Cap == form->Zustand.Dok.Objekte[f.Tag].Cap
                        && form->Zustand.Dok.Objekte[z].Abdeckung == AbdeckungsArt::OffeneFrage) {
                        st->Engine.FeldAnklicken(i);
                        st->Engine.ZielAnklicken(z);
                        break;
                    }
            }
        }
    }
};
} // namespace

TEST_F(QuizWiederholen, RepeatLaysOutLikeTheFirstStart)
{
    for (int typ : {0, 1}) {
        DokumentSetzen(typ);
        ASSERT_TRUE(st->UebungStarten({}));
        const Aufbau erst = Messen();
        ASSERT_EQ(erst.Felder.size(), 3);
        // The picture keeps left of the panels and of the instruction.
        ASSERT_LT(erst.Bild.width(), form->UebungPan->width() - 150);
        ASSERT_EQ(erst.Steuer, erst.Bild);

        // The last right answer opens the results window; "Quiz wiederholen".
        // (Pending events run after every answer, so the click waits until
        // the window is really shown.)
        bool wiederholt = false;
        QTimer klick;
        QObject::connect(&klick, &QTimer::timeout, form, [&] {
            auto *fertig = form->findChild<TUebFertigForm *>();
            if (!fertig || !fertig->isVisible())
                return;
            klick.stop();
            wiederholt = true;
            fertig->WiederholenBtn->click();
        });
        klick.start(10);
        AllesRichtig(wiederholt);
        klick.stop();
        ASSERT_TRUE(wiederholt) << typ;
        ASSERT_EQ(form->Zustand.AnsichtModus, AnsichtArt::Quiz);
        ASSERT_EQ(st->Engine.Lauf.Endestatus, EndeArt::Laeuft) << typ;
        const Aufbau wieder = Messen();
        EXPECT_EQ(wieder.Bild, erst.Bild) << typ;
        EXPECT_EQ(wieder.Steuer, erst.Steuer) << typ;
        EXPECT_EQ(wieder.Felder, erst.Felder) << typ;
        EXPECT_EQ(wieder.Hintergrund.size(), erst.Hintergrund.size()) << typ;
        EXPECT_TRUE(wieder.Hintergrund == erst.Hintergrund) << typ;

        st->UebungVerlassen();
        ASSERT_EQ(form->Zustand.AnsichtModus, AnsichtArt::Startseite);
    }
}
