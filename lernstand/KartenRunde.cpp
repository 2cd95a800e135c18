// A round of the card box.
#include "KartenRunde.h"

#include "LernDatum.h"
#include "Lernstand.h"
#include "Verwechslung.h"

#include "Uhr.h"
#include "Zufall.h"

KartenRunde::KartenRunde(Lernstand &s, IUhr &u, IZufall &z) : stand(s), uhr(u), zufall(z) {}

bool KartenRunde::Beginnen(const Dokument &dok, const QString &name, int neueProTag, int hoechstens)
{
    schueler = name;
    dokSchluessel = DokumentSchluessel(dok);
    fragen = LernFragen(dok);
    heute = LernHeute(uhr);
    karten = stand.Karten(schueler, dokSchluessel);
    reihe.clear();
    stelle = gewusst = 0;
    beantwortet = false;
    gezeigt.clear();
    runde = -1;
    QStringList schluessel;
    for (const LernFrage &f : fragen)
        schluessel << f.Schluessel;
    const QStringList r = RundeZusammenstellen(schluessel, karten, heute, neueProTag,
                                               stand.NeueKartenAm(schueler, dokSchluessel, heute), hoechstens);
    for (const QString &s : r)
        reihe << int(schluessel.indexOf(s));
    if (reihe.isEmpty())
        return false;
    if (stand.Schreibbar())
        runde = stand.LaufBeginnen({schueler, dokSchluessel, dok.Titel, uhr.Jetzt(), true, true});
    AuswahlZiehen();
    return true;
}

const LernFrage &KartenRunde::Aktuell() const
{
    static const LernFrage leer;
    return Fertig() ? leer : fragen[reihe[stelle]];
}

Karte KartenRunde::AktuelleKarte() const
{
    return karten.value(Aktuell().Schluessel);
}

void KartenRunde::AuswahlZiehen()
{
    auswahl.clear();
    beantwortet = false;
    gezeigtTick = uhr.Ticks();
    if (Fertig())
        return;
    const QString richtig = Aktuell().Schluessel;
    QStringList andere;
    for (const LernFrage &f : fragen)
        if (f.Schluessel != richtig && !Verwechselbar(richtig, f.Schluessel))
            andere << f.Schluessel;
    auswahl << richtig;
    while (auswahl.size() < Auswahlgroesse && !andere.isEmpty())
        auswahl << andere.takeAt(zufall.Zahl(int(andere.size())));
    for (int i = int(auswahl.size()) - 1; i > 0; --i)
        auswahl.swapItemsAt(i, zufall.Zahl(i + 1));
}

bool KartenRunde::Bewerten(bool gut)
{
    if (Fertig() || beantwortet)
        return false;
    beantwortet = true;
    const LernFrage &f = Aktuell();
    Karte k = karten.value(f.Schluessel);
    const bool wiederholt = gezeigt.contains(f.Schluessel);
    gezeigt.insert(f.Schluessel);
    if (k.Box == 0 && !k.NeuAm.isValid())
        k.NeuAm = heute;
    if (wiederholt && gut) {
        // Known at last after a miss in this round: it starts again from the
        // first box tomorrow instead of skipping ahead.
        k.Box = 1;
        k.Faellig = heute.addDays(BoxIntervall(1));
    } else {
        KarteBewerten(k, gut, heute, KartenQuelle::Lernkartei);
    }
    karten.insert(f.Schluessel, k);
    AntwortZeile a;
    a.Frage = f.Schluessel;
    a.Bild = f.Bild;
    a.Richtig = gut;
    a.ErsterVersuch = !wiederholt;
    a.ZeitMs = std::max<qint64>(0, uhr.Ticks() - gezeigtTick);
    a.Zeitpunkt = uhr.Jetzt();
    stand.KartenAntwort(runde, schueler, dokSchluessel, a, k);
    if (gut)
        ++gewusst;
    else
        reihe << reihe[stelle]; // once more at the end of the round
    return gut;
}

bool KartenRunde::Waehlen(int platz)
{
    if (platz < 0 || platz >= auswahl.size())
        return false;
    return Bewerten(auswahl[platz] == Aktuell().Schluessel);
}

void KartenRunde::Weiter()
{
    if (Fertig() || !beantwortet)
        return;
    ++stelle;
    AuswahlZiehen();
}
