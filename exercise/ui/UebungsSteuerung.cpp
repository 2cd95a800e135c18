// The quiz in the main window: engine, option dialogs, answer panels and clock.
#include "UebungsSteuerung.h"

#include "AntwortPanel.h"
#include "TUebOptForm.h"
#include "TUebOptFragenForm.h"
#include "TUebProtokollForm.h"

#include "AntwortRaster.h"
#include "ProtokollRtf.h"
#include "ZielAuswahl.h"

#include "Szene.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <pwd.h>
#include <unistd.h>

UebungsSteuerung::UebungsSteuerung(DokumentZustand &d, Dienste &s, Szene &sz, IQuizFenster &f, Flaechen fl,
                                   QWidget *eltern)
    : QObject(eltern), Engine(d, s, *this, *this), dok(d), dienste(s), szene(sz), fenster(f), flaechen(std::move(fl)),
      elternFenster(eltern)
{
    ZeitTimer = new QTimer(this);
    ZeitTimer->setObjectName("ZeitTimer");
    ZeitTimer->setInterval(100);
    connect(ZeitTimer, &QTimer::timeout, this, [this] { Engine.ZeitTimerTimer(); });

    QWidget *pan = flaechen.UebungPan;
    pan->setFont(QFont(QStringLiteral("Arial")));
    hintergrund = new QLabel(pan);
    hintergrund->setObjectName("UebungPanHintergrund");
    hintergrund->lower();
    UebMoveAnker = new QWidget(pan);
    UebMoveAnker->setObjectName("UebMoveAnker");
    UebMoveAnker->setAttribute(Qt::WA_TransparentForMouseEvents);
    UebMoveAnker->setStyleSheet("border: 2px solid red; background: transparent;");
    UebMoveAnker->setAttribute(Qt::WA_StyledBackground);
    UebMoveAnker->hide();
    UebFrageZaehlerPan = new THoverPanel(pan);
    UebFrageZaehlerPan->setObjectName("UebFrageZaehlerPan");
    UebFrageZaehlerPan->setCaption("x. Frage");
    UebFrageZaehlerPan->setHoverActive(false);
    UebFrageZaehlerPan->setBevelWidth(0);
    UebFrageZaehlerPan->setNormColor(Qt::white);
    UebFrageZaehlerPan->setFont(AntwortRaster::ZaehlerSchrift());
    UebFrageZaehlerPan->setAlignment(Qt::AlignLeft);
    UebFrageZaehlerPan->resize(300, AntwortRaster::ZaehlerHoehe);
    UebFrageZaehlerPan->hide();
    pan->installEventFilter(this);
    hintergrund->installEventFilter(this);
    pan->setFocusPolicy(Qt::StrongFocus);

    Engine.Einst.Rechnername = QSysInfo::machineHostName();
    // The login name of the process owner (the environment may lack it).
    if (const passwd *pw = getpwuid(geteuid()))
        Engine.Einst.Benutzername = QString::fromLocal8Bit(pw->pw_name);
    else
        Engine.Einst.Benutzername = qEnvironmentVariable("USER");
}

UebungsSteuerung::~UebungsSteuerung() = default;

// ------------------------------------------------------------ commands

bool UebungsSteuerung::UebungStarten(const StartAuftrag &auftrag)
{
    Engine.Einst.Tonausgabe = fenster.TonausgabeAn();
    Engine.Einst.NameEingabe = fenster.NameEingabeAn();
    Engine.Einst.AutoProtSpeichern = fenster.AutoProtSpeichernAn();
    return Engine.UebungStarten(auftrag);
}

void UebungsSteuerung::UebungVerlassen()
{
    Engine.UebungVerlassen();
}

TUebOptForm &UebungsSteuerung::UebOptForm() const
{
    if (!uebOptForm) {
        uebOptForm = new TUebOptForm(elternFenster);
        uebOptFragenForm = new TUebOptFragenForm(uebOptForm, elternFenster);
        if (wartendeWerte) {
            uebOptForm->WerteSetzen(*wartendeWerte);
            uebOptFragenForm->WerteSetzen(*wartendeWerte);
            wartendeWerte.reset();
        }
    }
    return *uebOptForm;
}

TUebOptFragenForm &UebungsSteuerung::UebOptFragenForm() const
{
    UebOptForm();
    return *uebOptFragenForm;
}

bool UebungsSteuerung::OptionenVorJederUebung() const
{
    return UebOptForm().UebOptZeigenCheck->isChecked();
}

bool UebungsSteuerung::QuizBeendet() const
{
    return Engine.Lauf.Endestatus != EndeArt::Laeuft;
}

