// The classroom exercise: the exercise files, a participant's joining and
// reports, the initiator's initiation, its live view and class list, and the
// clean-up at the end.
#pragma once
#include "KontrollMessung.h"
#include "KontrollModell.h"
#include "NetzDateien.h"
#include "NetzFenster.h"
#include "TMailSlot2.h"
#include "UebSchnittstellen.h"

#include "Dienste.h"

#include <QObject>

class BestListen;
class IDokumentUmgebung;
class Uebung;
struct DokumentZustand;

class NetzUebung : public QObject, public IUebNetz
{
    Q_OBJECT
public:
    NetzUebung(Uebung &engine, DokumentZustand &dok, IDokumentUmgebung &umgebung, Dienste &dienste, BestListen &listen,
               INetzFenster &fenster, QObject *eltern = nullptr);
    ~NetzUebung() override;

    // The two channel components: the participant's sender and the
    // initiator's receiver.
    TMailSlot2 TNMailSlot;
    TMailSlot2 MasterMailslot;
    // The live view's rows.
    KontrollModell Kontrolle;
    KontrollMessung Messung;

    QString TeilnehmerKennung;
    QString Teilnehmername; // NetzTeilnehmername: sent in the messages
    QString NetzUebungMaster;
    // The name the pupil gave when joining with the command; a repeat keeps it.
    QString GewaehlterName;

    // Communication folder + channel + "-tvlnetzuebung".
    QString Basis() const;
    bool NetzUebungVorhanden() const;

    // The participant's join (also the repeat's); true when the run started.
    bool NetzUebungBeitreten() override;
    // "TN-FERTIG" and, for status 1 or 3, 50 ms later "TN-BESTLIST".
    void NetzUebEndeMelden();
    // Ends an initiated exercise; false when the user said No.
    bool NetzUebungBeenden(bool mitBestaetigung);

    // Commands.
    void Netzwerkuebunginitiieren1Click(); // F9
    void LehrerNetzwerkUebungbeenden1Click();
    void NetzwerkbungKontrollanzeige1Click(); // Alt+F9
    void Netzwerkuebung1Click();              // F8

    // Closing the program: a participant run ends as aborted and is reported.
    void TeilnahmeAbbrechen();
    // After the save prompt: both components off, the exercise files deleted.
    void ProgrammEnde();
    // The learning view was shown: the participant's component goes off.
    void LernansichtGezeigt();

    // Messages on MasterMailslot.
    void MasterMailslotNewMessage(TMailSlot2 *sender, const QString &computer, const QString &userName,
                                  const QString &text);
    // Messages that were not one of the four, or came for no exercise.
    qint64 Verworfen() const { return verworfen; }
    // Class-list records written.
    int Eingetragen() const { return eingetragen; }

    // IUebNetz
    void AktionMelden() override;
    void EndeMelden(bool mitBestenliste) override;
    void NetzDokumentSchliessen() override;
    QString NetzTeilnehmername() override { return Teilnehmername; }
    QString KomOrdner() override;
    QString KomKanal() override;

    // 30 capitals, each drawn uniformly.
    static QString NeueKennung();

    // The resolver for the teacher's computer name (tests).
    void AufloesungSetzen(std::shared_ptr<INamensAufloesung> aufloesung);

private:
    void AusgangVerbinden();
    TnNachricht Kopf(TnArt art) const; // a message of this participant, of the given kind
    void Senden(const TnNachricht &n);
    QString StartZeitText() const;
    // Takes the channel and asks before anything of value goes: another
    // computer's exercise on the channel, results in the class list.
    bool InitiierenErlaubt();
    bool Initiieren(const UebOptionen &opt);
    // Removes the exercise files only when this program wrote them and
    // nobody has written over them since.
    void EigeneDateienLoeschen();
    void LaufOhneFrageBeenden();

    Uebung &engine;
    DokumentZustand &dok;
    IDokumentUmgebung &umgebung;
    Dienste &dienste;
    BestListen &listen;
    INetzFenster &fenster;
    qint64 verworfen = 0;
    int eingetragen = 0;
    // The exercise this program initiated: its base name and its data file
    // as written. Empty base: none.
    QString eigeneBasis;
    DateiMarke eigeneDat;
};
