// The main window: start-up, settings, menus, documents and the subsystems' wiring.
#include "TForm1.h"

#include "Befehlszeile.h"
#include "DokumentLaden.h"
#include "DokumentModell.h"
#include "Farben.h"
#include "FensterLogik.h"
#include "OeffneExtern.h"
#include "Ordner.h"
#include "Produkt.h"
#include "Rahmen.h"
#include "StartBild.h"
#include "Szene.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>

#include <utility>

TForm1::TForm1(Dienste d, QSettings *sp, const QStringList &args, QWidget *parent)
    : QMainWindow(parent), dienste(d), speicher(sp), argumente(args)
{
    // The frame tiles decode on another core while the window is built.
    RahmenVorladen();
    setObjectName("Form1");
    QApplication::setApplicationDisplayName(QString());
    setWindowTitle("Brinvale Pennoria");

    // Start values: mode 2, no topic, the window at its minimum size, an
    // empty document. Zoom and numbering mode belong to the scene.
    Zustand.AnsichtModus = AnsichtArt::Startseite;
    Zustand.ThemenIndex = -1;
    // The base picture takes the built-in start picture when the start page
    // comes back; nothing draws it before, so its 2 MB are not made at start.

    BaueRegionen();
    BaueMenue();

    // The shared colours from the frame tiles.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, FensterFarbe());
    setPalette(pal);
    for (QWidget *w : {LernPan, InfoPan, LernInfoPan, UebStatusPan}) {
        w->setAutoFillBackground(true);
        w->setPalette(pal);
    }
    QPalette karte = pal;
    karte.setColor(QPalette::Window, KartenFarbe());
    LernKartPan->setAutoFillBackground(true);
    LernKartPan->setPalette(karte);

    navigation =
        std::make_unique<ThemenNavigation>(Zustand, Ordner(), *dienste.meldungen, *this, *this,
                                           [](const QString &pfad, QString &titel) { return LeseTitel(pfad, titel); });

    DokumentLeeren(Zustand, *this);
    Ordner().VorigesDokument.clear();
    navigation->SchreibeTitelzeile();
    startBild = LadeStartBild(Ordner().ProgOrdner, *dienste.meldungen);
    if (!startBild.isNull())
        QuizStartImg->setPixmap(QPixmap::fromImage(startBild));

    // A fixed single border at first, centred, 900 x 650 at least.
    setMinimumSize(900, 650);
    setMaximumSize(900, 650);
    resize(900, 650);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(FensterRechteck(s->geometry().size()).topLeft());

    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- start-up

void TForm1::ErsteAktivierung()
{
    if (!ersteAktivierung)
        return;
    ProgrammOrdner &o = Ordner();
    LeseEinstellungen();
    AktualisiereKnoepfe();
    lernBild->NummerierungAnwenden();
    ZeigeStartseite();

    o.StartDokument.clear();
    const StartAuswahl start = BefehlszeileAuswerten(argumente, o.ProgOrdner);
    o.StartOrdner = start.StartOrdner;
    if (!start.StartDokument.isEmpty()) {
        navigation->OeffnenDatei = start.StartDokument;
        LadeDokument(Zustand, *this, *dienste.meldungen, navigation->OeffnenDatei, true);
        o.StartDokument = start.StartDokument;
    }
    o.AktOrdner = o.StartOrdner;

    StartInfoPan->setCaption(QString());
    StartInfoPan->setNormColor(Szene::SteuerFarbe); // the learning picture's background
    StartInfoPan->setNormFontColor(VclFarbe(6975343));
    StartInfoPanAnordnen();
    StartInfoPan->setVisible(!(ErweiterteFunktionen() && DokumentGeladen()));
    StartInfoPan->raise();

    // The title shows no list position without a document, so a long
    // folder does not hold up the first paint.
    if (listeNachAnstrich && !angestrichen && !DokumentGeladen())
        listeAufgeschoben = true;
    else
        navigation->BaueThemenliste();
    ersteAktivierung = false;
    if (StartInfoPan->isHidden())
        AufgeschobenesBildAufbauen();
}

void TForm1::NachErstemAnstrich()
{
    AufgeschobenesBildAufbauen();
    AufgeschobeneListeBauen();
}

void TForm1::AufgeschobeneListeBauen()
{
    if (std::exchange(listeAufgeschoben, false))
        navigation->BaueThemenliste();
}

// At start-up the start panel covers the learning picture completely, so
// composing it waits until the window's first paint has been shown, or
// until the panel is hidden before that.
void TForm1::StartseitenBildAufbauen()
{
    if (ersteAktivierung && !angestrichen) {
        bildAufgeschoben = true;
        return;
    }
    bildAufgeschoben = false;
    lernBild->BildNeuAufbauen();
}

void TForm1::AufgeschobenesBildAufbauen()
{
    if (!std::exchange(bildAufgeschoben, false))
        return;
    lernBild->BildNeuAufbauen();
}

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // The window manager tells the frame only once the window is on the
    // screen (see eventFilter).
    if (freierBildschirm.isValid() && windowHandle())
        windowHandle()->installEventFilter(this);
    // Without a window manager the window may never be activated, so the
    // first showing counts as the first activation as well.
    if (ersteAktivierung)
        QMetaObject::invokeMethod(
            this,
            [this] {
                listeNachAnstrich = true;
                ErsteAktivierung();
            },
            Qt::QueuedConnection);
}