bool UebungsSteuerung::IstNetzwerkQuiz() const
{
    return Engine.Lauf.NetzRolle != Rolle::Einzeln;
}

bool UebungsSteuerung::FalscheWerdenWiederholt() const
{
    return Engine.Opt.ZuordnungFalsch == 0;
}

void UebungsSteuerung::UebungPanAnordnen()
{
    Engine.AntwortfelderAnordnen();
    Engine.AnweisungZeichnen(true);
}

TUebProtokollForm &UebungsSteuerung::UebProtokollForm()
{
    if (!uebProtokollForm)
        uebProtokollForm = new TUebProtokollForm(*dienste.meldungen, elternFenster);
    return *uebProtokollForm;
}

void UebungsSteuerung::ProtokollderletztenUebung1Click()
{
    UebProtokollForm().exec();
}

void UebungsSteuerung::ProtokollDarstellen()
{
    UebProtokollForm().ProtokollDarstellen(Engine.ProtokollText(), true);
}

bool UebungsSteuerung::ProtokollAutoSpeichern()
{
    return ::ProtokollAutoSpeichern(UebProtokollForm().Rtf(), fenster.ProtOrdner(), Engine.Einst.Rechnername,
                                    dienste.uhr->Jetzt(), *dienste.meldungen);
}

UebOptWerte UebungsSteuerung::OptWerteHolen() const
{
    // Untouched defaults are what fresh windows would show, so reading them
    // needs no windows.
    if (!uebOptForm && (!wartendeWerte || *wartendeWerte == UebOptWerte()))
        return UebOptWerte();
    UebOptWerte w;
    UebOptForm().WerteHolen(w);
    UebOptFragenForm().WerteHolen(w);
    return w;
}

void UebungsSteuerung::OptWerteSetzen(const UebOptWerte &w)
{
    if (!uebOptForm) {
        wartendeWerte = w;
        return;
    }
    uebOptForm->WerteSetzen(w);
    uebOptFragenForm->WerteSetzen(w);
}

void UebungsSteuerung::UebOpt1Click()
{
    if (AnsichtModus() == AnsichtArt::Quiz) {
        dienste.meldungen->Information(
            QStringLiteral("Die Übungsoptionen können nicht während der Übung geändert werden."));
        return;
    }
    // The window was just shown: the start does not show it again.
    if (OptionenDialogZeigen())
        UebungStarten({.optionenZeigen = false, .umfang = UmfangArt::Komplett, .rolle = Rolle::Einzeln});
}

bool UebungsSteuerung::OptionenDialogZeigen()
{
    QDialog *d = dok.Dok.DokTyp == DokArt::Einzelfragen ? static_cast<QDialog *>(&UebOptFragenForm()) : &UebOptForm();
    return d->exec() == QDialog::Accepted;
}

// ------------------------------------------------------------ IUebOberflaeche

bool UebungsSteuerung::NamenErfragen(QString &name)
{
    if (ergebnis)
        return ergebnis->NamenErfragen(name);
    name.clear();
    return true;
}

AnsichtArt UebungsSteuerung::AnsichtModus()
{
    return fenster.Modus();
}

void UebungsSteuerung::QuizModusSetzen()
{
    imAufbau = true; // until UebungGestartet
    // The scene draws for the quiz from now on.
    dok.AnsichtModus = AnsichtArt::Quiz;
    fenster.QuizModusSetzen();
}

void UebungsSteuerung::StartseiteZeigen()
{
    imAufbau = false;
    ZeitTimer->stop();
    for (auto &[i, p] : panels)
        p->deleteLater();
    panels.clear();
    UebMoveAnker->hide();
    UebFrageZaehlerPan->hide();
    dok.AnsichtModus = AnsichtArt::Startseite;
    szene.AbfrageModus = 0;
    szene.AktFolgeIndex = -1;
    fenster.StartseiteZeigen();
}

void UebungsSteuerung::KnoepfeAktualisieren()
{
    fenster.AktualisiereKnoepfe();
}

void UebungsSteuerung::UebungenBtnLoesen()
{
    fenster.UebungenBtnLoesen();
}

QSize UebungsSteuerung::UebungPanPlatzieren()
{
    fenster.UebungPanPlatzieren();
    return UebungPanGroesse();
}

QSize UebungsSteuerung::UebungPanGroesse()
{
    return flaechen.UebungPan->size();
}

