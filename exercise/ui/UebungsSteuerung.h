// UebungsSteuerung: the quiz as the main window shows it.
#pragma once
#include "ErgebnisAnzeige.h"
#include "QuizBefehle.h"
#include "QuizFenster.h"
#include "UebSchnittstellen.h"
#include "Uebung.h"

#include <QHash>
#include <QImage>
#include <QObject>

#include <map>
#include <optional>

class AntwortPanel;
class QuizBild;
class QLabel;
class QTimer;
class Szene;
class THoverPanel;
class TShadowLabel;
class TUebOptForm;
class TUebOptFragenForm;
class TUebProtokollForm;
class ZielAuswahl;

// The quiz as the main window shows it: the engine, its option dialogs, the
// answer panels on UebungPan, the status panel, the clock timer, and the
// scene of the learning view as the engine's picture. The main window hands
// in its widgets and the few operations only it can do (IQuizFenster) and
// reaches the quiz through IQuizBefehle.
class UebungsSteuerung : public QObject, public IUebOberflaeche, public IUebAnsicht, public IQuizBefehle
{
    Q_OBJECT
public:
    // The main window's widgets the quiz works on.
    struct Flaechen
    {
        QWidget *UebungPan = nullptr;
        QHash<QString, TShadowLabel *> StatistikLabels; // NameLab, RichtigLab, ... StatusLab
    };

    UebungsSteuerung(DokumentZustand &dok, Dienste &dienste, Szene &szene, IQuizFenster &fenster, Flaechen flaechen,
                     QWidget *eltern);
    ~UebungsSteuerung() override;

    Uebung Engine;
    // The two option dialogs, made together on first use; until then the
    // option values wait here and go into them when they are made.
    TUebOptForm &UebOptForm() const;
    TUebOptFragenForm &UebOptFragenForm() const;
    bool OptionsFensterErzeugt() const { return uebOptForm; }
    // The protocol window, made when first used.
    TUebProtokollForm &UebProtokollForm();
    bool ProtokollFormErzeugt() const { return uebProtokollForm; }
    QTimer *ZeitTimer = nullptr;
    QWidget *UebMoveAnker = nullptr;
    THoverPanel *UebFrageZaehlerPan = nullptr;

    // Completion and name dialog (the results side); until it is connected
    // the end shows the figures in a plain message and returns to the start
    // page.
    void ErgebnisAnschliessen(IErgebnisAnzeige &ergebnis) { this->ergebnis = &ergebnis; }
    IQuizFenster &Fenster() { return fenster; }

signals:
    // Every announcement, after the status line's accessible name took it
    // (the accessibility events themselves reach only an active bridge).
    void angesagt(const QString &text);

public:
    // IQuizBefehle: the main window's commands.
    bool UebungStarten(const StartAuftrag &auftrag) override;
    void UebungVerlassen() override;
    bool OptionenVorJederUebung() const override;
    bool QuizBeendet() const override;
    bool IstNetzwerkQuiz() const override;
    bool FalscheWerdenWiederholt() const override;
    void UebungPanAnordnen() override;
    UebOptWerte OptWerteHolen() const override;
    void OptWerteSetzen(const UebOptWerte &w) override;

    // Menu commands.
    void UebOpt1Click();                    // "Übungs&optionen..."
    void ProtokollderletztenUebung1Click(); // "&Protokoll..."
    void ProtokollDarstellen();             // the run's protocol into the window
    bool ProtokollAutoSpeichern();

    // IUebOberflaeche
    UebOptWerte OptionWerte() override { return OptWerteHolen(); }
    bool NamenErfragen(QString &name) override;
    bool OptionenDialogZeigen() override;
    AnsichtArt AnsichtModus() override;
    void QuizModusSetzen() override;
    void StartseiteZeigen() override;
    void KnoepfeAktualisieren() override;
    void UebungenBtnLoesen() override;
    QSize UebungPanPlatzieren() override;
    QSize UebungPanGroesse() override;
    void BildBreiteSetzen(int breite) override;
    void UebungPanZeigen() override;
    void UebungGestartet() override;
    void AnweisungZeichnen(const QString &text, int bildBreite, bool neuZeichnen) override;
    void ZeitTimerSetzen(bool an) override;
    void NachrichtenVerarbeiten() override;
    void StatusSetzen(const UebStatus &status) override;
    void FrageZaehlerSetzen(const QString &caption, QPoint pos, bool sichtbar) override;
    void FeldAnlegen(const Antwortfeld &feld, bool hand) override;
    void FeldAktualisieren(const Antwortfeld &feld, bool sofortZeichnen) override;
    void FeldNachVorn(int index) override;
    void FeldEntfernen(int index) override;
    void UebMoveAnkerSetzen(const QRect &rahmen, bool sichtbar) override;
    void Ansagen(const QString &text, AnsageArt art) override;
    void ErgebnisAnzeigen() override;

    // IUebAnsicht
    void SzeneAufbauen() override;
    void ObjekteNeuZeichnen() override;
    void ObjektNeuZeichnen(int index) override;
    void NummerierungErneuern() override;
    void ZoomZuruecksetzen() override;
    void ZeigerWerkzeugWaehlen() override;
    void QuizZustandSetzen(int abfrageModus, const FragenListe &folge, int position) override;
    QPoint BildNachPanel(double fx, double fy) override;
    QPointF PanelNachBild(QPoint p) override;

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void Hintergrund(bool neuZeichnen);
    // The visible answer panels in reading order: tab order, and names with
    // their place ("Antwort 3 von 6: Frankreich") in single questions.
    QList<int> AntwortenOrdnen();
    QList<std::pair<int, QPoint>> SichtbareFelder() const;
    void FrageKarteBenennen();
    void Taste(int index, int key);
    void ZielWaehlen(int richtung);
    ZielAuswahl Ziele() const;
    int ObjektBei(QPoint panelPunkt) const; // the open target under a panel point, -1 none
    AntwortPanel *PanelMachen(int index);

    DokumentZustand &dok;
    Dienste &dienste;
    Szene &szene;
    IQuizFenster &fenster;
    Flaechen flaechen;
    IErgebnisAnzeige *ergebnis = nullptr;
    QWidget *elternFenster = nullptr; // of the dialogs made on first use
    mutable TUebOptForm *uebOptForm = nullptr;
    mutable TUebOptFragenForm *uebOptFragenForm = nullptr;
    mutable std::optional<UebOptWerte> wartendeWerte;
    TUebProtokollForm *uebProtokollForm = nullptr;
    std::map<int, AntwortPanel *> panels; // the panels shown so far, by index
    bool handZeiger = false;              // the panels' cursor: a hand for single questions
    QuizBild *hintergrund = nullptr;
    QString anweisung;
    int bildBreite = 0;
    int tastenZiel = -1;   // target chosen with the arrow keys
    bool imAufbau = false; // a start is under way: resizes wait for its end
};
