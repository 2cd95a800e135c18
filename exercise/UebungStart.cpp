// The start of a run: the checks, the choice and order of the questions, the layout and the first question.
#include "Uebung.h"

#include "OptionenUebernehmen.h"

#include <algorithm>

bool Uebung::UebungStarten(const StartAuftrag &auftrag)
{
    fragenVorgabe = auftrag.fragenVorgabe;
    UmfangFestlegen(fragenVorgabe.empty() ? auftrag.umfang : UmfangArt::Zufallsauswahl);
    if (!NetzUebungErlaubtStart(auftrag.rolle) || !DarfVerlassen() || !OptionenFensterBestaetigt(auftrag))
        return false;
    OptionenUebernehmenFuer(auftrag.rolle);
    FragenAuswaehlen();
    const int n = ZaehleFragen(Umfang != UmfangArt::Komplett);
    if (n == 0) {
        KeineFragenMelden();
        return false;
    }
    if (!TeilnehmernamenErfragen(auftrag.rolle))
        return false;
    QuizModusBeginnen();
    FragenFolgeAnlegen(n);
    UebungPanAufbauen();
    LaufZuruecksetzen(auftrag.rolle);
    ui.KnoepfeAktualisieren();
    ProtokollZeile(1, QStringLiteral("Quiz wird gestartet"), true);
    SzeneFuerQuizAufbauen();
    ErsteFrageVorgeben();
    QuizZeigen();
    BeobachterBeginn();
    return true;
}

void Uebung::UmfangFestlegen(UmfangArt umfang)
{
    // A title saying "zufällig" asks for a random selection.
    if (umfang == UmfangArt::Komplett && dok.Dok.Titel.toLower().contains(QStringLiteral("zufällig")))
        umfang = UmfangArt::Zufallsauswahl;
    Umfang = umfang;
}

bool Uebung::NetzUebungErlaubtStart(Rolle rolle)
{
    // Network exercises in progress refuse an own run.
    if (Lauf.NetzRolle == Rolle::Teilnehmer && rolle != Rolle::Teilnehmer) {
        dienste.meldungen->Information(QStringLiteral(
            "Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung starten zu können."));
        return false;
    }
    if (Lauf.NetzRolle == Rolle::Initiator && rolle != Rolle::Initiator) {
        dienste.meldungen->Information(
            QStringLiteral("Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. "
                           "Daher kann im Moment keine eigene Übung gestartet werden."));
        return false;
    }
    return true;
}

bool Uebung::OptionenFensterBestaetigt(const StartAuftrag &auftrag)
{
    // The box "Dieses Dialogfenster vor jeder Übung anzeigen" does what it
    // says: an own run shows the options first, "Schließen" starts nothing.
    // A document without questions goes on to the message that says so.
    if (auftrag.optionenZeigen && auftrag.rolle == Rolle::Einzeln && ZaehleFragen(false) > 0
        && !ui.OptionenDialogZeigen()) {
        ui.UebungenBtnLoesen();
        return false;
    }
    return true;
}

void Uebung::OptionenUebernehmenFuer(Rolle rolle)
{
    // A participant keeps the values of the network exercise.
    if (rolle != Rolle::Teilnehmer)
        Opt = OptionenUebernehmen(ui.OptionWerte(), dok.Dok.DokTyp);
}

void Uebung::FragenAuswaehlen()
{
    auto &obj = dok.Dok.Objekte;
    if (Umfang == UmfangArt::Zufallsauswahl) {
        for (DokObjekt &o : obj)
            o.Abdeckung = AbdeckungsArt::Aufgedeckt;
        // Drawing among the eligible objects only: uniform like redrawing
        // until a fitting index comes, but it ends also when fewer than k
        // objects are eligible.
        std::vector<int> frei;
        for (int i = 0; i < obj.size(); ++i)
            if (IstFrageObjekt(i))
                frei.push_back(i);
        if (!fragenVorgabe.empty()) {
            for (int i : fragenVorgabe)
                if (IstFrageObjekt(i))
                    obj[i].Abdeckung = AbdeckungsArt::OffeneFrage;
            return;
        }
        int k = std::min(dok.Dok.AnzFrageNummern, 20);
        k = std::min<int>(k, int(frei.size()));
        for (int a = 0; a < k; ++a) {
            const int r = dienste.zufall->Zahl(int(frei.size()));
            obj[frei[r]].Abdeckung = AbdeckungsArt::OffeneFrage;
            frei.erase(frei.begin() + r);
        }
        return;
    }
    for (int i = 0; i < obj.size(); ++i) {
        if (!IstFrageObjekt(i))
            continue;
        DokObjekt &o = obj[i];
        if (Umfang == UmfangArt::Teilwiederholung)
            o.Abdeckung = (o.FehlerAlsZiel >= 1 || o.FehlerAlsText >= 1) ? AbdeckungsArt::OffeneFrage
                                                                         : AbdeckungsArt::Aufgedeckt;
        else
            o.Abdeckung = AbdeckungsArt::OffeneFrage;
        o.FehlerAlsZiel = 0;
        o.FehlerAlsText = 0;
    }
}

