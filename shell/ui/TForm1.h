// TForm1: the program's main window and the table of contents of the program.
#pragma once
#include "Dienste.h"
#include "Dokument.h"
#include "DokumentUmgebung.h"
#include "Einstellungen.h"
#include "HauptMenue.h"
#include "LernBildBefehle.h"
#include "NavigationsFenster.h"
#include "OhneQuiz.h"
#include "QuizBefehle.h"
#include "QuizFenster.h"
#include "ThemenNavigation.h"
#include "UebOptWerte.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QSettings;
class KlickZone;
class LernLeiste;
class THoverPanel;
class TShadowLabel;

// The program's main window. It owns the widgets and the current document
// and wires the subsystems together; the logic lives in plain classes
// (ThemenNavigation, the settings, the document operations). Read it as the
// table of contents of the program.
class TForm1 : public QMainWindow, public IDokumentUmgebung, public INavigationsFenster, public IQuizFenster
{
    Q_OBJECT
public:
    // dienste: message boxes, clock, random numbers, sound, opener.
    // speicher: the per-user settings store (the window takes ownership).
    TForm1(Dienste dienste, QSettings *speicher, const QStringList &argumente, QWidget *parent = nullptr);
    ~TForm1() override;

    // ---- Connections (made once at start; see QuizAnschliessen) ----
    // The quiz and the learning view's picture. Until they are connected
    // (a window on its own, as in tests) the window stands alone: no run
    // ever starts and the window keeps the option values itself.
    void QuizAnschliessen(IQuizBefehle &quiz);
    void LernBildAnschliessen(ILernBildBefehle &bild);
    void LernNavigationAnschliessen(ILernNavigation &navigation);
    bool Angeschlossen() const
    {
        return quiz != &ohneQuiz && lernBild != &ohneLernBild && lernNavigation != &ohneLernBild;
    }
    // Replaces the placeholder of the learning picture LernKartPicImg.
    void LernbildSetzen(QWidget *bild);

    // ---- State ----
    DokumentZustand Zustand;
    Dienste dienste;
    // The built-in white start base picture (870 x 600), made on first use.
    static const QImage &Startbasisbild();
    QImage BasisBild;
    bool ErsteAktivierungOffen() const { return ersteAktivierung; }

    ThemenNavigation &Navigation() { return *navigation; }
    HauptMenue Menue;
    // Parts that bring their own items (the learning view) add them to a
    // menu, with the same rules for hidden items; and give their toolbar
    // buttons the common button style.
    QAction *EintragHinzufuegen(QMenu *menue, const QString &name, const QString &caption,
                                const QKeySequence &taste = {});
    QMenu *UntermenueHinzufuegen(QMenu *ueber, const QString &name, const QString &caption);
    void KnopfStilGeben(THoverPanel *p) { KnopfStil(p); }

    // ---- "Erweiterte Funktionen anzeigen" ----
    // This edition hides many commands; the switch shows the registered
    // ones. Off, the window is exactly as the hidden edition.
    bool ErweiterteFunktionen() const { return erweitert; }
    void ErweiterteFunktionenSetzen(bool an);
    // A hidden item (created hidden, its shortcut working) that has an
    // effect: shown in its menu while the switch is on.
    void ErweitertAnzeigen(QAction *eintrag);
    // A control (e.g. a tool-bar button) shown only while the switch is on.
    void ErweitertAnzeigen(QWidget *knopf);
    // An item's own enabled state; a hidden item's shortcut works only while
    // it and every menu above it are enabled.
    void EintragAktivSetzen(QAction *eintrag, bool an);
    // The learning view's side: while the switch is on, the tool bar shows
    // in mode 2 unless folded, and a loaded document shows its picture
    // instead of the start panel.
    int LeisteOffen = 0; // fold state of the tool bar, 0 folded (at start)
    bool LernInfoPanSichtbar() const
    {
        return erweitert && LeisteOffen && Zustand.AnsichtModus == AnsichtArt::Startseite;
    }
    bool DokumentGeladen() const;
    // The folder the view was last saved to as a picture (settings).
    QString ExportOrdner;