void TForm1::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && ersteAktivierung)
        ErsteAktivierung();
}

// ---------------------------------------------------------------- settings

Einstellungen TForm1::EinstellungenHolen() const
{
    const ProgrammOrdner &o = Ordner();
    Einstellungen e;
    e.OptSound = Menue.Sound1->isChecked();
    e.OptUebNameEingabe = Menue.OptNameEingabe1->isChecked();
    e.OptAutoProtSpeichern = Menue.AutoProtSpeichern1->isChecked();
    e.OptErgebBestListEintragen = Menue.ErgebBestListEintragen1->isChecked();
    e.OptErweiterteFunktionen = erweitert;
    e.NetzKomOrdner = o.NetzKomOrdner;
    e.NetzKomKanal = o.NetzKomKanal;
    e.ProtOrdner = o.ProtOrdner;
    e.BestListOrdner = o.BestListOrdner;
    e.ExportOrdner = ExportOrdner;
    e.UebOpt = quiz->OptWerteHolen();
    e.ArbeitsblattWortlisteBlatt = ArbeitsblattWortlisteBlatt;
    return e;
}

void TForm1::EinstellungenSetzen(const Einstellungen &e)
{
    ProgrammOrdner &o = Ordner();
    Menue.Sound1->setChecked(e.OptSound);
    Menue.OptNameEingabe1->setChecked(e.OptUebNameEingabe);
    Menue.AutoProtSpeichern1->setChecked(e.OptAutoProtSpeichern);
    Menue.ErgebBestListEintragen1->setChecked(e.OptErgebBestListEintragen);
    ErweiterteFunktionenSetzen(e.OptErweiterteFunktionen);
    o.NetzKomOrdner = e.NetzKomOrdner;
    o.NetzKomKanal = e.NetzKomKanal;
    o.ProtOrdner = e.ProtOrdner;
    o.BestListOrdner = e.BestListOrdner;
    ExportOrdner = e.ExportOrdner;
    quiz->OptWerteSetzen(e.UebOpt);
    ArbeitsblattWortlisteBlatt = e.ArbeitsblattWortlisteBlatt;
}

void TForm1::LeseEinstellungen()
{
    Einstellungen e = EinstellungenHolen();
    if (speicher)
        ::LeseEinstellungen(*speicher, e);
    EinstellungenSetzen(e);
}

void TForm1::SchreibeEinstellungen()
{
    if (speicher)
        ::SchreibeEinstellungen(*speicher, EinstellungenHolen());
}

// ---------------------------------------------------------------- modes

