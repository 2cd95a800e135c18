// What a screen reader finds in the program: names and actions of everything
// a pupil can use, the announcements of a quiz, and the keyboard's order.
#include "AntwortPanel.h"
#include "Einzelfragen.h"
#include "Farben.h"
#include "Ordner.h"
#include "Programm.h"
#include "Rahmen.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"
#include "TUebFertigForm.h"
#include "TUebOptForm.h"
#include "TestDienste.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"
#include "ZielAuswahl.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

namespace {

// Something a pupil can use: visible, enabled, and reached by Tab, or showing a
// cursor of its own (hand, drag), or a button.
bool Bedienbar(const QWidget *w)
{
    if (!w->isVisible() || !w->isEnabled())
        return false;
    const bool eigenerZeiger = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() != Qt::ArrowCursor;
    return (w->focusPolicy() & Qt::TabFocus) || eigenerZeiger || qobject_cast<const QAbstractButton *>(w);
}

struct Knoten
{
    QObject *objekt = nullptr;
    QAccessible::Role rolle = QAccessible::NoRole;
    QString name, beschreibung;
    QStringList aktionen;
    QAccessibleInterface *zugang = nullptr;
};

// Everything a screen reader reaches from the window, walking the children.
QList<Knoten> Baum(QWidget *fenster)
{
    QList<Knoten> alle;
    std::function<void(QAccessibleInterface *, int)> gehen = [&](QAccessibleInterface *i, int tiefe) {
        // Hidden parts are not read out (nor are panels waiting for deletion).
        if (!i || tiefe > 30 || i->state().invisible)
            return;
        Knoten k{i->object(), i->role(), i->text(QAccessible::Name), i->text(QAccessible::Description), {}, i};
        if (QAccessibleActionInterface *a = i->actionInterface())
            k.aktionen = a->actionNames();
        alle << k;
        for (int c = 0; c < i->childCount(); ++c)
            gehen(i->child(c), tiefe + 1);
    };
    gehen(QAccessible::queryAccessibleInterface(fenster), 0);
    return alle;
}

// Names every usable widget of the window that has no name, no action or is
// not reached by walking the tree.
QStringList Maengel(QWidget *fenster)
{
    const QList<Knoten> baum = Baum(fenster);
    std::set<QObject *> erreicht;
    for (const Knoten &k : baum)
        erreicht.insert(k.objekt);
    QStringList fehler;
    QList<QWidget *> widgets = fenster->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!Bedienbar(w) || w->window() != fenster)
            continue;
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        const QString wer = w->objectName() + " (" + w->metaObject()->className() + ")";
        if (!erreicht.count(w))
            fehler << wer + ": not in the tree";
        if (!i || i->text(QAccessible::Name).trimmed().isEmpty())
            fehler << wer + ": no name";
        if (!i || !i->actionInterface() || i->actionInterface()->actionNames().isEmpty())
            fehler << wer + ": no action";
    }
    return fehler;
}

