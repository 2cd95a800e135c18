#pragma once
#include "Dienste.h"
#include "Dokument.h"
#include "DokumentUmgebung.h"
#include "Einstellungen.h"
#include "NavigationsFenster.h"
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
class LernLeiste;
class THoverPanel;
class TShadowLabel;

// The program's main window. It owns the widgets and the current document
// and wires the subsystems together; the logic lives in plain classes
// (ThemenNavigation, the settings, the document operations). Read it as the
// table of contents of the program.
class TForm1 : public QMainWindow, public IDokumentUmgebung, public INavigationsFenster
{
    Q_OBJECT
public:
    // dienste: message boxes, clock, random numbers, sound, opener.
    // speicher: the per-user settings store (the window takes ownership).
    TForm1(Dienste dienste, QSettings *speicher, const QStringList &argumente, QWidget *parent = nullptr);
    ~TForm1() override;

    // ---- Connection points of the quiz engine (the exercise side sets them) ----
    // "Quiz &starten", the toolbar button and choosing a topic call this
    // with (the options dialog's "show before every exercise" box, 0, 0).
    std::function<bool(bool zeigeOptionen, int umfang, int rolle)> UebungStarten;
    // State of the box " Dieses Dialogfenster vor jeder Übung anzeigen ".
    std::function<bool()> OptionenVorJederUebung;
    // "Quiz &abbrechen" and LernKartBtn; default: back to the start page.
    std::function<void()> UebungVerlassen;
    // Whether the running quiz has already ended (asked in mode 3 only).
    std::function<bool()> QuizBeendet;
    // Whether the running quiz is a network-exercise quiz.
    std::function<bool()> IstNetzwerkQuiz;
    // Mode 3 resizing: the quiz panel lays out its content (Part of the quiz
    // panel) after it was placed.
    std::function<void()> UebungPanAnordnen;
    // Closing: a network quiz run as participant is ended as aborted and
    // reported (step 2); the picture bitmaps and the channel components
    // are released (step 4).
    std::function<void()> NetzTeilnahmeAbbrechen;
    std::function<void()> BeimSchliessenFreigeben;
    // Live holders of the option dialogs' values; default: a member here.
    std::function<UebOptWerte()> UebOptHolen;
    std::function<void(const UebOptWerte &)> UebOptSetzen;

    // ---- Connection points of the learning view (the view side sets them) ----
    // Replaces the placeholder of the learning picture LernKartPicImg.
    void LernbildSetzen(QWidget *bild);
    std::function<void()> BildNeuAufbauen;             // compose the picture anew
    std::function<void(int dx, int dy)> BildScrollen;  // Ctrl+arrow keys
    std::function<void(int richtung)> BildZoomen;      // Ctrl+Num +/-: +1 in, -1 out
    std::function<void()> NummerierungAnwenden;         // zoom 100 %, numbering mode applied
    std::function<void()> ZiehMarkenLoeschen;           // both drag markers back to -1

    // ---- State ----
    int AnsichtModus = 2;
    DokumentZustand Zustand;
    Dienste dienste;
    double ZoomFaktor = 1.0;
    int NummerierModus = 1;
    QString Waehrung = "EUR";
    QImage Startbasisbild;
    QImage BasisBild;
    bool ErsteAktivierungOffen() const { return ersteAktivierung; }

    ThemenNavigation &Navigation() { return *navigation; }
    QAction *Aktion(const QString &name) const { return aktionen.value(name); }
    QMenu *Menue(const QString &name) const { return menues.value(name); }
    // Parts that bring their own items (the learning view) add them to a
    // menu by name, with the same rules for hidden items; and give their
    // toolbar buttons the common button style.
    QAction *EintragHinzufuegen(const QString &menue, const QString &name, const QString &caption,
                                const QKeySequence &taste = {});
    QMenu *UntermenueHinzufuegen(const QString &ueber, const QString &name, const QString &caption);
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
    // The learning view's side: while the switch is on, the tool bar shows
    // in mode 2 unless folded, and a loaded document shows its picture
    // instead of the start panel.
    int LeisteOffen = 0; // fold state of the tool bar, 0 folded (at start)
    bool LernInfoPanSichtbar() const { return erweitert && LeisteOffen && AnsichtModus == 2; }
    bool DokumentGeladen() const;