void Uebung::KeineFragenMelden()
{
    dienste.meldungen->Information(
        QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."));
    ui.UebungenBtnLoesen();
}

bool Uebung::TeilnehmernamenErfragen(Rolle rolle)
{
    Lauf.Teilnehmername.clear();
    if (rolle != Rolle::Einzeln || !Einst.NameEingabe)
        return true;
    QString name;
    if (!ui.NamenErfragen(name)) {
        ui.UebungenBtnLoesen();
        return false;
    }
    Lauf.Teilnehmername = name;
    return true;
}

void Uebung::QuizModusBeginnen()
{
    AntwortfelderEntfernen();
    ansicht.ZeigerWerkzeugWaehlen();
    ui.QuizModusSetzen();
}

void Uebung::FragenFolgeAnlegen(int n)
{
    Lauf.AnzFragen = n;
    Lauf.AnzGesamt = Umfang != UmfangArt::Komplett ? ZaehleFragen(false) : n;
    FragenFolgeBauen(n);
    // The targets of the order are the open questions, numbered in it
    // (unnumbered when the targets are mixed, except for single questions).
    for (int i = 0; i < Lauf.FragenFolge.size(); ++i) {
        DokObjekt &z = dok.Dok.Objekte[Lauf.FragenFolge[i].ZielObjekt];
        z.Abdeckung = AbdeckungsArt::OffeneFrage;
        z.FehlerAlsZiel = 0;
        z.FehlerAlsText = 0;
        z.Nummer = Opt.Zuordnungsziele == 2 && dok.Dok.DokTyp != DokArt::Einzelfragen ? 0 : i + 1;
    }
}

void Uebung::UebungPanAufbauen()
{
    ui.UebungPanPlatzieren();
    AntwortfelderAnlegen();
    ui.BildBreiteSetzen(bildBreite);
    ansicht.ZoomZuruecksetzen();
}

void Uebung::LaufZuruecksetzen(Rolle rolle)
{
    Lauf.ProtokollKopf.clear();
    Lauf.ProtokollAblauf.clear();
    Lauf.NetzRolle = rolle;
    Lauf.AnzRichtig = Lauf.AnzFalsch = 0;
    Lauf.Erfolgsquote = 0;
    Lauf.Gesamtleistung = 0;
    Lauf.Schulnote = 0;
    Lauf.Endestatus = EndeArt::Laeuft;
    Lauf.AnzOffen = ZaehleOffen();
    Lauf.StartTick = dienste.uhr->Ticks();
    Lauf.Laufzeit = 0;
    laufzeitFest = false;
    // A participant's start time was set when joining the network exercise.
    if (rolle != Rolle::Teilnehmer)
        Lauf.StartZeit = JetztDelphi();
    Lauf.EndZeit = 0;
    Lauf.Restzeit = Opt.ZeitLimitWert;
    Lauf.Position = 0;
    Lauf.FrageZaehler = 1;
    Lauf.InBestenliste = false;
    Lauf.AktZiel = -1;
    markiert = -1;
    urteilBehalten = false;
    frageKarteText.clear();
    frageKarteBeschreibung.clear();
    status = UebStatus();
    // Deferred feedback leaves "Offene Fragen:" at its last value; the
    // first one is the count at the start.
    status.OffenLab = QString::number(Lauf.AnzOffen);

    ++laufNummer;
    inBewertung = false;
}

void Uebung::SzeneFuerQuizAufbauen()
{
    const Dokument &d = dok.Dok;
    if (d.DokTyp == DokArt::Einzelfragen)
        dok.AktFrage = d.Objekte[Lauf.FragenFolge[0].ZielObjekt].FrageNummer;
    ansicht.QuizZustandSetzen(Opt.AbfrageModus, Lauf.FragenFolge, Lauf.Position);
    ansicht.SzeneAufbauen();
    AnweisungZeichnen(false);
}

void Uebung::ErsteFrageVorgeben()
{
    if (dok.Dok.DokTyp == DokArt::Einzelfragen)
        EinzelfrageVorgeben();
    else if (Opt.AbfrageModus == 1)
        TextVorgeben();
    else if (Opt.AbfrageModus == 2)
        PositionVorgeben();
}

void Uebung::BeobachterBeginn()
{
    frageTick = dienste.uhr->Ticks();
    if (!Beobachter)
        return;
    LaufBeginnDaten d;
    d.Schueler = Lauf.NetzRolle == Rolle::Teilnehmer && Netz ? Netz->NetzTeilnehmername() : Lauf.Teilnehmername;
    d.Schueler = d.Schueler.trimmed();
    if (d.Schueler.isEmpty())
        d.Schueler = Einst.Benutzername;
    d.DokTitel = dok.Dok.Titel;
    d.DokDatei = dok.Dok.DateiName;
    d.Einzelfragen = Einzelfragen();
    d.NetzRolle = Lauf.NetzRolle;
    d.Start = dienste.uhr->Jetzt();
    Beobachter->LaufBegonnen(d);
}

void Uebung::QuizZeigen()
{
    ui.UebungPanZeigen();
    AnweisungZeichnen(true);
    StatusAnzeigen();
    ui.ZeitTimerSetzen(true);
    ui.UebungGestartet();
}