    // ---- Operations ----
    void ErsteAktivierung();
    void AktualisiereKnoepfe() override;
    void ZeigeStartseite();
    bool QuizWirklichAbbrechen() override;
    // The resize pass of the current mode (also after switching modes).
    void FormResize();
    // The closing sequence; false keeps the window open.
    bool FormCloseQuery();
    // Applies the main window's own keys; true when consumed.
    bool FormKeyDown(int key, int modifiers);

    // The worksheet window's "Wortliste nur mit den Antworten dieses
    // Blatts" between its showings (the window is made on first use).
    bool ArbeitsblattWortlisteBlatt = true;
    // Settings between their live holders and the store.
    Einstellungen EinstellungenHolen() const;
    void EinstellungenSetzen(const Einstellungen &e);
    void LeseEinstellungen();
    void SchreibeEinstellungen();

    // Menu commands.
    void UebungStart1Click();
    void Lernkarte1Click();
    void Vollbild1Click();
    void Fenster1Click();
    // On a screen whose free area (logical pixels) is smaller than the
    // fixed 900 x 650 window, the window and its minimum size shrink to it
    // and the scene follows; on larger screens nothing changes.
    void BildschirmAnpassen(const QRect &frei);
    void Minimieren1Click();
    void Inhalt1Click();
    void Homepage1Click();
    void MenueThemaClick(int i);

    // IDokumentUmgebung
    void WarteCursor(bool an) override;
    void DokTypMenuSetzen(int eintrag) override;
    void ZoomUndNummerierungZuruecksetzen() override;
    void StartseitenLayout() override;
    void ZiehMarkenZuruecksetzen() override;
    void DokumentSchliessen() override;

    // INavigationsFenster
    bool Speichern() override;
    // What "&Speichern" does, set by the author functions; without it there
    // is nothing that could have changed a document.
    std::function<bool()> SpeichernBefehl;
    void ThemenMenueSetzen(const QList<ThemenEintrag> &liste, int spaltenUmbruch, int haken) override;
    void ThemaAnhaken(int i) override;
    void TitelSetzen(const QString &fensterTitel, const QString &titelLabel) override;
    void StartseiteNachSchliessen() override;
    bool DateiWaehlen(const QString &ordner, const QString &dateiName, QString &gewaehlt) override;
    bool OrdnerWaehlen(const QString &ordner, QString &gewaehlt) override;
    AnsichtArt Modus() const override { return Zustand.AnsichtModus; }