    // ---- Operations ----
    void ErsteAktivierung();
    void AktualisiereKnoepfe();
    void ZeigeStartseite();
    bool QuizWirklichAbbrechen() override;
    // The resize pass of the current mode (also after switching modes).
    void FormResize();
    // The closing sequence; false keeps the window open.
    bool FormCloseQuery();
    // Applies the main window's own keys; true when consumed.
    bool FormKeyDown(int key, int modifiers);

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
    void Speichern() override;
    void ThemenMenueSetzen(const QList<ThemenEintrag> &liste, int spaltenUmbruch, int haken) override;
    void ThemaAnhaken(int i) override;
    void TitelSetzen(const QString &fensterTitel, const QString &titelLabel) override;
    void StartseiteNachSchliessen() override;
    bool DateiWaehlen(const QString &ordner, const QString &dateiName, QString &gewaehlt) override;
    bool OrdnerWaehlen(const QString &ordner, QString &gewaehlt) override;
    int Modus() const override { return AnsichtModus; }

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
    QWidget *StartImgKlickZone = nullptr;
    QWidget *FlaInfoPan = nullptr;
    TShadowLabel *InternetHinweisLab = nullptr;
    TShadowLabel *InternetUrlLab = nullptr;
    QWidget *UebungPan = nullptr;
    QLineEdit *TexteingabeEdit = nullptr;
    THoverPanel *KlappPan = nullptr;
    QWidget *LernInfoPan = nullptr;
    QAction *Werkzeugleisteklappen1 = nullptr; // "Werkzeugleiste zu&klappen", Alt+W
    QAction *Drucken1 = nullptr;               // the view's output commands of the file menu
    QAction *Druckereinrichtung1 = nullptr;
    QAction *Exportieren1 = nullptr;
    QAction *IndieZwischenablageBMP = nullptr;
    QAction *Arbeitsblatterstellen1 = nullptr; // "&Arbeitsblatt erstellen...", Ctrl+A
    // Adds controls to LernInfoPan in rows (parts with tool-bar buttons).
    LernLeiste *Werkzeugleiste = nullptr;
    THoverPanel *EbenenPan = nullptr;
    QWidget *UebInfoPan = nullptr;
    QLabel *StatBackImg3 = nullptr;
    THoverPanel *KennzInfoPan = nullptr;
    QHash<QString, TShadowLabel *> StatistikLabels;
    // Menu items that other parts connect to.
    QAction *PerEMailversenden1 = nullptr;
    QAction *Info1 = nullptr;

signals:
    void ErweiterteFunktionenGeaendert(bool an);

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
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
    void StartInfoPanAnordnen();
    void StartseitenBildAufbauen();
    void AufgeschobenesBildAufbauen();
    void QuizStartImgAnordnen();
    void AnzeigeModusWechseln(const std::function<void()> &wechsel);

    std::unique_ptr<QSettings> speicher;
    QStringList argumente;
    std::unique_ptr<ThemenNavigation> navigation;
    UebOptWerte uebOpt;
    bool ersteAktivierung = true;
    // The start page's picture waits for the first paint (see
    // StartseitenBildAufbauen).
    bool bildAufgeschoben = false;
    bool angestrichen = false;
    bool schliesst = false;
    bool groesseAnpassen = true;
    QHash<QString, QAction *> aktionen;
    QHash<QString, QMenu *> menues;
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
    QList<QAction *> erweiterteEintraege;
    QList<QWidget *> erweiterteKnoepfe;
    QList<QMenu *> versteckteMenues;
    bool erweitert = false;
    QActionGroup *dokTypGruppe = nullptr;
    QList<QAction *> themenAktionen;
    QImage startBild;
};
