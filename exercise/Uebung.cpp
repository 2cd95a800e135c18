// The exercise engine: start, presentation of questions, judging, clock and end.
#include "Uebung.h"

#include "Note.h"
#include "OptionenUebernehmen.h"
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
    if (dok.Dok.DokTyp == 2)
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
    return ui.AnsichtModus() == 3 && Lauf.Endestatus == EndeArt::Laeuft;
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
    if (ui.AnsichtModus() != 3 || Lauf.Endestatus != EndeArt::Laeuft)
        return true;
    return dienste.meldungen->JaNein(
               QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?"),
               FrageArt::Frage)
        != Antwort::Nein;
}

bool Uebung::UebungStarten(bool optionenZeigen, int umfang, int rolle)
{
    Dokument &d = dok.Dok;
    auto &obj = d.Objekte;

    // 1. A title saying "zufällig" asks for a random selection.
    if (umfang == 0 && d.Titel.toLower().contains(QStringLiteral("zufällig")))
        umfang = 2;
    Umfang = umfang;

    // 2. Network exercises in progress refuse an own run.
    if (Lauf.NetzRolle == 1 && rolle != 1) {
        dienste.meldungen->Information(QStringLiteral(
            "Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung starten zu können."));
        return false;
    }
    if (Lauf.NetzRolle == 2 && rolle != 2) {
        dienste.meldungen->Information(QStringLiteral(
            "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. "
            "Daher kann im Moment keine eigene Übung gestartet werden."));
        return false;
    }

    // 3.
    if (!DarfVerlassen())
        return false;

    // The box "Dieses Dialogfenster vor jeder Übung anzeigen" does what it
    // says: an own run shows the options first, "Schließen" starts nothing.
    // A document without questions goes on to the message of step 6.
    if (optionenZeigen && rolle == 0 && ZaehleFragen(false) > 0 && !ui.OptionenDialogZeigen()) {
        ui.UebungenBtnLoesen();
        return false;
    }

    // 4. A participant keeps the values of the network exercise.
    if (rolle != 1)
        Opt = OptionenUebernehmen(ui.OptionWerte(), d.DokTyp);

    // 5. Selecting the questions.
    if (Umfang == 2) {
        for (DokObjekt &o : obj)
            o.Abdeckung = AbdeckungsArt::Aufgedeckt;
        // Drawing among the eligible objects only: uniform like redrawing
        // until a fitting index comes, but it ends also when fewer than k
        // objects are eligible.
        std::vector<int> frei;
        for (int i = 0; i < obj.size(); ++i)
            if (IstFrageObjekt(i))
                frei.push_back(i);
        int k = std::min(d.AnzFrageNummern, 20);
        k = std::min<int>(k, int(frei.size()));
        for (int a = 0; a < k; ++a) {
            const int r = dienste.zufall->Zahl(int(frei.size()));
            obj[frei[r]].Abdeckung = AbdeckungsArt::OffeneFrage;
            frei.erase(frei.begin() + r);
        }
    } else {
        for (int i = 0; i < obj.size(); ++i) {
            if (!IstFrageObjekt(i))
                continue;
            DokObjekt &o = obj[i];
            if (Umfang == 1)
                o.Abdeckung = (o.FehlerAlsZiel >= 1 || o.FehlerAlsText >= 1) ? AbdeckungsArt::OffeneFrage
                                                                           : AbdeckungsArt::Aufgedeckt;
            else
                o.Abdeckung = AbdeckungsArt::OffeneFrage;
            o.FehlerAlsZiel = 0;
            o.FehlerAlsText = 0;
        }
    }

    // 6.
    const int n = ZaehleFragen(Umfang != 0);
    if (n == 0) {
        dienste.meldungen->Information(
            QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."));
        ui.UebungenBtnLoesen();
        return false;
    }

    // 7. Participant's name.
    Lauf.Teilnehmername.clear();
    if (rolle == 0 && Einst.NameEingabe) {
        QString name;
        if (!ui.NamenErfragen(name)) {
            ui.UebungenBtnLoesen();
            return false;
        }
        Lauf.Teilnehmername = name;
    }

    // 8.
    AntwortfelderEntfernen();
    ansicht.ZeigerWerkzeugWaehlen();
    ui.QuizModusSetzen();

    // 9.
    Lauf.AnzFragen = n;
    Lauf.AnzGesamt = Umfang != 0 ? ZaehleFragen(false) : n;

    // 10. - 12.
    FragenFolgeBauen(n);
    for (int i = 0; i < Lauf.FragenFolge.size(); ++i) {
        DokObjekt &z = obj[Lauf.FragenFolge[i].ZielObjekt];
        z.Abdeckung = AbdeckungsArt::OffeneFrage;
        z.FehlerAlsZiel = 0;
        z.FehlerAlsText = 0;
        z.Nummer = Opt.Zuordnungsziele == 2 && d.DokTyp != 2 ? 0 : i + 1;
    }

    // 13. Layout.
    ui.UebungPanPlatzieren();
    AntwortfelderAnlegen();
    ui.BildBreiteSetzen(bildBreite);
    ansicht.ZoomZuruecksetzen();

    // 14. Reset.
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
    if (rolle != 1)
        Lauf.StartZeit = JetztDelphi();
    Lauf.EndZeit = 0;
    Lauf.Restzeit = Opt.ZeitLimitWert;
    Lauf.Position = 0;
    Lauf.FrageZaehler = 1;
    Lauf.InBestenliste = false;
    Lauf.AktZiel = -1;
    markiert = -1;
    status = UebStatus();
    // Deferred feedback leaves "Offene Fragen:" at its last value; the
    // first one is the count at the start.
    status.OffenLab = QString::number(Lauf.AnzOffen);

    ++laufNummer;
    inBewertung = false;

    // 15.
    ui.KnoepfeAktualisieren();
    ProtokollZeile(1, QStringLiteral("Quiz wird gestartet"), true);

    // 16.
    if (d.DokTyp == 2)
        dok.AktFrage = obj[Lauf.FragenFolge[0].ZielObjekt].FrageNummer;

    // 17.
    ansicht.QuizZustandSetzen(Opt.AbfrageModus, Lauf.FragenFolge, Lauf.Position);
    ansicht.SzeneAufbauen();
    AnweisungZeichnen(false);

    // 18. First question.
    if (d.DokTyp == 2)
        EinzelfrageVorgeben();
    else if (Opt.AbfrageModus == 1)
        TextVorgeben();
    else if (Opt.AbfrageModus == 2)
        PositionVorgeben();

    // 19.
    ui.UebungPanZeigen();
    AnweisungZeichnen(true);
    StatusAnzeigen();
    ui.ZeitTimerSetzen(true);
    ui.UebungGestartet();
    return true;
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

    if (d.DokTyp != 2 && Opt.Zuordnungstexte == 1)
        mischen(&FragenPaar::TextObjekt);
    else
        sortieren(&FragenPaar::TextObjekt,
                  [&](int a, int b) { return textKleiner(ObjektText(a), ObjektText(b)); });

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
    if (Lauf.NetzRolle == 1 && Netz)
        Netz->AktionMelden();
    DropZielSetzen(-1);

    if (Lauf.AnzOffen == 0) {
        UebungBeenden();
        return;
    }
    const int typ = dok.Dok.DokTyp;
    if (typ != 2 && Opt.AbfrageModus == 0)
        return;
    const bool nachText = typ != 2 && Opt.AbfrageModus == 1;
    if (!NaechsteOffeneSuchen(nachText)) {
        // Open objects that no entry can present (texts already used up by
        // a twin label): nothing is left to ask.
        UebungBeenden();
        return;
    }
    ++Lauf.FrageZaehler;
    if (typ == 2) {
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
    if (ui.AnsichtModus() != 3) {
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
        if (Lauf.NetzRolle == 1 && Netz)
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

void Uebung::KennzahlenBerechnen()
{
    const int rf = Lauf.AnzRichtig + Lauf.AnzFalsch;
    Lauf.Erfolgsquote = rf > 0 ? double(Lauf.AnzRichtig) / rf : 0.0;
    const int alle = rf + Lauf.AnzOffen;
    Lauf.Gesamtleistung = alle > 0 ? double(Lauf.AnzRichtig) / alle : 0.0;
}

void Uebung::StatusAnzeigen()
{
    status.UebStatLab = Lauf.Endestatus == EndeArt::Laeuft ? QStringLiteral("warte auf Antwort") : QStringLiteral("Quiz beendet");
    status.UebStatFarbe = StatFarbe::Zeit;
    status.GesAnzLab = QStringLiteral("von  ") + QString::number(Lauf.AnzFragen);
    QString name;
    if (Lauf.NetzRolle == 0)
        name = Lauf.Teilnehmername;
    else if (Lauf.NetzRolle == 1 && Netz)
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
    status.UebZeitModeLab =
        Opt.ZeitLimitIndex == 1 ? QStringLiteral("Verbleibende Zeit:") : QStringLiteral("Benötigte Zeit:");
    ui.StatusSetzen(status);
    UhrAktualisieren();
}

void Uebung::UebungVerlassen()
{
    if (!DarfVerlassen())
        return;
    auto &obj = dok.Dok.Objekte;
    if (ui.AnsichtModus() == 3 && Lauf.Endestatus == EndeArt::Laeuft) {
        ui.ZeitTimerSetzen(false);
        if (Lauf.NetzRolle == 1) {
            Lauf.Endestatus = EndeArt::Abgebrochen;
            if (Netz) {
                Netz->NetzDokumentSchliessen();
                Netz->EndeMelden(false);
            }
        }
    }
    Lauf.NetzRolle = 0;
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
    if (Lauf.NetzRolle == 1 && Netz)
        Netz->EndeMelden(Lauf.Endestatus == EndeArt::Fertig || Lauf.Endestatus == EndeArt::Zeitlimit);

    ProtokollAbschliessen();
    ui.ErgebnisAnzeigen();
}
