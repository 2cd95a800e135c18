// The exercise engine: start, presentation of questions, judging, clock and end.
#include "Uebung.h"

#include "Note.h"
#include "UebTexte.h"

#include "DelphiZeit.h"
#include "Sortierung.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

Uebung::Uebung(DokumentZustand &d, Dienste &s, IUebAnsicht &a, IUebOberflaeche &o)
    : dok(d), dienste(s), ansicht(a), ui(o)
{
}

bool Uebung::IstFrageObjekt(int i) const
{
    if (i < 0 || i >= dok.Dok.Objekte.size())
        return false;
    const int typ = dok.Dok.Objekte[i].Typ;
    if (dok.Dok.DokTyp == DokArt::Einzelfragen)
        return typ == ObjektTyp::Antwort;
    return typ == ObjektTyp::Beschriftung || typ == ObjektTyp::Luecke;
}

int Uebung::ZaehleFragen(bool nurOffen) const
{
    int n = 0;
    for (int i = 0; i < dok.Dok.Objekte.size(); ++i)
        if (IstFrageObjekt(i) && (!nurOffen || dok.Dok.Objekte[i].Abdeckung == AbdeckungsArt::OffeneFrage))
            ++n;
    return n;
}

int Uebung::ZaehleOffen() const
{
    int n = 0;
    for (const DokObjekt &o : dok.Dok.Objekte)
        if (o.Abdeckung == AbdeckungsArt::OffeneFrage)
            ++n;
    return n;
}

bool Uebung::Laeuft() const
{
    return ui.AnsichtModus() == AnsichtArt::Quiz && Lauf.Endestatus == EndeArt::Laeuft;
}

double Uebung::JetztDelphi() const
{
    return ZeitNachDelphi(dienste.uhr->Jetzt());
}

QString Uebung::ObjektText(int index) const
{
    if (index < 0 || index >= dok.Dok.Objekte.size())
        return {};
    return TextNormalisieren(dok.Dok.Objekte[index].Cap);
}

