// Recording quiz runs.
#include "LaufAufzeichnung.h"

#include "LernDatum.h"
#include "LernFragen.h"
#include "Lernstand.h"

#include "Uhr.h"

LaufAufzeichnung::LaufAufzeichnung(Lernstand &s, const DokumentZustand &d, IUhr &u) : stand(s), dok(d), uhr(u) {}

void LaufAufzeichnung::LaufBegonnen(const LaufBeginnDaten &d)
{
    // A run left without an end (a new start cut it off) stays unfinished
    // and so never counts.
    lauf = -1;
    beantwortet.clear();
    if (stand.Zustand() == Lernstand::Stand::Geschlossen)
        stand.Oeffnen(); // the first run opens the store
    if (d.NetzRolle == Rolle::Initiator || !stand.Schreibbar())
        return;
    LaufKopf k;
    k.Schueler = d.Schueler;
    k.DokSchluessel = DokumentSchluessel(d.DokTitel, d.DokDatei);
    k.DokTitel = d.DokTitel;
    k.Beginn = d.Start;
    k.Einzelfragen = d.Einzelfragen;
    lauf = stand.LaufBeginnen(k);
}

void LaufAufzeichnung::AntwortBewertet(const QString &frage, bool richtig, qint64 zeitMs)
{
    if (lauf < 0)
        return;
    AntwortZeile a;
    a.Frage = frage;
    a.Bild = FragenBild(dok.Dok, frage);
    a.Richtig = richtig;
    a.ErsterVersuch = !beantwortet.contains(frage);
    a.ZeitMs = zeitMs;
    a.Zeitpunkt = uhr.Jetzt();
    beantwortet.insert(frage);
    if (!stand.AntwortSpeichern(lauf, a))
        lauf = -1; // the run can no longer be complete: it is left out
}

void LaufAufzeichnung::LaufBeendet(const LaufEndeDaten &ende)
{
    if (lauf < 0)
        return;
    stand.LaufAbschliessen(lauf, ende, LernHeute(uhr));
    lauf = -1;
    beantwortet.clear();
}
