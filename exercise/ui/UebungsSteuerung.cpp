// The quiz in the main window: engine, option dialogs, answer panels and clock.
#include "UebungsSteuerung.h"

#include "AntwortPanel.h"
#include "QuizBild.h"
#include "TUebOptForm.h"
#include "TUebOptFragenForm.h"
#include "TUebProtokollForm.h"

#include "AntwortRaster.h"
#include "ProtokollRtf.h"
#include "ZielAuswahl.h"

#include "Farben.h"
#include "Szene.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"
#include "Zugang.h"

#include <QAccessible>
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
    hintergrund = new QuizBild(pan);
    hintergrund->setObjectName("UebungPanHintergrund");
    hintergrund->lower();
    // The targets of picture and cloze quizzes, for screen readers.
    hintergrund->QuelleSetzen({
        .Ziele =
            [this] { return Engine.Einzelfragen() || !Engine.Laeuft() ? QList<int>() : QuizZiele(dok.Dok.Objekte); },
        .Name = [this](int o) { return o < dok.Dok.Objekte.size() ? ZielName(dok.Dok.Objekte[o]) : QString(); },
        .Kasten =
            [this](int o) {
                if (o >= dok.Dok.Objekte.size())
                    return QRect();
                const Rechteck &r = dok.Dok.Objekte[o].Rahmen;
                return QRect(BildNachPanel(r.Left, r.Top), BildNachPanel(r.Right, r.Bottom) - QPoint(1, 1));
            },
        .Offen = [this](int o) { return Engine.Laeuft() && Ziele().IstOffen(o); },
        .Waehlen = [this](int o) { Engine.ZielAnklicken(o); },
    });
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
    pan->setAccessibleName(QStringLiteral("Quiz"));
    // Screen readers hear the verdicts and questions from the status line.
    if (TShadowLabel *s = flaechen.StatistikLabels.value(QStringLiteral("StatusLab")))
        s->setProperty(ZugangsRolle, int(QAccessible::StatusBar));

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
    // Hidden at once: a run started before the deletion comes must not
    // show (or offer to screen readers) the old panels.
    for (auto &[i, p] : panels) {
        p->hide();
        p->deleteLater();
    }
    panels.clear();
    UebMoveAnker->hide();
    UebFrageZaehlerPan->hide();
    if (TShadowLabel *s = flaechen.StatistikLabels.value(QStringLiteral("StatusLab")))
        s->setAccessibleName(QString());
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
    AntwortenOrdnen();
    FrageKarteBenennen();
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
    p.setPen(TextFarbe::Anweisung());
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
    static const QColor zeitFarbe(81, 81, 78), richtigFarbe = TextFarbe::Richtig(), falschFarbe = TextFarbe::Falsch();
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
    // Texts to place are items of a deck; single questions' answers stay buttons.
    if (!Engine.Einzelfragen())
        p->setProperty(ZugangsRolle, int(QAccessible::ListItem));
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
    p->setZeichen(f.Marke == Antwortfeld::Zeichen::Haken   ? THoverPanel::Marke::Haken
                  : f.Marke == Antwortfeld::Zeichen::Kreuz ? THoverPanel::Marke::Kreuz
                                                           : THoverPanel::Marke::Keine);
    p->Markieren(f.Markiert);
    if (!Engine.Einzelfragen())
        p->setAccessibleName(Vorlesetext(f.Caption));
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
    // The focus moves on to the next panel in reading order, not to
    // whatever widget Qt would pick.
    const bool hatteFokus = it->second->hasFocus();
    QList<int> folge = hatteFokus ? Zeilenfolge(SichtbareFelder()) : QList<int>();
    const int k = int(folge.indexOf(index));
    it->second->hide();
    it->second->deleteLater();
    panels.erase(it);
    if (hatteFokus) {
        folge.removeAll(index);
        if (!folge.isEmpty())
            panels.at(folge.value(std::min<int>(std::max(k, 0), int(folge.size()) - 1)))->setFocus();
        else
            flaechen.UebungPan->setFocus();
    }
}

QList<std::pair<int, QPoint>> UebungsSteuerung::SichtbareFelder() const
{
    QList<std::pair<int, QPoint>> sichtbare;
    for (const auto &[i, p] : panels)
        if (!p->isHidden())
            sichtbare.append({i, p->pos()});
    return sichtbare;
}

