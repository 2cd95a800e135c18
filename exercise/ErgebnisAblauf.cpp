// The completion of a run: results content, results window and high-score entry.
#include "ErgebnisAblauf.h"
#include "Note.h"

namespace {
const char *kEingetragen = "Das Ergebnis wurde in die Bestenliste eingetragen.";
}

ErgebnisAblauf::ErgebnisAblauf(IErgebnisUmgebung &u, IErgebnisFenster &f, IMeldungen &m)
    : umgebung(u), fenster(f), meldungen(m)
{
}

ErgebnisInhalt ErgebnisAblauf::InhaltBerechnen(const UebErgebnis &e)
{
    ErgebnisInhalt i;
    i.RichtigLab = e.RichtigText + "  " + "von  " + QString::number(e.AnzFragen);
    i.FalschLab = e.FalschText;
    i.QuoteLab = e.QuoteText;
    i.GesamtleistungLab = e.GesamtleistungText;
    i.UebZeitLab = e.UebZeitText;
    i.ZeitArtLab = e.MitZeitLimit ? QStringLiteral("Verbliebene Zeit:") : QStringLiteral("Benötigte Zeit:");
    i.UebNummernOffenLab = QString::number(e.AnzOffen);
    const int note = NoteBerechnen(e.Gesamtleistung);
    i.BewertLab = Noten::BewertungsWort(note);
    i.NoteLab = QString::number(note);
    i.Gesamtleistung = e.Gesamtleistung;
    i.WiederholenModeAktiv = e.NetzRolle == Rolle::Einzeln && e.AnzFalsch >= 1;
    i.WiederholenMode = 0;
    i.NetzListe = e.NetzRolle != Rolle::Einzeln;
    return i;
}

bool ErgebnisAblauf::EintragErlaubt() const
{
    // Partial repetitions and network runs never enter the individual list.
    return ergebnis.NetzRolle == Rolle::Einzeln && ergebnis.Umfang != UmfangArt::Teilwiederholung;
}

void ErgebnisAblauf::ErgebnisAnzeigen(const UebErgebnis &e)
{
    ergebnis = e;
    InBestenliste = false;
    // Steps 1 to 3: labels, scale and repeat group (the window draws the
    // scale from the figure).
    inhalt = InhaltBerechnen(e);
    fenster.InhaltSetzen(inhalt);

    // Steps 4 and 5: protocol.
    umgebung.ProtokollAbschliessen();
    if (umgebung.AutoProtSpeichernAktiv())
        umgebung.ProtokollAutoSpeichern();

    // Steps 6 and 7: the high-score entry.
    inhalt.BestenlisteLab.clear();
    inhalt.InBestenlisteBtnSichtbar = false;
    if (umgebung.ErgebBestListEintragenAktiv() && EintragErlaubt() && umgebung.ErgebnisEintragen(false)) {
        InBestenliste = true;
        inhalt.BestenlisteLab = QString::fromUtf8(kEingetragen);
    }
    inhalt.InBestenlisteBtnSichtbar = !InBestenliste && EintragErlaubt();
    fenster.InhaltSetzen(inhalt);

    // Step 8: the loop of the results window.
    for (;;) {
        if (fenster.ModalZeigen()) {
            if (ergebnis.NetzRolle == Rolle::Teilnehmer) {
                if (umgebung.NetzUebungBeitreten())
                    return;
                meldungen.Information(QStringLiteral("Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."));
                continue;
            }
            // The repeat choice's item index is the extent.
            const UmfangArt umfang = inhalt.WiederholenModeAktiv ? UmfangArt(fenster.GewaehlterWiederholenMode())
                                                                 : UmfangArt::Komplett;
            if (umgebung.UebungStarten({.optionenZeigen = umgebung.OptionenVorJederUebung(),
                                        .umfang = umfang,
                                        .rolle = ergebnis.NetzRolle}))
                return;
            continue;
        }
        if (ergebnis.NetzRolle == Rolle::Teilnehmer)
            umgebung.NetzDokumentSchliessen();
        umgebung.NetzRolleZuruecksetzen();
        umgebung.UebungVerlassen();
        return;
    }
}

void ErgebnisAblauf::InBestenlisteEintragen()
{
    if (InBestenliste || !EintragErlaubt())
        return;
    if (umgebung.ErgebnisEintragen(false)) {
        InBestenliste = true;
        inhalt.BestenlisteLab = QString::fromUtf8(kEingetragen);
        inhalt.InBestenlisteBtnSichtbar = false;
        fenster.InhaltSetzen(inhalt);
    } else {
        umgebung.OrdnerFensterZeigen();
    }
}