void TForm1::AktualisiereKnoepfe()
{
    UebInfoPan->setVisible(Zustand.AnsichtModus == AnsichtArt::Quiz);
    WiederholungsHinweisLab->setVisible(quiz->FalscheWerdenWiederholt());
    LernInfoPan->setVisible(LernInfoPanSichtbar());
    // The fold control stays as a handle while the tool bar is folded.
    KlappPan->setVisible(erweitert && Zustand.AnsichtModus == AnsichtArt::Startseite);
    KlappPan->setCaption(LeisteOffen ? QString::fromUtf8("\u00BB") : QString::fromUtf8("\u00AB"));
    KlappPan->setToolTip(LeisteOffen ? "Werkzeugleiste zuklappen" : "Werkzeugleiste aufklappen");
    LernKartBtn->setChecked(Zustand.AnsichtModus == AnsichtArt::Startseite);
    LernKartBtnBeschriften();
    UebungenBtn->setChecked(Zustand.AnsichtModus == AnsichtArt::Quiz && !quiz->IstNetzwerkQuiz());

    // While the topic menu is disabled its shortcuts must do nothing, the
    // topic items' included.
    QMenu *auswahl = Menue.Auswahl1;
    const bool an = Zustand.AnsichtModus == AnsichtArt::Startseite;
    auswahl->setEnabled(an);
    auswahl->menuAction()->setEnabled(an);
    for (QAction *a : auswahl->actions())
        if (!a->isSeparator())
            a->setEnabled(an);
    VersteckteKuerzelAktualisieren();

    UebungenBtn->update();
    LernKartBtn->update();
    BestenlisteBtn->update();
    RegionenAnordnen(); // the statistics panel may have come or gone
    emit BefehlsZustandGeaendert();
}

void TForm1::VersteckteKuerzelAktualisieren()
{
    for (const Versteckt &v : versteckte) {
        bool an = v.aktion->property("eigenAktiv").toBool();
        for (QObject *m : v.kette)
            if (auto *menue = qobject_cast<QMenu *>(m))
                an = an && menue->isEnabled(); // a hidden menu's own action is always disabled
        v.aktion->setEnabled(an);
    }
}

void TForm1::ZeigeStartseite()
{
    Zustand.AnsichtModus = AnsichtArt::Startseite;
    AktualisiereKnoepfe();
    UebungPan->hide();
    if (Menue.Werkzeugleisteklappen1)
        Menue.Werkzeugleisteklappen1->setText(LeisteOffen ? "Werkzeugleiste zu&klappen" : "Werkzeugleiste auf&klappen");

    const int leiste = LernInfoPan->isHidden() ? 0 : LernInfoPan->width();
    LernKartPan->setGeometry(0, InfoPan->height(), LernPan->width() - leiste, LernPan->height() - InfoPan->height());
    QPalette weiss = LernKartPan->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    LernKartPan->setPalette(weiss);
    MainBackImg2->setGeometry(0, 0, LernKartPan->width(), LernKartPan->height());
    MaleRahmen(MainBackImg2, BackTeileImg3());
    TitelHintergrundMalen();

    LernKartPicImg->setGeometry(9, 8, LernKartPan->width() - 17, LernKartPan->height() - 16);
    KlappPan->setGeometry(LernKartPan->width() - 26, 10, 16, 16);
    KlappPan->raise();
    StartseitenBildAufbauen();
    StartInfoPanAnordnen();
    // With the extended functions a loaded document is seen, not covered.
    if (ErweiterteFunktionen() && !ersteAktivierung)
        StartInfoPan->setVisible(!DokumentGeladen());
}

void TForm1::LernKartBtnBeschriften()
{
    // In the learning view the button only sets the pointer and 100 %
    // again; it says so, and the tool bar's button leads to the start page.
    const bool lernansicht = erweitert && Zustand.AnsichtModus == AnsichtArt::Startseite && DokumentGeladen();
    if (Zustand.AnsichtModus == AnsichtArt::Quiz)
        LernKartBtn->setCaption("Quiz\nabbrechen");
    else
        LernKartBtn->setCaption(lernansicht ? QString::fromUtf8("Ansicht\nzurücksetzen") : "Startseite");
    LernKartBtn->setToolTip(lernansicht ? "Zeiger und Zoomstufe 100 % wählen" : "zur Startseite");
}