    // IQuizFenster (Modus above serves both)
    void QuizModusSetzen() override;
    void StartseiteZeigen() override;
    void UebungenBtnLoesen() override;
    void UebungPanPlatzieren() override;
    void BildGroesseSetzen(QSize groesse) override;
    void NummerierungErneuern() override;
    bool TonausgabeAn() const override;
    bool NameEingabeAn() const override;
    bool AutoProtSpeichernAn() const override;
    bool ErgebBestListEintragenAn() const override;
    QString ProtOrdner() const override;

signals:
    // The closing sequence: a network quiz run as participant is ended as
    // aborted and reported (step 2); the picture bitmaps and the channel
    // components are released (step 4).
    void NetzTeilnahmeAbbrechen();
    void BeimSchliessenFreigeben();

public:
    // Widgets (names as the program's parts refer to them).
    QWidget *LernPan = nullptr;
    QWidget *InfoPan = nullptr;
    QLabel *StatBackImg2 = nullptr;
    THoverPanel *UebungenBtn = nullptr;
    THoverPanel *LernKartBtn = nullptr;
    THoverPanel *BestenlisteBtn = nullptr;
    QWidget *TitelPan = nullptr;
    QLabel *TitelBackImg = nullptr;
    TShadowLabel *DokTitelLab = nullptr;
    THoverPanel *PrevDokPan = nullptr;
    THoverPanel *HoverPanel1 = nullptr;
    TShadowLabel *ErfolgLab = nullptr;
    QWidget *UebStatusPan = nullptr;
    QWidget *LernKartPan = nullptr;
    QLabel *MainBackImg2 = nullptr;
    QWidget *LernKartPicImg = nullptr;
    THoverPanel *StartInfoPan = nullptr;
    QLabel *QuizStartImg = nullptr;
    KlickZone *StartImgKlickZone = nullptr;
    QRect kleinerBildschirm; // the free area when it is smaller than the window
    QRect freierBildschirm;  // that free area with the frame still in it
    QMargins gezaehlterRahmen;
    QWidget *FlaInfoPan = nullptr;
    TShadowLabel *InternetHinweisLab = nullptr;
    TShadowLabel *InternetUrlLab = nullptr;
    QWidget *UebungPan = nullptr;
    THoverPanel *KlappPan = nullptr;
    QWidget *LernInfoPan = nullptr;
    // Adds controls to LernInfoPan in rows (parts with tool-bar buttons).
    LernLeiste *Werkzeugleiste = nullptr;
    THoverPanel *EbenenPan = nullptr;
    QWidget *UebInfoPan = nullptr;
    QLabel *StatBackImg3 = nullptr;
    THoverPanel *KennzInfoPan = nullptr;
    QHash<QString, TShadowLabel *> StatistikLabels;
    // "Falsch beantwortete Fragen werden später wiederholt.": only when they are.
    TShadowLabel *WiederholungsHinweisLab = nullptr;

signals:
    void ErweiterteFunktionenGeaendert(bool an);
    // The mode or the shown document changed: commands that depend on them
    // (zoom in a quiz, output without a document) update their states.
    void BefehlsZustandGeaendert();
    // A quiz has taken over the window (AnsichtModus 3).
    void QuizGestartet();
    // Another document was read, or the document was closed.
    void DokumentGewechselt();

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    QMargins Rahmenbreiten() const; // the window manager's frame around the window
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void BaueRegionen();
    void RegionenAnordnen();
    void BaueInfoPan();
    void BaueLernKartPan();
    void BaueUebInfoPan();
    void BaueMenue();
    QAction *Eintrag(QMenu *menue, const QString &name, const QString &caption, const QKeySequence &taste = {},
                     bool sichtbar = true);
    QMenu *Untermenue(QMenu *ueber, const QString &name, const QString &caption, bool sichtbar = true);
    void VersteckteKuerzelAktualisieren();
    QAction *ZwillingAnlegen(QMenu *menue, QAction *aktion);
    void ErweitertAnwenden();
    void KnopfStil(THoverPanel *p);
    void TitelHintergrundMalen();
    void LernKartBtnBeschriften();
    void StartInfoPanAnordnen();
    void StartseitenBildAufbauen();
    void AufgeschobenesBildAufbauen();
    void NachErstemAnstrich();
    void AufgeschobeneListeBauen();
    void QuizStartImgAnordnen();
    template <typename Wechsel>
    void AnzeigeModusWechseln(Wechsel &&wechsel);

    std::unique_ptr<QSettings> speicher;
    QStringList argumente;
    std::unique_ptr<ThemenNavigation> navigation;
    bool ersteAktivierung = true;
    // The start page's picture waits for the first paint (see
    // StartseitenBildAufbauen).
    bool bildAufgeschoben = false;
    bool angestrichen = false;
    // The first activation after showing the window: without a document the
    // topic list (not seen before the menu opens) follows the first paint.
    bool listeNachAnstrich = false;
    bool listeAufgeschoben = false;
    bool schliesst = false;
    bool groesseAnpassen = true;
    OhneQuiz ohneQuiz{*this};
    OhneLernBild ohneLernBild;
    IQuizBefehle *quiz = &ohneQuiz;
    ILernBildBefehle *lernBild = &ohneLernBild;
    ILernNavigation *lernNavigation = &ohneLernBild;
    // Hidden items: their shortcut works while they and every menu above
    // them are enabled.
    struct Versteckt
    {
        QAction *aktion;
        QList<QObject *> kette; // the item's menus, innermost first
    };
    QList<Versteckt> versteckte;
    // A hidden item's stand-in at its place in its menu: invisible unless
    // the switch shows it; it mirrors the item and triggers it.
    QHash<QAction *, QAction *> zwillinge;
    QHash<QActionGroup *, QActionGroup *> zwillingsGruppen;
    QList<QAction *> erweiterteEintraege;
    QList<QWidget *> erweiterteKnoepfe;
    QList<QMenu *> versteckteMenues;
    bool erweitert = false;
    QActionGroup *dokTypGruppe = nullptr;
    QList<QAction *> themenAktionen;
    int themenUmbruch = -1; // the topic item that carries the column mark
    QImage startBild;
    QImage startBild2x; // read when first needed on a scaled screen
    bool startBild2xGelesen = false;
};