// A screen reader's press; it runs from the event loop.
void Druecken(QAccessibleInterface *i)
{
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

// The events screen readers get, as (kind, name of the object then). Qt
// hands them on only while an accessibility bridge is active, which the
// offscreen platform never has; scripts/barrierefreiheit.sh listens to them
// on a real bus.
std::vector<std::pair<QAccessible::Event, QString>> &Ereignisse()
{
    static std::vector<std::pair<QAccessible::Event, QString>> e;
    return e;
}

void Mithoeren(QAccessibleEvent *e)
{
    if (e->type() != QAccessible::NameChanged && e->type() != QAccessible::ValueChanged)
        return;
    QAccessibleInterface *i = e->accessibleInterface();
    Ereignisse().emplace_back(e->type(), i ? i->text(QAccessible::Name) : QString());
}

class Zugang : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    QString prog = tmp.path() + "/prog/";
    TestUmgebung u;
    std::unique_ptr<Programm> programm;
    TForm1 *form = nullptr;
    UebungsSteuerung *st = nullptr;
    QAccessible::UpdateHandler vorher = nullptr;

    void SetUp() override
    {
        QDir().mkpath(prog + "data");
        Ordner().Ableiten(prog);
        Ordner().StartOrdner = Ordner().AktOrdner = prog;
        programm = std::make_unique<Programm>(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat),
                                              QStringList());
        form = &programm->Form();
        st = programm->Uebung().Steuerung;
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        form->ErsteAktivierung();
        for (const char *a : {"Sound1", "OptNameEingabe1", "ErgebBestListEintragen1", "AutoProtSpeichern1"})
            if (QAction *aktion = form->findChild<QAction *>(a))
                aktion->setChecked(false);
        st->UebOptForm().UebOptZeigenCheck->setChecked(false);
        Ereignisse().clear();
        vorher = QAccessible::installUpdateHandler(Mithoeren);
        // What the status line's accessible name was at each announcement.
        QObject::connect(st, &UebungsSteuerung::angesagt, form, [this](const QString &text) {
            statusNamen << StatusName();
            angesagt << text;
        });
        // As with a screen reader listening: events are sent.
        QAccessible::setActive(true);
    }
    void TearDown() override
    {
        QAccessible::setActive(false);
        QAccessible::installUpdateHandler(vorher);
        programm.reset();
    }

    void FlaggenDokument()
    {
        Dokument d;
        d.Titel = "Flaggen";
        d.DateiName = prog + "f.tvl";
        d.DokTyp = DokArt::Einzelfragen;
        d.Fragentext = "<@flaggenfrage><@img=aa.png> // Frankreich\r\n<@flaggenfrage><@img=bb.png> // Italien\r\n"
                       "<@flaggenfrage><@img=cc.png> // Spanien";
        EinzelfragenAufbauen(d);
        form->Zustand.Dok = d;
        form->Zustand.ThemenIndex = -1;
    }
    void BildDokument(int typ)
    {
        Dokument d;
        d.Titel = "Bild";
        d.DateiName = prog + "b.tvl";
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
    // The answer panels in the keyboard's order, starting at the quiz panel.
    QList<AntwortPanel *> TabFolge() const
    {
        QList<AntwortPanel *> folge;
        QWidget *w = form->UebungPan;
        for (int n = 0; n < 2000; ++n) {
            w = w->nextInFocusChain();
            if (w == form->UebungPan)
                break;
            if (auto *p = qobject_cast<AntwortPanel *>(w); p && p->isVisible() && (p->focusPolicy() & Qt::TabFocus))
                folge << p;
        }
        return folge;
    }
    // The caption of the right answer's panel of the question shown.
    QString RichtigeAntwort() const
    {
        const int q = st->Engine.Lauf.FragenFolge[st->Engine.Lauf.Position].ZielObjekt;
        for (const auto &[i, f] : st->Engine.Felder())
            if (f.Sichtbar && f.Tag == q)
                return f.Caption;
        return {};
    }
    int RichtigesFeld() const
    {
        const int q = st->Engine.Lauf.FragenFolge[st->Engine.Lauf.Position].ZielObjekt;
        for (const auto &[i, f] : st->Engine.Felder())
            if (f.Sichtbar && f.Tag == q)
                return i;
        return -1;
    }
    QString StatusName() const
    {
        return QAccessible::queryAccessibleInterface(form->StatistikLabels.value("StatusLab"))->text(QAccessible::Name);
    }
    // Whether the status line said text: its accessible name took it when
    // it was announced, and, where a bridge listens, the name change and
    // the value change were sent with it.
    bool Gehoert(const QString &text) const
    {
        if (!statusNamen.contains(text))
            return false;
        if (!QAccessible::isActive())
            return true;
        bool name = false, wert = false;
        for (const auto &[art, n] : Ereignisse()) {
            name = name || (art == QAccessible::NameChanged && n == text);
            wert = wert || (art == QAccessible::ValueChanged && n == text);
        }
        return name && wert;
    }
    QStringList statusNamen, angesagt;
};

bool ZeilenweiseGeordnet(const QList<AntwortPanel *> &folge)
{
    for (int k = 1; k < folge.size(); ++k) {
        const QPoint a = folge[k - 1]->pos(), b = folge[k]->pos();
        if (b.y() < a.y() || (b.y() == a.y() && b.x() < a.x()))
            return false;
    }
    return true;
}

} // namespace

TEST_F(Zugang, StartPageControlsHaveNamesAndActions)
{
    QCoreApplication::processEvents();
    EXPECT_EQ(Maengel(form), QStringList());
    // The symbol buttons speak their purpose, not the symbol.
    const QList<Knoten> baum = Baum(form);
    QStringList namen;
    for (const Knoten &k : baum)
        namen << k.name;
    for (const char *n : {"Quiz starten", "Startseite", "Bestenliste", "vorheriges Quiz öffnen", "nächstes Quiz öffnen",
                          "pennoria.example.org", "Startbild: Pennoria im Internet"})
        EXPECT_TRUE(namen.contains(QString::fromUtf8(n))) << n;
}