bool TForm1::DokumentGeladen() const
{
    // A new document is there before it has a file.
    return !Zustand.Dok.DateiName.isEmpty() || Zustand.Dok.Geaendert;
}

bool TForm1::QuizWirklichAbbrechen()
{
    if (Zustand.AnsichtModus != AnsichtArt::Quiz || quiz->QuizBeendet())
        return true;
    return dienste.meldungen->JaNein("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?")
           != Antwort::Nein;
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    FormResize();
}

QMargins TForm1::Rahmenbreiten() const
{
    const QRect g = geometry(), f = frameGeometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

void TForm1::FormResize()
{
    RegionenAnordnen();
    if (ersteAktivierung || schliesst || !groesseAnpassen)
        return;
    if (Zustand.AnsichtModus == AnsichtArt::Startseite) {
        ZeigeStartseite();
        TitelHintergrundMalen();
    } else if (Zustand.AnsichtModus == AnsichtArt::Quiz) {
        LernKartPan->setGeometry(0, InfoPan->height(), LernPan->width() - UebInfoPan->width(),
                                 LernPan->height() - InfoPan->height());
        MainBackImg2->setGeometry(0, 0, LernKartPan->width(), LernKartPan->height());
        MaleRahmen(MainBackImg2, BackTeileImg3());
        lernBild->BildNeuAufbauen();
        UebungPan->setGeometry(9, 8, LernKartPan->width() - 17, LernKartPan->height() - 16);
        quiz->UebungPanAnordnen();
        TitelHintergrundMalen();
    }
}

void TForm1::TitelHintergrundMalen()
{
    TitelBackImg->setGeometry(TitelPan->rect());
    MaleRahmen(TitelBackImg, BackTeileImg3Tit());
}

template <typename Wechsel>
void TForm1::AnzeigeModusWechseln(Wechsel &&wechsel)
{
    groesseAnpassen = false;
    wechsel();
    raise();
    activateWindow();
    groesseAnpassen = true;
    FormResize();
}

void TForm1::Vollbild1Click()
{
    AnzeigeModusWechseln([this] {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlag(Qt::FramelessWindowHint, true);
        // A window manager may take the maximise request before the lifted
        // size limit and keep the old size (seen about once in 40 starts);
        // with the screen's area asked for first, the result is the same
        // either way.
        if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
            setGeometry(s->availableGeometry());
        showMaximized();
    });
}

void TForm1::BildschirmAnpassen(const QRect &frei)
{
    // The frame of a window that is shown takes its part of the screen too.
    const QMargins rahmen = Rahmenbreiten();
    const QRect platz = frei.marginsRemoved(rahmen);
    if (platz.width() >= 900 && platz.height() >= 650)
        return;
    freierBildschirm = frei;
    gezaehlterRahmen = rahmen;
    kleinerBildschirm = platz;
    const QRect r = FensterRechteckIn(platz);
    setMinimumSize(r.size());
    if (!isMaximized() && !isFullScreen()) {
        setMaximumSize(r.size());
        setGeometry(r);
    }
}

void TForm1::Fenster1Click()
{
    AnzeigeModusWechseln([this] {
        setWindowFlag(Qt::FramelessWindowHint, false);
        setMinimumSize(kleinerBildschirm.isValid() ? FensterRechteckIn(kleinerBildschirm).size() : QSize(900, 650));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showNormal();
        const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect r = kleinerBildschirm.isValid() ? FensterRechteckIn(kleinerBildschirm)
                                                    : FensterRechteck(s ? s->geometry().size() : QSize(900, 650));
        resize(r.size());
        move(r.topLeft());
    });
}

void TForm1::Minimieren1Click()
{
    showMinimized();
}

// ---------------------------------------------------------------- keys

bool TForm1::FormKeyDown(int key, int modifiers)
{
    switch (TasteAuswerten(key, modifiers, erweitert)) {
    case FensterTaste::Geometrie1024:
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        move(0, 0);
        resize(1024, 768);
        return false;
    case FensterTaste::ScrollLinks:
        lernNavigation->BildScrollen(-1, 0);
        return true;
    case FensterTaste::ScrollRechts:
        lernNavigation->BildScrollen(1, 0);
        return true;
    case FensterTaste::ScrollHoch:
        lernNavigation->BildScrollen(0, -1);
        return true;
    case FensterTaste::ScrollRunter:
        lernNavigation->BildScrollen(0, 1);
        return true;
    case FensterTaste::ZoomRein:
        lernNavigation->BildZoomen(1);
        return true;
    case FensterTaste::ZoomRaus:
        lernNavigation->BildZoomen(-1);
        return true;
    case FensterTaste::Keine:
        break;
    }
    return false;
}

bool TForm1::eventFilter(QObject *obj, QEvent *e)
{
    // On a small screen the window fits again with the frame counted, so its
    // title bar does not end up above the screen.
    if (obj == windowHandle() && e->type() == QEvent::Expose && freierBildschirm.isValid()
        && Rahmenbreiten() != gezaehlterRahmen)
        BildschirmAnpassen(freierBildschirm);
    // A key or click that comes before the waiting topic list finds it built.
    if (listeAufgeschoben
        && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress
            || e->type() == QEvent::MouseButtonPress))
        AufgeschobeneListeBauen();
    if (obj == this && e->type() == QEvent::Paint && !angestrichen) {
        angestrichen = true;
        // Twice queued: after this paint and whatever it queued itself has
        // reached the screen.
        if (bildAufgeschoben || listeAufgeschoben)
            QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { NachErstemAnstrich(); }); });
    }
    // Only the panel's own hiding, not the window's closing.
    if (obj == StartInfoPan && e->type() == QEvent::Hide && StartInfoPan->isHidden())
        AufgeschobenesBildAufbauen();
    // Like a form that previews its keys: every key pressed anywhere in
    // this window reaches FormKeyDown first.
    if (e->type() == QEvent::KeyPress && obj->isWidgetType() && static_cast<QWidget *>(obj)->window() == this) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (FormKeyDown(k->key(), int(k->modifiers())))
            return true;
    }
    return QMainWindow::eventFilter(obj, e);
}

