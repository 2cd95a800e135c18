// The completion's environment served by the engine and the high-score lists.
#include "ErgebnisUebung.h"
#include "BestListen.h"
#include "DelphiZeit.h"
#include "Dokument.h"
#include "Uebung.h"

UebErgebnisUmgebung::UebErgebnisUmgebung(Uebung &u, BestListen &b, DokumentZustand &d, IErgebnisHauptfenster &f)
    : uebung(u), listen(b), dok(d), fenster(f)
{
}

void UebErgebnisUmgebung::ProtokollAbschliessen()
{
    // The engine writes the summary lines when the run ends; what is left
    // is showing the protocol in its window.
    fenster.ProtokollDarstellen();
}

bool UebErgebnisUmgebung::AutoProtSpeichernAktiv()
{
    return uebung.Einst.AutoProtSpeichern;
}

void UebErgebnisUmgebung::ProtokollAutoSpeichern()
{
    fenster.ProtokollAutoSpeichern();
}

bool UebErgebnisUmgebung::ErgebBestListEintragenAktiv()
{
    return fenster.ErgebBestListEintragenAktiv();
}

bool UebErgebnisUmgebung::ErgebnisEintragen(bool netz)
{
    const UebLauf &l = uebung.Lauf;
    const BestListDatensatz d =
        BestListen::LaufDatensatz(l.Teilnehmername, DelphiNachZeit(l.StartZeit), l.Laufzeit, l.Gesamtleistung);
    const bool ok = listen.ErgebnisEintragen(netz, dok.Dok.DateiName, d);
    if (ok && !netz)
        uebung.Lauf.InBestenliste = true;
    return ok;
}

void UebErgebnisUmgebung::OrdnerFensterZeigen()
{
    fenster.OrdnerFensterZeigen();
}

bool UebErgebnisUmgebung::OptionenVorJederUebung()
{
    return fenster.OptionenVorJederUebung();
}

bool UebErgebnisUmgebung::NetzUebungBeitreten()
{
    // Only a participant repeats this way, and a participant's run always
    // has the network side; without it there is nothing to join.
    return uebung.Netz && uebung.Netz->NetzUebungBeitreten();
}

bool UebErgebnisUmgebung::UebungStarten(const StartAuftrag &auftrag)
{
    // The start selects the questions and clears the objects' error counters
    // before it asks for the name. When the start does not happen (name
    // dialog cancelled), the finished run's state is put back: the results
    // window returns, and a partial repetition chosen next must still find
    // the questions that went wrong.
    struct Stand
    {
        int Abdeckung, FehlerAlsZiel, FehlerAlsText;
    };
    QList<Stand> vorher;
    vorher.reserve(dok.Dok.Objekte.size());
    for (const DokObjekt &o : dok.Dok.Objekte)
        vorher.append({o.Abdeckung, o.FehlerAlsZiel, o.FehlerAlsText});
    if (uebung.UebungStarten(auftrag))
        return true;
    if (dok.Dok.Objekte.size() == vorher.size()) {
        for (qsizetype i = 0; i < vorher.size(); ++i) {
            DokObjekt &o = dok.Dok.Objekte[i];
            o.Abdeckung = vorher[i].Abdeckung;
            o.FehlerAlsZiel = vorher[i].FehlerAlsZiel;
            o.FehlerAlsText = vorher[i].FehlerAlsText;
        }
    }
    return false;
}

void UebErgebnisUmgebung::NetzDokumentSchliessen()
{
    if (uebung.Netz)
        uebung.Netz->NetzDokumentSchliessen();
}

void UebErgebnisUmgebung::NetzRolleZuruecksetzen()
{
    uebung.Lauf.NetzRolle = Rolle::Einzeln;
}

void UebErgebnisUmgebung::UebungVerlassen()
{
    uebung.UebungVerlassen();
}