TEST_F(Zugang, FlagQuestionIsNamedAnnouncedAndWalkedRowByRow)
{
    FlaggenDokument();
    ASSERT_TRUE(st->UebungStarten({}));
    QCoreApplication::processEvents();
    EXPECT_EQ(Maengel(form), QStringList());

    // The question card and the answers as a screen reader reads them.
    const QList<Knoten> baum = Baum(form);
    bool karte = false;
    int antworten = 0;
    for (const Knoten &k : baum) {
        if (k.beschreibung == "Flagge, Frage 1 von 3")
            karte = !k.name.isEmpty();
        if (k.rolle == QAccessible::Button && k.name.startsWith("Antwort ") && k.name.contains(" von 3: "))
            ++antworten;
    }
    EXPECT_TRUE(karte);
    EXPECT_EQ(antworten, 3);

    // Tab walks the answers row by row; the "?" is reached as well.
    const QList<AntwortPanel *> folge = TabFolge();
    ASSERT_EQ(folge.size(), 3);
    EXPECT_TRUE(ZeilenweiseGeordnet(folge));
    bool fragezeichen = false;
    for (QWidget *w = form->UebungPan->nextInFocusChain(); w != form->UebungPan; w = w->nextInFocusChain())
        fragezeichen = fragezeichen || w == form->KennzInfoPan;
    EXPECT_TRUE(fragezeichen);

    // A wrong answer through the screen reader's press action.
    const QString richtig = RichtigeAntwort();
    AntwortPanel *falsch = nullptr;
    for (AntwortPanel *p : folge)
        if (p->Caption() != richtig)
            falsch = p;
    ASSERT_TRUE(falsch);
    Druecken(QAccessible::queryAccessibleInterface(falsch));
    EXPECT_EQ(st->Engine.Lauf.AnzFalsch, 1);
    EXPECT_TRUE(Gehoert("Falsch, richtig wäre: " + richtig));
    EXPECT_TRUE(StatusName().startsWith("Frage 2 von 3")) << StatusName().toStdString();
    // The keys go on with the new question's first answer.
    const QList<AntwortPanel *> neu = TabFolge();
    ASSERT_FALSE(neu.isEmpty());
    EXPECT_TRUE(neu.front()->hasFocus() || QApplication::focusWidget() == neu.front());

    // A right answer.
    const QString jetzt = RichtigeAntwort();
    for (AntwortPanel *p : neu)
        if (p->Caption() == jetzt) {
            Druecken(QAccessible::queryAccessibleInterface(p));
            break;
        }
    EXPECT_EQ(st->Engine.Lauf.AnzRichtig, 1);
    EXPECT_TRUE(Gehoert("Richtig"));
}

TEST_F(Zugang, PictureAndClozeTargetsAndCardsAreNamedAndInReadingOrder)
{
    for (int typ : {0, 1}) {
        BildDokument(typ);
        ASSERT_TRUE(st->UebungStarten({}));
        QCoreApplication::processEvents();
        EXPECT_EQ(Maengel(form), QStringList()) << typ;

        QStringList ziele, karten;
        Knoten erstesZiel;
        for (const Knoten &k : Baum(form)) {
            if (k.rolle == QAccessible::ListItem && k.name.startsWith("Ziel ")) {
                ziele << k.name;
                if (!erstesZiel.zugang)
                    erstesZiel = k;
                EXPECT_FALSE(k.aktionen.isEmpty()) << k.name.toStdString();
            } else if (k.rolle == QAccessible::ListItem) {
                karten << k.name;
            }
        }
        EXPECT_EQ(ziele, (QStringList{"Ziel 1, frei", "Ziel 2, frei", "Ziel 3, frei"})) << typ;
        karten.sort();
        EXPECT_EQ(karten, (QStringList{"Mitte", "Nord", "Sued"})) << typ;
        EXPECT_TRUE(ZeilenweiseGeordnet(TabFolge())) << typ;

        // Pick a card with its press, drop it on the first target with the
        // target's press: the target then says what it holds.
        const QList<AntwortPanel *> folge = TabFolge();
        ASSERT_FALSE(folge.isEmpty());
        int zielObjekt = -1;
        for (int i : QuizZiele(form->Zustand.Dok.Objekte))
            if (form->Zustand.Dok.Objekte[i].Nummer == 1)
                zielObjekt = i;
        ASSERT_GE(zielObjekt, 0);
        const QString richtig = form->Zustand.Dok.Objekte[zielObjekt].Cap;
        for (AntwortPanel *p : folge)
            if (p->Caption() == richtig) {
                Druecken(QAccessible::queryAccessibleInterface(p));
                break;
            }
        ASSERT_GE(st->Engine.MarkiertesFeld(), 0) << typ;
        Druecken(erstesZiel.zugang);
        EXPECT_EQ(st->Engine.Lauf.AnzRichtig, 1) << typ;
        EXPECT_TRUE(Gehoert("Richtig")) << typ;
        EXPECT_EQ(erstesZiel.zugang->text(QAccessible::Name), "Ziel 1: " + richtig) << typ;
        st->UebungVerlassen();
    }
}