// ---------------------------------------------------------------- closing

bool TForm1::FormCloseQuery()
{
    if (schliesst)
        return true;
    if (!QuizWirklichAbbrechen())
        return false;
    emit NetzTeilnahmeAbbrechen();
    if (!navigation->SpeicherAbfrage())
        return false;
    schliesst = true;
    BasisBild = QImage();
    // The network exercise removes the files of an exercise this program
    // initiated; any other program's (the class's) stay.
    emit BeimSchliessenFreigeben();
    SchreibeEinstellungen();
    return true;
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (FormCloseQuery())
        e->accept();
    else
        e->ignore();
}

// ---------------------------------------------------------------- commands

void TForm1::UebungStart1Click()
{
    quiz->UebungStarten(
        {.optionenZeigen = quiz->OptionenVorJederUebung(), .umfang = UmfangArt::Komplett, .rolle = Rolle::Einzeln});
}

void TForm1::Lernkarte1Click()
{
    quiz->UebungVerlassen();
}

void TForm1::Inhalt1Click()
{
    OeffneExtern(*dienste.oeffner, *dienste.meldungen, "file://" + Ordner().HilfeOrdner + "index.html");
}

void TForm1::Homepage1Click()
{
    OeffneExtern(*dienste.oeffner, *dienste.meldungen, HomepageAdresse);
}

void TForm1::MenueThemaClick(int i)
{
    navigation->WaehleThema(i);
    // With the extended functions the topic opens in the learning view;
    // "Quiz starten" starts it.
    if (!ErweiterteFunktionen())
        UebungStart1Click();
}

// ---------------------------------------------------------------- document environment