void UebungsSteuerung::BildBreiteSetzen(int breite)
{
    breite = std::max(breite, 50);
    const QSize neu(breite, std::max(UebungPanGroesse().height(), 50));
    bildBreite = breite;
    fenster.BildGroesseSetzen(neu);
    if (szene.SteuerGroesse != neu) {
        szene.SteuerGroesse = neu;
        // The scene follows the picture's new size at once: the drop-target
        // search converts with it.
        if (dok.AnsichtModus == AnsichtArt::Quiz)
            szene.SzeneAufbauen();
    }
}

void UebungsSteuerung::UebungPanZeigen()
{
    flaechen.UebungPan->show();
    flaechen.UebungPan->raise();
}

void UebungsSteuerung::UebungGestartet()
{
    // The same final layout for every start: a repetition from the results
    // window comes here as well, not only "Quiz starten".
    imAufbau = false;
    Engine.AntwortfelderAnordnen();
    Hintergrund(true);
    // The panel takes the keys: Tab moves on to the answer panels.
    flaechen.UebungPan->setFocus();
}

void UebungsSteuerung::AnweisungZeichnen(const QString &text, int breite, bool neuZeichnen)
{
    anweisung = text;
    bildBreite = breite;
    Hintergrund(neuZeichnen);
}

void UebungsSteuerung::Hintergrund(bool neuZeichnen)
{
    QWidget *pan = flaechen.UebungPan;
    const QSize g = pan->size();
    if (g.isEmpty())
        return;
    QImage bild(g, QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(Szene::SteuerFarbe);
    QPainter p(&bild);
    p.fillRect(QRect(bildBreite, 0, 3, g.height()), QColor(225, 225, 217));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(81, 81, 78));
    p.drawText(QRect(QPoint(bildBreite + 11, 6), QPoint(g.width() - 1, g.height() - 1)), Qt::TextWordWrap, anweisung);
    p.drawImage(QPoint(0, 0), szene.Ansicht());
    p.end();
    hintergrund->setGeometry(QRect(QPoint(0, 0), g));
    hintergrund->setPixmap(QPixmap::fromImage(bild));
    hintergrund->lower();
    if (neuZeichnen)
        hintergrund->repaint();
}

void UebungsSteuerung::ZeitTimerSetzen(bool an)
{
    if (an)
        ZeitTimer->start();
    else
        ZeitTimer->stop();
}

void UebungsSteuerung::NachrichtenVerarbeiten()
{
    QCoreApplication::processEvents();
}

void UebungsSteuerung::StatusSetzen(const UebStatus &s)
{
    auto setzen = [this](const char *name, const QString &text, const QColor *farbe = nullptr) {
        TShadowLabel *l = flaechen.StatistikLabels.value(QString::fromLatin1(name));
        if (!l)
            return;
        l->setCaption(text);
        if (farbe)
            l->setFontColor(*farbe);
        l->repaint();
    };
    static const QColor zeitFarbe(81, 81, 78), richtigFarbe(0, 150, 0), falschFarbe(200, 0, 0);
    setzen("NameLab", QStringLiteral("Name: ") + s.TNameLab);
    setzen("RichtigLab", QStringLiteral("Richtig: ") + s.RichtigLab + QStringLiteral("  ") + s.GesAnzLab);
    setzen("FalschLab", QStringLiteral("Fehlversuche: ") + s.FalschLab);
    setzen("QuoteLab", QStringLiteral("Erfolgsquote: ") + s.QuoteLab);
    setzen("GesamtLab", QStringLiteral("Gesamtleistung: ") + s.GesamtleistungLab);
    setzen("ZeitLab", s.UebZeitModeLab + QStringLiteral(" ") + s.UebZeitLab);
    setzen("OffenLab", QStringLiteral("Offene Fragen: ") + s.OffenLab);
    const QColor *farbe = s.UebStatFarbe == StatFarbe::Richtig  ? &richtigFarbe
                          : s.UebStatFarbe == StatFarbe::Falsch ? &falschFarbe
                                                                : &zeitFarbe;
    setzen("StatusLab", s.UebStatLab, farbe);
}

void UebungsSteuerung::FrageZaehlerSetzen(const QString &caption, QPoint pos, bool sichtbar)
{
    UebFrageZaehlerPan->setCaption(caption);
    // As wide as its text, so it hides no more of the picture than needed.
    UebFrageZaehlerPan->setGeometry(pos.x(), pos.y(),
                                    QFontMetrics(UebFrageZaehlerPan->font()).horizontalAdvance(caption) + 12,
                                    AntwortRaster::ZaehlerHoehe);
    UebFrageZaehlerPan->setVisible(sichtbar);
    if (sichtbar)
        UebFrageZaehlerPan->raise();
}