TEST_F(Zugang, ResultsWindowHasNamesAndFocusReturnsToAVisibleControl)
{
    FlaggenDokument();
    ASSERT_TRUE(st->UebungStarten({}));
    QStringList maengel{"not looked at"};
    bool gezeigt = false;
    QTimer blick;
    QObject::connect(&blick, &QTimer::timeout, form, [&] {
        auto *fertig = form->findChild<TUebFertigForm *>();
        if (!fertig || !fertig->isVisible())
            return;
        blick.stop();
        gezeigt = true;
        maengel = Maengel(fertig);
        // Its buttons are big enough for a finger too.
        for (QPushButton *k : fertig->findChildren<QPushButton *>())
            if (k->isVisible() && (k->width() < 34 || k->height() < 34))
                maengel << k->objectName() + ": too small to tap";
        fertig->LernBtn->click();
    });
    blick.start(10);
    for (int n = 0; n < 10 && !gezeigt; ++n) {
        const int i = RichtigesFeld();
        if (i >= 0)
            st->Engine.FeldAnklicken(i);
    }
    blick.stop();
    ASSERT_TRUE(gezeigt);
    EXPECT_EQ(maengel, QStringList());
    EXPECT_TRUE(Gehoert("Quiz beendet. Richtig: 3 von 3. Fehlversuche: 0."));
    QCoreApplication::processEvents();
    ASSERT_EQ(form->Zustand.AnsichtModus, AnsichtArt::Startseite);
    QWidget *fokus = form->focusWidget();
    ASSERT_TRUE(fokus);
    EXPECT_TRUE(fokus->isVisible()) << fokus->objectName().toStdString();
}

// The texts that were too faint keep 4.5:1 against what lies behind them.
TEST(Kontrast, NamedTextsAreReadableOnTheirBackgrounds)
{
    const QColor statusHintergrund = FensterFarbe();
    const QColor statusOben = FensterFarbe().lighter(106);
    const struct
    {
        const char *text;
        QColor schrift, grund;
    } faelle[] = {
        {"Richtig", TextFarbe::Richtig(), statusHintergrund},
        {"Richtig (oben)", TextFarbe::Richtig(), statusOben},
        {"Falsch", TextFarbe::Falsch(), statusOben},
        {"Klicke auf die richtige Antwort!", TextFarbe::Anweisung(), Szene::SteuerFarbe},
        {"Auch online im Internet", TextFarbe::Hinweis(), Szene::SteuerFarbe},
        {"pennoria.example.org", TextFarbe::Verweis(), Szene::SteuerFarbe},
        {"Zielnummer", Szene::ZielNummerFarbe, QColor(236, 236, 232)},
        {"Zielnummer (weiß)", Szene::ZielNummerFarbe, Qt::white},
    };
    for (const auto &f : faelle)
        EXPECT_GE(Kontrastverhaeltnis(f.schrift, f.grund), 4.5) << f.text;
    // The focus ring stands out from every answer colour (3:1).
    for (const QColor &grund : {Antwortfeld::Grundfarbe(), Antwortfeld::RichtigFarbe(), Antwortfeld::FalschFarbe()})
        EXPECT_GE(Kontrastverhaeltnis(THoverPanel::FokusFarbe(), grund), 3.0) << grund.name().toStdString();
    // The measure itself at its ends.
    EXPECT_DOUBLE_EQ(Kontrastverhaeltnis(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(Kontrastverhaeltnis(Qt::red, Qt::red), 1.0);
}