void TForm1::WarteCursor(bool an)
{
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TForm1::DokTypMenuSetzen(int eintrag)
{
    if (eintrag >= 0 && eintrag < 3)
        Menue.DokTyp[eintrag]->setChecked(true);
}

void TForm1::ZoomUndNummerierungZuruecksetzen()
{
    lernBild->NummerierungAnwenden();
    emit DokumentGewechselt();
}

void TForm1::StartseitenLayout()
{
    ZeigeStartseite();
}

void TForm1::ZiehMarkenZuruecksetzen()
{
    lernBild->ZiehMarkenLoeschen();
}

void TForm1::DokumentSchliessen()
{
    navigation->BaueThemenliste();
    StartseiteNachSchliessen();
}

// ---------------------------------------------------------------- navigation environment

bool TForm1::Speichern()
{
    return SpeichernBefehl ? SpeichernBefehl() : true;
}

void TForm1::ThemenMenueSetzen(const QList<ThemenEintrag> &liste, int spaltenUmbruch, int haken)
{
    QMenu *auswahl = Menue.Auswahl1;
    // Only the item that starts the second column carries the mark (read by
    // SpaltenMenue); a mark on every item would give each one a property
    // store of its own.
    if (themenUmbruch >= 0 && themenUmbruch != spaltenUmbruch && themenUmbruch < themenAktionen.size())
        themenAktionen[themenUmbruch]->setProperty("neueSpalte", false);
    themenUmbruch = -1;
    // The items are reused in place, and only a surplus is taken out (from
    // the end): taking an item out of a menu, like adding one, searches the
    // menu's whole list, so building every item anew would cost time
    // squared in large folders. The item that was just clicked may be among
    // the surplus (a failed load rebuilds the list), so those go once
    // control has left them.
    while (themenAktionen.size() > liste.size()) {
        QAction *a = themenAktionen.takeLast();
        auswahl->removeAction(a);
        a->setObjectName(QString());
        a->deleteLater();
    }
    const bool an = Zustand.AnsichtModus == AnsichtArt::Startseite;
    QList<QAction *> neu;
    for (int i = 0; i < liste.size(); ++i) {
        QAction *a = i < themenAktionen.size() ? themenAktionen[i] : nullptr;
        if (!a) {
            a = new QAction(this);
            a->setObjectName("MenueThemaItem" + QString::number(i));
            a->setData(i);
            a->setCheckable(true);
            // The checkmark is only set by ThemaAnhaken: the click's own
            // toggling is undone, whatever the load then does.
            connect(a, &QAction::triggered, this, [this, a, i](bool gehakt) {
                a->setChecked(!gehakt);
                MenueThemaClick(i);
            });
            neu << a;
            themenAktionen << a;
        }
        a->setText(ThemenMenueText(i, liste[i]));
        a->setChecked(i == haken);
        a->setEnabled(an);
        if (i == spaltenUmbruch) {
            a->setProperty("neueSpalte", true);
            themenUmbruch = i;
        }
    }
    // Qt looks for the place to insert by searching the menu's list from
    // its start for the item to insert before. Inserting the new items back
    // to front, each before its successor, lets that search stop after the
    // fixed items instead of running over every topic added so far.
    QAction *vor = nullptr;
    for (qsizetype k = neu.size() - 1; k >= 0; --k) {
        auswahl->insertAction(vor, neu[k]);
        vor = neu[k];
    }
}

void TForm1::ThemaAnhaken(int i)
{
    // One checkmark at most, kept here rather than by an action group
    // (whose look-ups grow with the list); -1 (no topic of the list
    // loaded) leaves every item unchecked.
    for (int k = 0; k < themenAktionen.size(); ++k)
        themenAktionen[k]->setChecked(k == i);
}

void TForm1::TitelSetzen(const QString &fensterTitel, const QString &titelLabel)
{
    setWindowTitle(fensterTitel);
    DokTitelLab->setCaption(titelLabel);
}

const QImage &TForm1::Startbasisbild()
{
    static const QImage bild = [] {
        QImage b(870, 600, QImage::Format_RGB32);
        b.fill(Qt::white);
        b.setDotsPerMeterX(3780);
        b.setDotsPerMeterY(3780);
        return b;
    }();
    return bild;
}

void TForm1::StartseiteNachSchliessen()
{
    BasisBild = Startbasisbild();
    emit DokumentGewechselt();
    lernBild->BildNeuAufbauen();
    StartInfoPanAnordnen();
    StartInfoPan->show();
    StartInfoPan->raise();
    LernKartBtnBeschriften();
    emit BefehlsZustandGeaendert();
}

bool TForm1::DateiWaehlen(const QString &ordner, const QString &dateiName, QString &gewaehlt)
{
    QFileDialog dlg(this, "Dokument öffnen", ordner, "Tavolin - Dokument (*.tvl);;Alle Dateien (*)");
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setDefaultSuffix("tvl");
    if (!dateiName.isEmpty())
        dlg.selectFile(dateiName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    gewaehlt = dlg.selectedFiles().first();
    return true;
}

bool TForm1::OrdnerWaehlen(const QString &ordner, QString &gewaehlt)
{
    const QString o = QFileDialog::getExistingDirectory(this, "Aktuellen Ordner wählen", ordner);
    if (o.isEmpty())
        return false;
    gewaehlt = o;
    return true;
}

void TForm1::LernbildSetzen(QWidget *bild)
{
    if (!bild)
        return;
    bild->setParent(LernKartPan);
    bild->setGeometry(LernKartPicImg->geometry());
    bild->setObjectName("LernKartPicImg");
    delete LernKartPicImg;
    LernKartPicImg = bild;
    LernKartPicImg->show();
    LernKartPicImg->lower();
    MainBackImg2->lower();
    StartInfoPan->raise();
}

// ---------------------------------------------------------------- connections

void TForm1::QuizAnschliessen(IQuizBefehle &q)
{
    // The quiz's dialogs hold the option values from now on; what the window
    // held so far (settings read before) moves over.
    q.OptWerteSetzen(quiz->OptWerteHolen());
    quiz = &q;
}

void TForm1::LernBildAnschliessen(ILernBildBefehle &b)
{
    lernBild = &b;
}

void TForm1::LernNavigationAnschliessen(ILernNavigation &n)
{
    lernNavigation = &n;
}

// ---------------------------------------------------------------- quiz window

void TForm1::QuizModusSetzen()
{
    Zustand.AnsichtModus = AnsichtArt::Quiz;
    AktualisiereKnoepfe();
    emit QuizGestartet();
}

void TForm1::StartseiteZeigen()
{
    LernKartPicImg->show();
    ZeigeStartseite();
    // The quiz's panels are gone: the keys go on at "Quiz starten" rather
    // than at a hidden widget.
    QWidget *fokus = QApplication::focusWidget();
    if (!fokus || !fokus->isVisible() || fokus->window() != this)
        UebungenBtn->setFocus(Qt::OtherFocusReason);
}

void TForm1::UebungenBtnLoesen()
{
    UebungenBtn->setChecked(false);
    UebungenBtn->update();
}

void TForm1::UebungPanPlatzieren()
{
    LernKartPicImg->hide();
    UebungPan->setGeometry(9, 8, LernKartPan->width() - 17, LernKartPan->height() - 16);
}

void TForm1::BildGroesseSetzen(QSize groesse)
{
    LernKartPicImg->resize(groesse);
}

void TForm1::NummerierungErneuern()
{
    lernBild->NummerierungAnwenden();
}

bool TForm1::TonausgabeAn() const
{
    return Menue.Sound1->isChecked();
}

bool TForm1::NameEingabeAn() const
{
    return Menue.OptNameEingabe1->isChecked();
}

bool TForm1::AutoProtSpeichernAn() const
{
    return Menue.AutoProtSpeichern1->isChecked();
}

bool TForm1::ErgebBestListEintragenAn() const
{
    return Menue.ErgebBestListEintragen1->isChecked();
}

QString TForm1::ProtOrdner() const
{
    return Ordner().ProtOrdner;
}