QList<int> UebungsSteuerung::AntwortenOrdnen()
{
    const QList<int> folge = Zeilenfolge(SichtbareFelder());
    const bool einzel = Engine.Einzelfragen();
    QWidget *vorher = flaechen.UebungPan;
    for (int k = 0; k < folge.size(); ++k) {
        AntwortPanel *p = panels.at(folge[k]);
        if (einzel)
            p->setAccessibleName(
                QStringLiteral("Antwort %1 von %2: %3").arg(k + 1).arg(folge.size()).arg(Vorlesetext(p->Caption())));
        QWidget::setTabOrder(vorher, p);
        vorher = p;
    }
    return folge;
}

// The picture with the question (or the instruction) is the question card.
void UebungsSteuerung::FrageKarteBenennen()
{
    const QString text = Engine.FrageKarteText();
    hintergrund->setAccessibleName(text.isEmpty() ? anweisung : text);
    hintergrund->setAccessibleDescription(Engine.FrageKarteBeschreibung());
}

void UebungsSteuerung::Ansagen(const QString &text, AnsageArt art)
{
    if (TShadowLabel *s = flaechen.StatistikLabels.value(QStringLiteral("StatusLab"))) {
        s->setAccessibleName(text);
        // Qt has no announcement call: the status line's name changes and
        // says so, which screen readers read out.
        QAccessibleEvent name(s, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
        QAccessibleValueChangeEvent wert(s, text);
        QAccessible::updateAccessibility(&wert);
    }
    emit angesagt(text);
    if (art != AnsageArt::Frage)
        return;
    const QList<int> folge = AntwortenOrdnen();
    FrageKarteBenennen();
    // After an answer the keys go on with the new question's first answer;
    // at the start the quiz panel keeps them (UebungGestartet).
    if (!imAufbau && !folge.isEmpty())
        panels.at(folge.front())->setFocus();
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
    const ZielAuswahl ziele = Ziele();
    const int genau = ziele.ZielBei(szene.SteuerNachBruch(p));
    if (genau >= 0)
        return genau;
    // A finger misses a small number circle easily: a tap near it counts,
    // the nearest circle winning.
    int beste = -1;
    qint64 besteAbstand = 0;
    for (int i : ziele.OffeneZiele()) {
        const Rechteck &r = dok.Dok.Objekte[i].Rahmen;
        const QRect kasten(szene.AnzeigePixel(r.Left, r.Top), szene.AnzeigePixel(r.Right, r.Bottom) - QPoint(1, 1));
        if (!TippZone(kasten).contains(p))
            continue;
        const QPoint d = kasten.center() - p;
        const qint64 abstand = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (beste < 0 || abstand < besteAbstand) {
            beste = i;
            besteAbstand = abstand;
        }
    }
    return beste;
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
            const int feld = FeldAufPlatz(SichtbareFelder(), key - Qt::Key_1);
            if (feld >= 0)
                Engine.FeldAnklicken(feld);
        } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
            // The arrows walk the answer grid.
            const Pfeil pfeil = key == Qt::Key_Left    ? Pfeil::Links
                                : key == Qt::Key_Right ? Pfeil::Rechts
                                : key == Qt::Key_Up    ? Pfeil::Hoch
                                                       : Pfeil::Runter;
            const int feld = index < 0 ? FeldAufPlatz(SichtbareFelder(), 0)
                                       : NachbarFeld(SichtbareFelder(), index, pfeil);
            if (feld >= 0)
                panels.at(feld)->setFocus();
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
            AntwortenOrdnen();
        }
    } else if (obj == flaechen.UebungPan && e->type() == QEvent::KeyPress && AnsichtModus() == AnsichtArt::Quiz) {
        // Keys that reach the panel itself (no answer panel has the focus):
        // the number keys of single questions, Escape.
        auto *k = static_cast<QKeyEvent *>(e);
        const bool pfeil = k->key() == Qt::Key_Left || k->key() == Qt::Key_Right || k->key() == Qt::Key_Up
                           || k->key() == Qt::Key_Down;
        if (((k->key() >= Qt::Key_1 && k->key() <= Qt::Key_6) || pfeil) && Engine.Einzelfragen()) {
            Taste(-1, k->key());
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
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