void UebungsSteuerung::FeldAnlegen(const Antwortfeld &f, bool hand)
{
    FeldEntfernen(f.Index);
    handZeiger = hand;
    FeldAktualisieren(f, false);
}

AntwortPanel *UebungsSteuerung::PanelMachen(int index)
{
    auto *p = new AntwortPanel(index, handZeiger, flaechen.UebungPan);
    // Panels are made in any order. As when every panel was made at the start, the lower index lies on top
    // and comes later in the Tab order.
    if (auto naechst = panels.lower_bound(index); naechst != panels.begin()) {
        AntwortPanel *darueber = std::prev(naechst)->second;
        p->stackUnder(darueber);
        QWidget::setTabOrder(darueber->previousInFocusChain(), p);
    }
    connect(p, &AntwortPanel::gedrueckt, this, [this](int i, QPoint pos) {
        if (!Engine.Einzelfragen())
            Engine.FeldGedrueckt(i, pos);
    });
    connect(p, &AntwortPanel::bewegt, this, [this](int i, QPoint pos) { Engine.FeldBewegt(i, pos); });
    connect(p, &AntwortPanel::losgelassen, this, [this](int i, QPoint, bool gezogen) {
        if (Engine.Einzelfragen()) {
            Engine.FeldGedrueckt(i, {});
            Engine.FeldLosgelassen(i);
        } else if (gezogen) {
            Engine.MarkierungAufheben();
            Engine.FeldLosgelassen(i);
        } else {
            Engine.FeldAnklicken(i); // picked up by a click
        }
    });
    connect(p, &AntwortPanel::taste, this, &UebungsSteuerung::Taste);
    return p;
}

void UebungsSteuerung::FeldAktualisieren(const Antwortfeld &f, bool sofort)
{
    const bool zeigen = f.Sichtbar && AnsichtModus() == AnsichtArt::Quiz;
    auto it = panels.find(f.Index);
    if (it == panels.end()) {
        // A panel's widget is made when it is first shown on the panel area: a document of tens of
        // thousands of gaps would otherwise make as many widgets at every start. The engine keeps the
        // state of all of them.
        if (!zeigen || !f.Rahmen.intersects(flaechen.UebungPan->rect()))
            return;
        it = panels.emplace(f.Index, PanelMachen(f.Index)).first;
    }
    AntwortPanel *p = it->second;
    p->setCaption(f.Caption);
    p->setGeometry(f.Rahmen);
    p->setNormColor(f.Farbe);
    p->Markieren(f.Markiert);
    p->setVisible(zeigen);
    if (sofort)
        p->repaint();
}

void UebungsSteuerung::FeldNachVorn(int index)
{
    if (auto it = panels.find(index); it != panels.end())
        it->second->raise();
    UebMoveAnker->raise();
}

void UebungsSteuerung::FeldEntfernen(int index)
{
    auto it = panels.find(index);
    if (it == panels.end())
        return;
    it->second->hide();
    it->second->deleteLater();
    panels.erase(it);
}

void UebungsSteuerung::UebMoveAnkerSetzen(const QRect &r, bool sichtbar)
{
    if (sichtbar) {
        UebMoveAnker->setGeometry(r);
        UebMoveAnker->raise();
    }
    UebMoveAnker->setVisible(sichtbar);
}

void UebungsSteuerung::ErgebnisAnzeigen()
{
    if (ergebnis) {
        ergebnis->ErgebnisAnzeigen();
        return;
    }
    // Without the results window: the figures in a plain message.
    ProtokollDarstellen();
    if (Engine.Einst.AutoProtSpeichern)
        ProtokollAutoSpeichern();
    dienste.meldungen->Information(Engine.ErgebnisKurztext());
    Engine.UebungVerlassen();
}

// ------------------------------------------------------------ IUebAnsicht

void UebungsSteuerung::SzeneAufbauen()
{
    szene.SzeneAufbauen();
}

void UebungsSteuerung::ObjekteNeuZeichnen()
{
    szene.ObjekteNeuZeichnen();
    Hintergrund(true);
}

void UebungsSteuerung::ObjektNeuZeichnen(int index)
{
    szene.ObjektNeuZeichnen(index);
    Hintergrund(true);
}

void UebungsSteuerung::NummerierungErneuern()
{
    fenster.NummerierungErneuern();
}

void UebungsSteuerung::ZoomZuruecksetzen()
{
    szene.ZoomSetzen(0);
    szene.Ausschnitt = {0, 0, 1, 1};
}

