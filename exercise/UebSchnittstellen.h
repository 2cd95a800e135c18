// The interfaces the exercise engine talks through: view, surface and network.
#pragma once
#include "AnsichtArt.h"
#include "Antwortfeld.h"
#include "UebOptWerte.h"

#include "FragenFolge.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

// What the exercise engine needs from the learning view (the scene). The
// main window implements it with the view's operations; tests use a plain
// linear mapping.
class IUebAnsicht
{
public:
    virtual ~IUebAnsicht() = default;
    virtual void SzeneAufbauen() = 0;              // full rebuild
    virtual void ObjekteNeuZeichnen() = 0;         // all objects, after a question change
    virtual void ObjektNeuZeichnen(int index) = 0; // one object after its cover changed
    virtual void NummerierungErneuern() = 0;       // covers numbered with the current mode
    virtual void ZoomZuruecksetzen() = 0;          // zoom step 100 %
    virtual void ZeigerWerkzeugWaehlen() = 0;
    // What the scene needs to draw open targets in a run: the query mode, the
    // question order and its current entry.
    virtual void QuizZustandSetzen(int abfrageModus, const FragenListe &folge, int position) = 0;
    // Picture fraction <-> UebungPan pixel (the picture lies at the panel's
    // left side during a run).
    virtual QPoint BildNachPanel(double fx, double fy) = 0;
    virtual QPointF PanelNachBild(QPoint p) = 0;
};

// Text colours the status label can take.
enum class StatFarbe { Zeit, Richtig, Falsch };

// The texts of the status panel UebInfoPan.
struct UebStatus
{
    QString UebStatLab;
    StatFarbe UebStatFarbe = StatFarbe::Zeit;
    QString GesAnzLab;
    QString TNameLab;
    QString RichtigLab;
    QString FalschLab;
    QString QuoteLab;
    QString GesamtleistungLab;
    QString OffenLab;
    QString UebZeitModeLab;
    QString UebZeitLab;
};

// What the engine needs from the main window's widgets.
class IUebOberflaeche
{
public:
    virtual ~IUebOberflaeche() = default;

    // Option dialogs and menu options.
    virtual UebOptWerte OptionWerte() = 0;
    virtual bool NamenErfragen(QString &name) = 0; // name dialog; false = cancelled
    // The options window of the document's kind, modal; true for "Übung
    // starten", false for "Schließen".
    virtual bool OptionenDialogZeigen() = 0;

    // Modes and layout.
    virtual AnsichtArt AnsichtModus() = 0;
    virtual void QuizModusSetzen() = 0;  // quiz mode, command states
    virtual void StartseiteZeigen() = 0; // learning view / start page, mode 2
    virtual void KnoepfeAktualisieren() = 0;
    virtual void UebungenBtnLoesen() = 0;    // "Quiz starten" unchecked
    virtual QSize UebungPanPlatzieren() = 0; // hide picture, place UebungPan; its size
    virtual QSize UebungPanGroesse() = 0;
    virtual void BildBreiteSetzen(int breite) = 0; // width of LernKartPicImg in the run
    virtual void UebungPanZeigen() = 0;
    // The new run is set up and waits for the first answer: the widgets take
    // their final layout and the keys. Every successful start ends with it,
    // whoever started the run (menu, results window, network).
    virtual void UebungGestartet() = 0;
    virtual void AnweisungZeichnen(const QString &text, int bildBreite, bool neuZeichnen) = 0;
    virtual void ZeitTimerSetzen(bool an) = 0;
    virtual void NachrichtenVerarbeiten() = 0;

    // Status panel and question counter.
    virtual void StatusSetzen(const UebStatus &status) = 0;
    virtual void FrageZaehlerSetzen(const QString &caption, QPoint pos, bool sichtbar) = 0;

    // Answer panels.
    virtual void FeldAnlegen(const Antwortfeld &feld, bool hand) = 0;
    virtual void FeldAktualisieren(const Antwortfeld &feld, bool sofortZeichnen) = 0;
    virtual void FeldNachVorn(int index) = 0;
    virtual void FeldEntfernen(int index) = 0;
    virtual void UebMoveAnkerSetzen(const QRect &rahmen, bool sichtbar) = 0;

    // A short text for screen readers: the verdict, the next question, the
    // end. The question kind lets the surface move the keyboard focus to the
    // new question's answers.
    enum class AnsageArt { Urteil, Frage, Ende };
    virtual void Ansagen(const QString &text, AnsageArt art) = 0;

    // Completion after the run ended: results window, protocol, high scores.
    virtual void ErgebnisAnzeigen() = 0;
};

// Reports of a network exercise; may be absent.
class IUebNetz
{
public:
    virtual ~IUebNetz() = default;
    virtual void AktionMelden() = 0;                  // "TN-AKTION"
    virtual void EndeMelden(bool mitBestenliste) = 0; // "TN-FERTIG" (+ "TN-BESTLIST")
    virtual void NetzDokumentSchliessen() = 0;
    // A participant's repetition joins the exercise again; true when the run started.
    virtual bool NetzUebungBeitreten() = 0;
    virtual QString NetzTeilnehmername() = 0;
    virtual QString KomOrdner() = 0;
    virtual QString KomKanal() = 0;
};
