// Uebung: the exercise engine, and the settings and machine facts it reads.
#pragma once
#include "Antwortfeld.h"
#include "ErgebnisDaten.h"
#include "StartAuftrag.h"
#include "UebBeobachter.h"
#include "UebLauf.h"
#include "UebSchnittstellen.h"

#include "Dienste.h"
#include "Dokument.h"

#include <QString>
#include <QStringList>

#include <map>

// Menu options and machine facts the run reads.
struct UebEinstellungen
{
    bool Tonausgabe = true;         // "&Tonausgabe"
    bool NameEingabe = false;       // "&Namenseingabe bei Quiz-Start"
    bool AutoProtSpeichern = false; // "&Protokolle automatisch speichern"
    QString Rechnername;
    QString Benutzername;
};

// The exercise engine: one quiz over the current document, from the start
// through presentation, judging and clock to the end. It owns the run state
// and the answer panels' state; everything visible goes through the two
// interfaces, every side effect through Dienste.
class Uebung
{
public:
    Uebung(DokumentZustand &dok, Dienste &dienste, IUebAnsicht &ansicht, IUebOberflaeche &ui);

    UebLauf Lauf;
    UebOptionen Opt;
    UmfangArt Umfang = UmfangArt::Komplett;
    UebEinstellungen Einst;
    IUebNetz *Netz = nullptr;
    IUebBeobachter *Beobachter = nullptr; // keeps a record of runs; may be absent

    // Run.
    bool UebungStarten(const StartAuftrag &auftrag);
    bool DarfVerlassen();
    void UebungVerlassen();
    void NaechsteFrage();
    void UebungBeenden();
    void UhrAktualisieren();
    void ZeitTimerTimer();
    void StatusAnzeigen();
    int ZaehleFragen(bool nurOffen) const;
    int ZaehleOffen() const;
    bool IstFrageObjekt(int index) const;
    bool Laeuft() const; // a run is in progress (mode 3, not ended)

    // Presentation.
    void AntwortfelderAnlegen();
    void AntwortfelderAnordnen();
    void AntwortfelderVerbergen();
    void AntwortfelderEntfernen();
    void AnweisungZeichnen(bool neuZeichnen);
    const std::map<int, Antwortfeld> &Felder() const { return felder; }
    int BildBreite() const { return bildBreite; }
    QString UhrLabText() const { return status.UebZeitLab; }
    const UebStatus &Status() const { return status; }
    // The question shown, as a screen reader reads the question card: its
    // text, and "Flagge, Frage 3 von 47" or "Frage 3 von 13".
    QString FrageKarteText() const { return frageKarteText; }
    QString FrageKarteBeschreibung() const { return frageKarteBeschreibung; }

    // Input on an answer panel (positions in UebungPan coordinates).
    void FeldGedrueckt(int index, QPoint p);
    void FeldBewegt(int index, QPoint p);
    void FeldLosgelassen(int index);
    void AntwortBewerten(int index);
    int DropZielSuchen(const QRect &feldRahmen) const;

    // Answering without dragging: pick a panel, then drop it on a target.
    void FeldAnklicken(int index);
    bool ZielAnklicken(int objekt);
    int MarkiertesFeld() const { return markiert; }
    void MarkierungAufheben();
    bool Einzelfragen() const { return dok.Dok.DokTyp == DokArt::Einzelfragen; }

    // The shortest time a right or wrong answer's feedback stays visible.
    static constexpr int MindestRueckmeldungMs = 700;

    // Sound.
    bool KlangSpielen(const QString &name, bool warten, bool schleife = false);

    // Protocol.
    void ProtokollZeile(int teil, const QString &zeile, bool zeitstempel);
    void ProtokollAbschliessen(); // summary lines at the end
    QString ProtokollText() const { return Lauf.ProtokollKopf + Lauf.ProtokollAblauf; }
    QString RichtigErgebnisText() const;
    QString ZeitArtText() const;
    QString ErgebnisKurztext() const; // the figures as a plain message
    UebErgebnis Ergebnis() const;     // what the results window shows

private:
    // The steps of the start, in their order.
    void UmfangFestlegen(UmfangArt umfang);
    bool NetzUebungErlaubtStart(Rolle rolle); // tells why not
    bool OptionenFensterBestaetigt(const StartAuftrag &auftrag);
    void OptionenUebernehmenFuer(Rolle rolle);
    void FragenAuswaehlen(); // opens the questions of the extent
    void KeineFragenMelden();
    bool TeilnehmernamenErfragen(Rolle rolle); // false = cancelled
    void QuizModusBeginnen();
    void FragenFolgeAnlegen(int n);
    void UebungPanAufbauen();
    void LaufZuruecksetzen(Rolle rolle);
    void SzeneFuerQuizAufbauen();
    void ErsteFrageVorgeben();
    void QuizZeigen();

    void FragenFolgeBauen(int n);
    void TextVorgeben();
    void PositionVorgeben();
    void EinzelfrageVorgeben();
    bool NaechsteOffeneSuchen(bool nachText);
    void FeldSetzen(const Antwortfeld &f, bool sofort = false);
    void FeldFreigeben(int index);
    void ZurueckGleiten(int index);
    void RueckmeldungHalten(qint64 seit);
    // "Frage 3 von 47: ..." to screen readers, and the question card's
    // texts; the status word of the last answer goes.
    void FrageAnsagen(const QString &frage, bool mitFlagge = false);
    void DropZielSetzen(int ziel);
    void StatLab(const QString &text, StatFarbe farbe);
    QString ObjektText(int index) const;
    QString FrageTextFuer(int frageNummer) const;
    double JetztDelphi() const;
    void KennzahlenBerechnen(); // Erfolgsquote and Gesamtleistung from the counts

    DokumentZustand &dok;
    Dienste &dienste;
    IUebAnsicht &ansicht;
    IUebOberflaeche &ui;
    std::map<int, Antwortfeld> felder;
    int bildBreite = 0;
    int richtigFeld = -1; // right answer's panel of the single question shown
    int markiert = -1;
    // Set while an answer's feedback runs and while pending messages are
    // let run: the clock tick and a second answer must not come in between.
    bool inBewertung = false;
    int laufNummer = 0;             // counts the starts, to notice a new run begun meanwhile
    bool laufzeitFest = false;      // Laufzeit fixed at the end of the run
    qint64 frageTick = 0;           // when the question now asked was presented
    std::vector<int> fragenVorgabe; // the questions a start was given, if any
    void BeobachterBeginn();
    void BeobachterEnde();
    UebStatus status;
    bool urteilBehalten = false; // "Richtig"/"Falsch" stays in the status until the next question
    QString frageZaehlerText;
    QString frageKarteText, frageKarteBeschreibung;
    QPoint frageZaehlerPos;
};