bool Uebung::DarfVerlassen()
{
    if (ui.AnsichtModus() != AnsichtArt::Quiz || Lauf.Endestatus != EndeArt::Laeuft)
        return true;
    return dienste.meldungen->JaNein(
               QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?"), FrageArt::Frage)
           != Antwort::Nein;
}

void Uebung::FragenFolgeBauen(int n)
{
    const Dokument &d = dok.Dok;
    auto &folge = Lauf.FragenFolge;
    folge.clear();
    for (int i = 0; i < d.Objekte.size() && int(folge.size()) < n; ++i)
        if (IstFrageObjekt(i) && d.Objekte[i].Abdeckung == AbdeckungsArt::OffeneFrage)
            folge.push_back({i, i});
    n = int(folge.size());

    auto mischen = [&](int FragenPaar::*feld) {
        for (int i = 0; i < n; ++i)
            std::swap(folge[i].*feld, folge[dienste.zufall->Zahl(n)].*feld);
    };
    // Selection sort with "strictly smaller replaces", so equal keys keep
    // document order.
    auto sortieren = [&](int FragenPaar::*feld, auto kleiner) {
        for (int i = 0; i < n; ++i) {
            int m = i;
            for (int j = i + 1; j < n; ++j)
                if (kleiner(folge[j].*feld, folge[m].*feld))
                    m = j;
            std::swap(folge[i].*feld, folge[m].*feld);
        }
    };
    const QCollator sortierung = TextSortierung();
    auto textKleiner = [&sortierung](const QString &a, const QString &b) {
        return sortierung.compare(a.toLower(), b.toLower()) < 0;
    };

    if (d.DokTyp != DokArt::Einzelfragen && Opt.Zuordnungstexte == 1)
        mischen(&FragenPaar::TextObjekt);
    else
        sortieren(&FragenPaar::TextObjekt, [&](int a, int b) { return textKleiner(ObjektText(a), ObjektText(b)); });

    if (Opt.Zuordnungsziele != 0)
        mischen(&FragenPaar::ZielObjekt);
    else if (d.GeordnetArt != 0)
        sortieren(&FragenPaar::ZielObjekt,
                  [&](int a, int b) { return textKleiner(d.Objekte[a].Cap, d.Objekte[b].Cap); });
    else
        sortieren(&FragenPaar::ZielObjekt, [&](int a, int b) {
            const DokObjekt &x = d.Objekte[a], &y = d.Objekte[b];
            return x.Ky < y.Ky || (x.Ky == y.Ky && x.Kx < y.Kx);
        });
}

bool Uebung::NaechsteOffeneSuchen(bool nachText)
{
    const int n = int(Lauf.FragenFolge.size());
    // Bounded to one round: when nothing fitting is open the caller ends.
    for (int schritt = 0; schritt < n; ++schritt) {
        Lauf.Position = (Lauf.Position + 1) % n;
        const FragenPaar &f = Lauf.FragenFolge[Lauf.Position];
        if (!nachText) {
            if (dok.Dok.Objekte[f.ZielObjekt].Abdeckung == AbdeckungsArt::OffeneFrage)
                return true;
            continue;
        }
        // A text can only be presented while its panel exists. Labels with
        // the same text are interchangeable: a text whose own label was
        // solved by its twin still has the twin's open label to go to.
        if (!felder.count(Lauf.Position))
            continue;
        if (dok.Dok.Objekte[f.TextObjekt].Abdeckung == AbdeckungsArt::OffeneFrage)
            return true;
        const QString text = ObjektText(f.TextObjekt);
        for (int i = 0; i < dok.Dok.Objekte.size(); ++i)
            if (IstFrageObjekt(i) && dok.Dok.Objekte[i].Abdeckung == AbdeckungsArt::OffeneFrage
                && ObjektText(i) == text)
                return true;
    }
    return false;
}

void Uebung::NaechsteFrage()
{
    Lauf.AnzOffen = ZaehleOffen();
    StatusAnzeigen();
    const int lauf = laufNummer;
    inBewertung = true;
    ui.NachrichtenVerarbeiten();
    inBewertung = false;
    if (!Laeuft() || lauf != laufNummer)
        return; // ended, left or started anew meanwhile
    if (Lauf.NetzRolle == Rolle::Teilnehmer && Netz)
        Netz->AktionMelden();
    DropZielSetzen(-1);
    frageTick = dienste.uhr->Ticks(); // the feedback is over: the next answer's time starts

    if (Lauf.AnzOffen == 0) {
        UebungBeenden();
        return;
    }
    const DokArt typ = dok.Dok.DokTyp;
    if (typ != DokArt::Einzelfragen && Opt.AbfrageModus == 0)
        return;
    const bool nachText = typ != DokArt::Einzelfragen && Opt.AbfrageModus == 1;
    if (!NaechsteOffeneSuchen(nachText)) {
        // Open objects that no entry can present (texts already used up by
        // a twin label): nothing is left to ask.
        UebungBeenden();
        return;
    }
    ++Lauf.FrageZaehler;
    if (typ == DokArt::Einzelfragen) {
        dok.AktFrage = dok.Dok.Objekte[Lauf.FragenFolge[Lauf.Position].ZielObjekt].FrageNummer;
        EinzelfrageVorgeben();
        ansicht.ObjekteNeuZeichnen();
        AnweisungZeichnen(true);
    } else if (Opt.AbfrageModus == 1) {
        TextVorgeben();
    } else {
        PositionVorgeben();
        ansicht.ObjekteNeuZeichnen();
        AnweisungZeichnen(true);
    }
}

void Uebung::UhrAktualisieren()
{
    // Once the run has ended its duration is fixed: the time a message box
    // stays open afterwards must not count (high-score ranks depend on it).
    if (!laufzeitFest) {
        qint64 lz = dienste.uhr->Ticks() - Lauf.StartTick;
        if (lz < 0)
            lz = 0;
        Lauf.Laufzeit = int(std::min<qint64>(lz, std::numeric_limits<int>::max()));
    }
    int s;
    if (Opt.ZeitLimitIndex == 1) {
        Lauf.Restzeit = std::max(int(std::trunc(Opt.ZeitLimitWert - Lauf.Laufzeit / 1000.0)), 0);
        s = Lauf.Restzeit;
    } else {
        s = Lauf.Laufzeit / 1000;
    }
    const QString text = UhrText(s);
    if (text != status.UebZeitLab) {
        status.UebZeitLab = text;
        ui.StatusSetzen(status);
    }
}

void Uebung::ZeitTimerTimer()
{
    if (ui.AnsichtModus() != AnsichtArt::Quiz) {
        ui.ZeitTimerSetzen(false);
        return;
    }
    if (inBewertung)
        return; // the tick comes again once the answer is through
    ui.ZeitTimerSetzen(false);
    UhrAktualisieren();
    if (Opt.ZeitLimitIndex == 1 && Lauf.Restzeit < 1 && Lauf.Endestatus == EndeArt::Laeuft) {
        DropZielSetzen(-1);
        MarkierungAufheben();
        Lauf.Endestatus = EndeArt::Zeitlimit;
        laufzeitFest = true; // the run ends now, not when the box is closed
        if (Lauf.NetzRolle == Rolle::Teilnehmer && Netz)
            Netz->EndeMelden(true);
        const QString text = QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.");
        ProtokollZeile(1, text, true);
        dienste.meldungen->Information(text);
        UebungBeenden();
        return;
    }
    if (Lauf.Endestatus == EndeArt::Laeuft)
        ui.ZeitTimerSetzen(true);
}

void Uebung::StatLab(const QString &text, StatFarbe farbe)
{
    status.UebStatLab = text;
    status.UebStatFarbe = farbe;
    ui.StatusSetzen(status);
}

void Uebung::FrageAnsagen(const QString &frage, bool mitFlagge)
{
    if (urteilBehalten) {
        urteilBehalten = false;
        StatLab(QStringLiteral("warte auf Antwort"), StatFarbe::Zeit);
    }
    const int nummer = std::max(Lauf.FrageZaehler, 1);
    QString text = QStringLiteral("Frage %1 von %2").arg(nummer).arg(Lauf.AnzFragen);
    frageKarteText = frage;
    frageKarteBeschreibung = mitFlagge ? QStringLiteral("Flagge, ") + text : text;
    if (!frage.isEmpty())
        text += QStringLiteral(": ") + frage;
    ui.Ansagen(text, IUebOberflaeche::AnsageArt::Frage);
}

void Uebung::KennzahlenBerechnen()
{
    const int rf = Lauf.AnzRichtig + Lauf.AnzFalsch;
    Lauf.Erfolgsquote = rf > 0 ? double(Lauf.AnzRichtig) / rf : 0.0;
    const int alle = rf + Lauf.AnzOffen;
    Lauf.Gesamtleistung = alle > 0 ? double(Lauf.AnzRichtig) / alle : 0.0;
}

void Uebung::StatusAnzeigen()
{
    if (Lauf.Endestatus != EndeArt::Laeuft || !urteilBehalten) {
        status.UebStatLab = Lauf.Endestatus == EndeArt::Laeuft ? QStringLiteral("warte auf Antwort")
                                                               : QStringLiteral("Quiz beendet");
        status.UebStatFarbe = StatFarbe::Zeit;
    }
    status.GesAnzLab = QStringLiteral("von  ") + QString::number(Lauf.AnzFragen);
    QString name;
    if (Lauf.NetzRolle == Rolle::Einzeln)
        name = Lauf.Teilnehmername;
    else if (Lauf.NetzRolle == Rolle::Teilnehmer && Netz)
        name = Netz->NetzTeilnehmername();
    name = name.trimmed();
    status.TNameLab = name.isEmpty() ? QStringLiteral("-") : name;
    if (Opt.RiFaRueckmeldung == 1 && Lauf.AnzOffen > 0) {
        status.RichtigLab = status.FalschLab = status.QuoteLab = status.GesamtleistungLab = QStringLiteral("?");
    } else {
        status.RichtigLab = QString::number(Lauf.AnzRichtig);
        status.FalschLab = QString::number(Lauf.AnzFalsch);
        KennzahlenBerechnen();
        status.QuoteLab = ProzentText(Lauf.Erfolgsquote);
        status.GesamtleistungLab = ProzentText(Lauf.Gesamtleistung);
        status.OffenLab = QString::number(Lauf.AnzOffen);
    }
    status.UebZeitModeLab = Opt.ZeitLimitIndex == 1 ? QStringLiteral("Verbleibende Zeit:")
                                                    : QStringLiteral("Benötigte Zeit:");
    ui.StatusSetzen(status);
    UhrAktualisieren();
}

void Uebung::UebungVerlassen()
{
    if (!DarfVerlassen())
        return;
    auto &obj = dok.Dok.Objekte;
    if (ui.AnsichtModus() == AnsichtArt::Quiz && Lauf.Endestatus == EndeArt::Laeuft) {
        ui.ZeitTimerSetzen(false);
        if (Beobachter) {
            UhrAktualisieren();
            KennzahlenBerechnen();
            Beobachter->LaufBeendet(
                {EndeArt::Abgebrochen, Lauf.Laufzeit, Lauf.Gesamtleistung, NoteBerechnen(Lauf.Gesamtleistung)});
        }
        if (Lauf.NetzRolle == Rolle::Teilnehmer) {
            Lauf.Endestatus = EndeArt::Abgebrochen;
            if (Netz) {
                Netz->NetzDokumentSchliessen();
                Netz->EndeMelden(false);
            }
        }
    }
    Lauf.NetzRolle = Rolle::Einzeln;
    AntwortfelderEntfernen();
    DropZielSetzen(-1);
    ansicht.ZeigerWerkzeugWaehlen();
    for (DokObjekt &o : obj)
        if (o.Abdeckung != AbdeckungsArt::Abgedeckt && o.Abdeckung != AbdeckungsArt::Aufgedeckt)
            o.Abdeckung = AbdeckungsArt::Aufgedeckt;
    ansicht.ZoomZuruecksetzen();
    ansicht.NummerierungErneuern();
    ui.FrageZaehlerSetzen({}, {}, false);
    ui.StartseiteZeigen();
}

void Uebung::BeobachterEnde()
{
    if (Beobachter)
        Beobachter->LaufBeendet({Lauf.Endestatus, Lauf.Laufzeit, Lauf.Gesamtleistung, Lauf.Schulnote});
}

void Uebung::UebungBeenden()
{
    ui.ZeitTimerSetzen(false);
    MarkierungAufheben();
    if (Lauf.Endestatus == EndeArt::Laeuft) {
        Lauf.Endestatus = EndeArt::Fertig;
        UhrAktualisieren();
    }
    laufzeitFest = true;
    Lauf.EndZeit = Lauf.StartZeit + (Lauf.Laufzeit / 1000) / 86400.0;
    StatusAnzeigen();

    if (Opt.RiFaRueckmeldung == 1) {
        // Deferred feedback is revealed now. Only answered question objects
        // are judged: an open one (time limit) was not answered and stays
        // open instead of showing up as solved.
        for (int i = 0; i < dok.Dok.Objekte.size(); ++i) {
            DokObjekt &o = dok.Dok.Objekte[i];
            if (!IstFrageObjekt(i) || o.Abdeckung != AbdeckungsArt::Unbewertet)
                continue;
            if (o.FehlerAlsZiel >= 1)
                o.Abdeckung = AbdeckungsArt::Aufgegeben;
            else
                o.Abdeckung = Opt.ZuordnungRichtig == 1 ? AbdeckungsArt::Geloest : AbdeckungsArt::Aufgedeckt;
        }
        ansicht.ObjekteNeuZeichnen();
        AnweisungZeichnen(true);
    }
    // Deferred feedback hides the figures while questions are open (time
    // limit), but the grade is taken from the counts all the same.
    KennzahlenBerechnen();
    Lauf.Schulnote = NoteBerechnen(Lauf.Gesamtleistung);
    if (Lauf.NetzRolle == Rolle::Teilnehmer && Netz)
        Netz->EndeMelden(Lauf.Endestatus == EndeArt::Fertig || Lauf.Endestatus == EndeArt::Zeitlimit);
    BeobachterEnde();

    ProtokollAbschliessen();
    ui.Ansagen(QStringLiteral("Quiz beendet. Richtig: %1 von %2. Fehlversuche: %3.")
                   .arg(Lauf.AnzRichtig)
                   .arg(Lauf.AnzFragen)
                   .arg(Lauf.AnzFalsch),
               IUebOberflaeche::AnsageArt::Ende);
    ui.ErgebnisAnzeigen();
}