void UebungsSteuerung::ZeigerWerkzeugWaehlen()
{
    // The pointer tool, as every quiz start wants it.
    szene.WerkzeugWaehlen(Werkzeug::Zeiger);
}

void UebungsSteuerung::QuizZustandSetzen(int abfrageModus, const FragenListe &folge, int position)
{
    szene.AbfrageModus = abfrageModus;
    szene.FragenFolge = folge;
    szene.AktFolgeIndex = position;
}

QPoint UebungsSteuerung::BildNachPanel(double fx, double fy)
{
    return szene.AnzeigePixel(fx, fy);
}

QPointF UebungsSteuerung::PanelNachBild(QPoint p)
{
    return szene.SteuerNachBruch(p);
}

// ------------------------------------------------------------ input beyond dragging

ZielAuswahl UebungsSteuerung::Ziele() const
{
    return ZielAuswahl(dok.Dok.Objekte, Engine.Opt, Engine.Lauf);
}

int UebungsSteuerung::ObjektBei(QPoint p) const
{
    return Ziele().ZielBei(szene.SteuerNachBruch(p));
}

void UebungsSteuerung::ZielWaehlen(int richtung)
{
    if (Engine.MarkiertesFeld() < 0)
        return;
    const int ziel = Ziele().NaechstesZiel(tastenZiel, richtung);
    if (ziel < 0)
        return;
    tastenZiel = ziel;
    const Rechteck &r = dok.Dok.Objekte[tastenZiel].Rahmen;
    const QPoint lo = BildNachPanel(r.Left, r.Top), ru = BildNachPanel(r.Right, r.Bottom);
    UebMoveAnkerSetzen(QRect(lo, ru - QPoint(1, 1)).adjusted(-4, -4, 4, 4), true);
}

void UebungsSteuerung::Taste(int index, int key)
{
    if (Engine.Einzelfragen()) {
        if (key >= Qt::Key_1 && key <= Qt::Key_6) {
            // The panel in grid slot n: rows top to bottom, left to right.
            QList<std::pair<int, QPoint>> sichtbare;
            for (auto &[i, p] : panels)
                if (p->isVisible())
                    sichtbare.append({p->Index(), p->pos()});
            const int feld = FeldAufPlatz(sichtbare, key - Qt::Key_1);
            if (feld >= 0)
                Engine.FeldAnklicken(feld);
        } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Engine.FeldAnklicken(index);
        }
        return;
    }
    switch (key) {
    case Qt::Key_Escape:
        Engine.MarkierungAufheben();
        UebMoveAnkerSetzen({}, false);
        tastenZiel = -1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        ZielWaehlen(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        ZielWaehlen(+1);
        break;
    default: // Enter, Space
        if (Engine.MarkiertesFeld() == index && tastenZiel >= 0) {
            const int ziel = tastenZiel;
            tastenZiel = -1;
            Engine.ZielAnklicken(ziel);
        } else {
            tastenZiel = -1;
            Engine.FeldAnklicken(index);
        }
    }
}

bool UebungsSteuerung::eventFilter(QObject *obj, QEvent *e)
{
    if (obj == flaechen.UebungPan && e->type() == QEvent::Resize && AnsichtModus() == AnsichtArt::Quiz) {
        hintergrund->setGeometry(flaechen.UebungPan->rect());
        if (!imAufbau) {
            Engine.AntwortfelderAnordnen();
            Hintergrund(true);
        }
    } else if (obj == flaechen.UebungPan && e->type() == QEvent::KeyPress && AnsichtModus() == AnsichtArt::Quiz) {
        // Keys that reach the panel itself (no answer panel has the focus):
        // the number keys of single questions, Escape.
        auto *k = static_cast<QKeyEvent *>(e);
        if ((k->key() >= Qt::Key_1 && k->key() <= Qt::Key_6 && Engine.Einzelfragen()) || k->key() == Qt::Key_Escape) {
            Taste(-1, k->key());
            return true;
        }
    } else if ((obj == hintergrund || obj == flaechen.UebungPan) && e->type() == QEvent::MouseButtonPress
               && AnsichtModus() == AnsichtArt::Quiz) {
        // A click on an open target drops the picked-up text there.
        auto *m = static_cast<QMouseEvent *>(e);
        QPoint p = m->position().toPoint();
        if (obj == hintergrund)
            p = hintergrund->mapToParent(p);
        const int ziel = ObjektBei(p);
        if (ziel >= 0 && Engine.MarkiertesFeld() >= 0) {
            Engine.ZielAnklicken(ziel);
            return true;
        }
    }
    return QObject::eventFilter(obj, e);
}
