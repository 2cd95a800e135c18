#pragma once
#include "UebSchnittstellen.h"
#include "Uebung.h"

#include <QHash>
#include <QImage>
#include <QObject>

#include <functional>
#include <map>

class AntwortPanel;
class QLabel;
class QTimer;
class Szene;
class THoverPanel;
class TShadowLabel;
class TUebOptForm;
class TUebOptFragenForm;
class TUebProtokollForm;

// The quiz as the main window shows it: the engine, its option dialogs, the
// answer panels on UebungPan, the status panel, the clock timer, and the
// scene of the learning view as the engine's picture. The main window hands
// in its widgets and the few operations only it can do.
class UebungsSteuerung : public QObject, public IUebOberflaeche, public IUebAnsicht
{
    Q_OBJECT
public:
    // What the main window provides.
    struct Fenster
    {
        QWidget *UebungPan = nullptr;
        QHash<QString, TShadowLabel *> StatistikLabels; // NameLab, RichtigLab, ... StatusLab
        std::function<int()> AnsichtModus;
        std::function<void()> QuizModusSetzen;   // AnsichtModus 3 and the command states
        std::function<void()> StartseiteZeigen;  // learning view or start page
        std::function<void()> KnoepfeAktualisieren;
        std::function<void()> UebungenBtnLoesen;
        std::function<void()> UebungPanPlatzieren; // hide the picture, place UebungPan
        std::function<void(QSize)> BildGroesseSetzen; // size of LernKartPicImg during the run
        std::function<QString()> ProtOrdner;          // folder of the automatic protocols
        std::function<bool()> AutoProtSpeichern;
        std::function<void()> NummerierungErneuern;
        std::function<void()> ZeigerWerkzeugWaehlen;
        std::function<bool()> Tonausgabe;
        std::function<bool()> NameEingabe;
    };

    UebungsSteuerung(DokumentZustand &dok, Dienste &dienste, Szene &szene, Fenster fenster, QWidget *eltern);
    ~UebungsSteuerung() override;

    Uebung Engine;
    TUebOptForm *UebOptForm = nullptr;
    TUebOptFragenForm *UebOptFragenForm = nullptr;
    TUebProtokollForm *UebProtokollForm = nullptr;
    QTimer *ZeitTimer = nullptr;
    QWidget *UebMoveAnker = nullptr;
    THoverPanel *UebFrageZaehlerPan = nullptr;

    // Completion and name dialog (the results side); without them the end
    // shows the figures in a plain message and returns to the start page.
    std::function<void()> Ergebnis;
    std::function<bool(QString &)> NamenDialog;

    // Commands.
    bool UebungStarten(bool optionenZeigen, int umfang, int rolle);
    void UebungVerlassen();
    void UebOpt1Click(); // "Übungs&optionen..."
    bool OptionenVorJederUebung() const;
    void ProtokollderletztenUebung1Click(); // "&Protokoll..."
    void ProtokollDarstellen();              // the run's protocol into the window
    bool ProtokollAutoSpeichern();
    UebOptWerte OptWerteHolen() const;
    void OptWerteSetzen(const UebOptWerte &w);

    // IUebOberflaeche
    UebOptWerte OptionWerte() override { return OptWerteHolen(); }
    bool NamenErfragen(QString &name) override;
    int AnsichtModus() override;
    void QuizModusSetzen() override;
    void StartseiteZeigen() override;
    void KnoepfeAktualisieren() override;
    void UebungenBtnLoesen() override;
    QSize UebungPanPlatzieren() override;
    QSize UebungPanGroesse() override;
    void BildBreiteSetzen(int breite) override;
    void UebungPanZeigen() override;
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
    void Taste(int index, int key);
    void ZielWaehlen(int richtung);
    QList<int> OffeneZiele() const;
    int ObjektBei(QPoint panelPunkt) const;

    DokumentZustand &dok;
    Dienste &dienste;
    Szene &szene;
    Fenster fenster;
    std::map<int, AntwortPanel *> panels;
    QLabel *hintergrund = nullptr;
    QString anweisung;
    int bildBreite = 0;
    int tastenZiel = -1; // target chosen with the arrow keys
    bool imAufbau = false;
};
